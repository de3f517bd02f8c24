#include "kit/QMWheelPicker.h"

#include "kit/QMAccessibleText.h"
#include "kit/QMKitStyle.h"
#include "kit/QMWheelPickerColumn.h"

#include <QEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int kGap = 4;        // between wheels
constexpr int kSideMargin = 8; // around wheels that share the width
constexpr int kMaxComponents = 32;
} // namespace

QMWheelPicker::QMWheelPicker(QWidget *parent)
    : QWidget(parent)
    , m_glass(new QWidget(this))
{
    QMKitStyle::setBackgroundColor(this, Qt::white);
    m_glass->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_glass->installEventFilter(this);
    resize(320, 216);
    setFocusPolicy(Qt::TabFocus);
}

QMWheelPicker::~QMWheelPicker() = default;

void QMWheelPicker::setDataSource(QMWheelPickerDataSource *dataSource)
{
    m_dataSource = dataSource;
}

void QMWheelPicker::setDelegate(QMWheelPickerDelegate *delegate)
{
    m_delegate = delegate;
}

void QMWheelPicker::setShowsSelectionIndicator(bool shows)
{
    m_showsSelectionIndicator = shows;
    m_glass->update();
}

QMWheelPickerColumn *QMWheelPicker::column(int component) const
{
    return component >= 0 && component < numberOfComponents() ? m_columns[size_t(component)]
                                                              : nullptr;
}

void QMWheelPicker::reloadAllComponents()
{
    QMWheelPickerDataSource *source = m_dataSource.get();
    const int count =
        source ? qBound(0, source->numberOfComponentsInPickerView(this), kMaxComponents) : 0;
    while (numberOfComponents() > count) {
        delete m_columns.back();
        m_columns.pop_back();
    }
    while (numberOfComponents() < count) {
        auto *wheel = new QMWheelPickerColumn(this, numberOfComponents());
        wheel->show();
        m_columns.push_back(wheel);
    }
    layoutColumns();
    for (QMWheelPickerColumn *wheel : m_columns)
        reloadColumn(wheel);
    m_glass->raise();
    m_glass->update();
    update();
}

void QMWheelPicker::reloadComponent(int component)
{
    if (QMWheelPickerColumn *wheel = column(component))
        reloadColumn(wheel);
}

void QMWheelPicker::reloadColumn(QMWheelPickerColumn *wheel)
{
    QMWheelPickerDataSource *source = m_dataSource.get();
    QMWheelPickerDelegate *delegate = m_delegate.get();
    const int rows =
        source ? source->pickerViewNumberOfRowsInComponent(this, wheel->component()) : 0;
    const int rowHeight =
        delegate ? delegate->pickerViewRowHeightForComponent(this, wheel->component()) : 40;
    wheel->reload(rows, rowHeight);
}

int QMWheelPicker::numberOfRowsInComponent(int component) const
{
    const QMWheelPickerColumn *wheel = column(component);
    return wheel ? wheel->numberOfRows() : 0;
}

int QMWheelPicker::selectedRowInComponent(int component) const
{
    const QMWheelPickerColumn *wheel = column(component);
    return wheel ? wheel->selectedRow() : -1;
}

void QMWheelPicker::selectRow(int row, int component, bool animated)
{
    if (QMWheelPickerColumn *wheel = column(component))
        wheel->selectRow(row, animated);
}

QWidget *QMWheelPicker::viewForRowForComponent(int row, int component) const
{
    const QMWheelPickerColumn *wheel = column(component);
    return wheel ? wheel->viewForRow(row) : nullptr;
}

QRect QMWheelPicker::rectForRowInComponent(int row, int component) const
{
    const QMWheelPickerColumn *wheel = column(component);
    return wheel ? wheel->rectForRow(row).translated(wheel->pos()) : QRect();
}

bool QMWheelPicker::isTurning() const
{
    return std::any_of(m_columns.begin(), m_columns.end(),
                       [](const QMWheelPickerColumn *wheel) { return wheel->isTurning(); });
}

std::unique_ptr<QWidget> QMWheelPicker::makeRowView(int row, int component)
{
    QMWheelPickerDelegate *delegate = m_delegate.get();
    if (delegate) {
        if (std::unique_ptr<QWidget> own =
                delegate->pickerViewViewForRowForComponent(this, row, component))
            return own;
    }
    auto label = std::make_unique<QLabel>(
        delegate ? delegate->pickerViewTitleForRowForComponent(this, row, component) : QString());
    label->setAlignment(Qt::AlignCenter);
    label->setFont(QMKitStyle::systemFont(18));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QString QMWheelPicker::titleForRow(int row, int component) const
{
    if (row < 0 || row >= numberOfRowsInComponent(component))
        return {};
    if (QWidget *view = viewForRowForComponent(row, component))
        return QMAccessibleText::of(view);
    // A row far from the band has no view: one is made to be read and let go.
    const std::unique_ptr<QWidget> view =
        const_cast<QMWheelPicker *>(this)->makeRowView(row, component);
    return QMAccessibleText::of(view.get());
}

void QMWheelPicker::columnDidComeToRest(int component, int row)
{
    if (QMWheelPickerDelegate *delegate = m_delegate.get())
        delegate->pickerViewDidSelectRowInComponent(this, row, component);
}

void QMWheelPicker::layoutColumns()
{
    const int count = numberOfComponents();
    if (count == 0)
        return;
    QMWheelPickerDelegate *delegate = m_delegate.get();
    std::vector<int> widths(size_t(count), 0);
    int fixed = 0;
    int shared = 0;
    for (int c = 0; c < count; ++c) {
        widths[size_t(c)] = delegate ? qMax(0, delegate->pickerViewWidthForComponent(this, c)) : 0;
        if (widths[size_t(c)] > 0)
            fixed += widths[size_t(c)];
        else
            ++shared;
    }
    if (shared > 0) {
        const int free = width() - 2 * kSideMargin - kGap * (count - 1) - fixed;
        for (int &w : widths) {
            if (w == 0)
                w = qMax(1, free / shared);
        }
    }
    int total = kGap * (count - 1);
    for (int w : widths)
        total += w;
    int x = (width() - total) / 2;
    for (int c = 0; c < count; ++c) {
        m_columns[size_t(c)]->setGeometry(x, 0, widths[size_t(c)], height());
        x += widths[size_t(c)] + kGap;
    }
    update();
}

void QMWheelPicker::resizeEvent(QResizeEvent *)
{
    m_glass->setGeometry(rect());
    layoutColumns();
}

void QMWheelPicker::paintEvent(QPaintEvent *)
{
    // Thin edges between the wheels and the housing.
    QPainter painter(this);
    painter.setPen(QMKitStyle::separatorColor());
    for (const QMWheelPickerColumn *wheel : m_columns) {
        const QRect frame = wheel->geometry();
        painter.drawLine(frame.left() - 1, 0, frame.left() - 1, height());
        painter.drawLine(frame.right() + 1, 0, frame.right() + 1, height());
    }
}

bool QMWheelPicker::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_glass && event->type() == QEvent::Paint) {
        paintGlass(m_glass);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

int QMWheelPicker::keyComponent() const
{
    return qBound(0, m_keyComponent, qMax(0, numberOfComponents() - 1));
}

void QMWheelPicker::keyPressEvent(QKeyEvent *event)
{
    QMWheelPickerColumn *wheel = column(keyComponent());
    const int rows = wheel ? wheel->numberOfRows() : 0;
    const int row = wheel ? wheel->selectedRow() : -1;
    int target = row;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int next = keyComponent() + (event->key() == Qt::Key_Left ? -1 : 1);
        if (next < 0 || next >= numberOfComponents()) {
            event->ignore();
            return;
        }
        m_keyComponent = next;
        m_glass->update();
        return;
    }
    case Qt::Key_Up:
        target = row - 1;
        break;
    case Qt::Key_Down:
        target = row + 1;
        break;
    case Qt::Key_PageUp:
        target = row - keyPageRows;
        break;
    case Qt::Key_PageDown:
        target = row + keyPageRows;
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = rows - 1;
        break;
    default:
        QWidget::keyPressEvent(event); // Enter and Esc are the overlay's
        return;
    }
    if (rows > 0)
        wheel->turnToByUser(qBound(0, target, rows - 1));
    event->accept();
}

void QMWheelPicker::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    m_glass->update();
}

void QMWheelPicker::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    m_glass->update();
}

void QMWheelPicker::paintGlass(QWidget *glass)
{
    int bandHeight = 0;
    for (const QMWheelPickerColumn *wheel : m_columns)
        bandHeight = qMax(bandHeight, wheel->rowHeight());
    if (bandHeight == 0)
        bandHeight = 40;
    const int h = glass->height();
    const int bandTop = (h - bandHeight) / 2;
    const int bandBottom = bandTop + bandHeight;

    QPainter painter(glass);
    // Rows fade as they turn away toward the top and the bottom.
    const QColor solid(255, 255, 255, 235);
    const QColor clear(255, 255, 255, 0);
    QLinearGradient top(0, 0, 0, bandTop);
    top.setColorAt(0, solid);
    top.setColorAt(1, clear);
    painter.fillRect(QRect(0, 0, glass->width(), bandTop), top);
    QLinearGradient bottom(0, bandBottom, 0, h);
    bottom.setColorAt(0, clear);
    bottom.setColorAt(1, solid);
    painter.fillRect(QRect(0, bandBottom, glass->width(), h - bandBottom), bottom);

    // Which wheel the arrow keys turn, when there is a choice.
    if (hasFocus() && numberOfComponents() > 1) {
        const QRect wheel = column(keyComponent())->geometry();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QMKitStyle::tintColor(), 2));
        painter.drawRoundedRect(
            QRectF(wheel.left() + 2, bandTop + 1, wheel.width() - 4, bandHeight - 2), 4, 4);
        painter.setRenderHint(QPainter::Antialiasing, false);
    }

    if (!m_showsSelectionIndicator)
        return;
    const QColor tint = QMKitStyle::tintColor();
    const QRect band(2, bandTop, glass->width() - 4, bandHeight);
    QColor fill = tint;
    fill.setAlpha(28);
    painter.fillRect(band, fill);
    QColor edge = tint;
    edge.setAlpha(170);
    painter.setPen(edge);
    painter.drawLine(band.left(), band.top(), band.right(), band.top());
    painter.drawLine(band.left(), band.bottom(), band.right(), band.bottom());
}
