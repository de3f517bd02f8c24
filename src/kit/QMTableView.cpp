#include "kit/QMTableView.h"

#include "kit/QMKitStyle.h"
#include "kit/QMTableViewCell.h"
#include "kit/QMTableViewDataSource.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

static constexpr int headerBandHeight = 22;

QMTableView::QMTableView(QWidget *parent)
    : QMScrollView(parent)
    , m_header(new QLabel(this))
    , m_separatorColor(QMKitStyle::separatorColor())
{
    setAlwaysBounceVertical(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_header->setFont(QMKitStyle::boldSystemFont(14));
    m_header->setIndent(12);
    m_header->setAutoFillBackground(true);
    QPalette palette = m_header->palette();
    palette.setColor(QPalette::Window, QColor(232, 232, 235));
    palette.setColor(QPalette::WindowText, QColor(70, 70, 75));
    m_header->setPalette(palette);
    m_header->hide();
    // A short press is a tap, not a highlight: as on the phone, the row lights up only if the
    // finger stays.
    m_highlightDelay.setSingleShot(true);
    m_highlightDelay.setInterval(100);
    connect(&m_highlightDelay, &QTimer::timeout, this, [this] { showRowState(m_pressedRow); });
}

QMTableView::~QMTableView() = default;

void QMTableView::setDataSource(QMTableViewDataSource *dataSource)
{
    m_dataSource = dataSource;
    setDelegate(dataSource);
}

int QMTableView::headerHeight() const
{
    return m_header->isHidden() ? 0 : headerBandHeight;
}

void QMTableView::reloadData()
{
    m_highlightDelay.stop();
    m_pressedRow = -1;
    m_selectedRow = -1;
    dropAllCells();

    QMTableViewDataSource *source = m_dataSource.get();
    const int rows = source ? qMax(0, source->tableViewNumberOfRows(this)) : 0;
    m_rowTops.assign(1, 0);
    m_rowTops.reserve(rows + 1);
    for (int row = 0; row < rows; ++row) {
        const int height = qBound(0, source->tableViewHeightForRow(this, row), 100000);
        m_rowTops.push_back(m_rowTops.back() + height);
    }
    const QString title = source ? source->tableViewTitleForHeader(this) : QString();
    m_header->setText(title);
    m_header->setVisible(!title.isEmpty());

    setContentSize(QSize(width(), headerHeight() + m_rowTops.back()));
    // Rows may have gone: stay within the new content.
    if (!isDragging()) {
        const QPoint max = maximumContentOffset();
        const QPoint offset = contentOffset();
        const QPoint kept(qBound(0, offset.x(), max.x()), qBound(0, offset.y(), max.y()));
        if (kept != offset)
            setContentOffset(kept, false);
    }
    placeHeader();
    layoutRows();
    update();
}

void QMTableView::setSeparatorStyle(SeparatorStyle style)
{
    m_separatorStyle = style;
    for (const auto &[row, cell] : m_cells) {
        if (cell)
            placeCell(row, cell);
    }
    update();
}

void QMTableView::setSeparatorColor(const QColor &color)
{
    m_separatorColor = color;
    update();
}

void QMTableView::setBackgroundColor(const QColor &color)
{
    m_backgroundColor = color;
    update();
}

QRect QMTableView::rectForRow(int row) const
{
    if (row < 0 || row >= numberOfRows())
        return {};
    return QRect(0, headerHeight() + m_rowTops[row], width(), m_rowTops[row + 1] - m_rowTops[row]);
}

int QMTableView::rowAtPoint(const QPoint &contentPosition) const
{
    const int y = contentPosition.y() - headerHeight();
    if (y < 0 || y >= m_rowTops.back())
        return -1;
    return int(std::upper_bound(m_rowTops.begin(), m_rowTops.end(), y) - m_rowTops.begin()) - 1;
}

int QMTableView::firstRowBelow(int y) const
{
    // The first row whose bottom lies below y (rows of no height are skipped).
    const int local = y - headerHeight();
    const auto it = std::upper_bound(m_rowTops.begin() + 1, m_rowTops.end(), local);
    return int(it - m_rowTops.begin()) - 1;
}

QWidget *QMTableView::cellForRow(int row) const
{
    const auto it = m_cells.find(row);
    return it == m_cells.end() ? nullptr : it->second.data();
}

int QMTableView::rowForCell(const QWidget *cell) const
{
    for (const auto &[row, live] : m_cells) {
        if (live == cell)
            return row;
    }
    return -1;
}

QList<int> QMTableView::visibleRows() const
{
    QList<int> rows;
    const int top = contentOffset().y();
    const int bottom = top + height();
    for (int row = qMax(0, firstRowBelow(top)); row < numberOfRows(); ++row) {
        const QRect area = rectForRow(row);
        if (area.top() >= bottom)
            break;
        if (area.height() > 0)
            rows.append(row);
    }
    return rows;
}

void QMTableView::placeCell(int row, QWidget *cell) const
{
    QRect area = rectForRow(row);
    if (m_separatorStyle == SeparatorStyle::SingleLine && area.height() > 1)
        area.setHeight(area.height() - 1); // the line between rows is the table's
    cell->setGeometry(area);
}

void QMTableView::showRowState(int row)
{
    auto *cell = qobject_cast<QMTableViewCell *>(cellForRow(row));
    if (!cell)
        return;
    cell->setSelected(row == m_selectedRow);
    cell->setHighlighted(row == m_pressedRow && !m_highlightDelay.isActive());
}

void QMTableView::layoutRows()
{
    if (m_layingOut)
        return;
    m_layingOut = true;
    // Rows within half a screen above and below the visible area have widgets.
    const int margin = height() / 2;
    const int top = contentOffset().y() - margin;
    const int bottom = contentOffset().y() + height() + margin;
    const int first = qMax(0, firstRowBelow(top));
    int last = first;
    while (last < numberOfRows() && rectForRow(last).top() < bottom)
        ++last;

    for (auto it = m_cells.begin(); it != m_cells.end();) {
        if (it->first < first || it->first >= last || !it->second) {
            dropCell(it->second);
            it = m_cells.erase(it);
        } else {
            ++it;
        }
    }

    QMTableViewDataSource *source = m_dataSource.get();
    for (int row = first; row < last && source; ++row) {
        if (m_cells.count(row) || rectForRow(row).height() == 0)
            continue;
        std::unique_ptr<QWidget> built = source->tableViewCellForRow(this, row);
        if (!built)
            built = std::make_unique<QMTableViewCell>();
        QWidget *cell = built.release();
        cell->setParent(contentView());
        placeCell(row, cell);
        m_cells[row] = cell;
        showRowState(row);
        cell->show();
    }
    m_layingOut = false;
}

void QMTableView::dropCell(QWidget *cell)
{
    if (!cell)
        return;
    cell->hide();
    auto *reusable = qobject_cast<QMTableViewCell *>(cell);
    if (reusable && !reusable->reuseIdentifier().isEmpty()) {
        auto &pool = m_reusable[reusable->reuseIdentifier()];
        pool.erase(std::remove(pool.begin(), pool.end(), nullptr), pool.end());
        if (pool.size() < 24) {
            pool.push_back(reusable);
            return;
        }
    }
    // Later: the row may be dropped from inside one of its own buttons' clicks.
    cell->deleteLater();
}

void QMTableView::dropAllCells()
{
    for (auto &[row, cell] : m_cells)
        dropCell(cell);
    m_cells.clear();
}

std::unique_ptr<QMTableViewCell> QMTableView::dequeueReusableCell(const QString &identifier)
{
    auto it = m_reusable.find(identifier);
    while (it != m_reusable.end() && !it->empty()) {
        QPointer<QMTableViewCell> cell = it->back();
        it->pop_back();
        if (!cell)
            continue;
        cell->setParent(nullptr);
        cell->prepareForReuse();
        return std::unique_ptr<QMTableViewCell>(cell.data());
    }
    return nullptr;
}

void QMTableView::selectRow(int row, bool animated, ScrollPosition position)
{
    if (row < 0 || row >= numberOfRows())
        return;
    const int previous = m_selectedRow;
    m_selectedRow = row;
    showRowState(previous);
    showRowState(row);
    if (position != ScrollPosition::None)
        scrollToRow(row, position, animated);
}

void QMTableView::deselectRow(int row, bool animated)
{
    Q_UNUSED(animated)
    if (row != m_selectedRow)
        return;
    m_selectedRow = -1;
    showRowState(row);
}

void QMTableView::scrollToRow(int row, ScrollPosition position, bool animated)
{
    const QRect area = rectForRow(row);
    if (area.isNull())
        return;
    const int top = contentOffset().y();
    const int visibleTop = area.top() - headerHeight(); // below the header band
    int y = top;
    switch (position) {
    case ScrollPosition::Top:
        y = visibleTop;
        break;
    case ScrollPosition::Middle:
        y = area.center().y() - height() / 2;
        break;
    case ScrollPosition::Bottom:
        y = area.bottom() + 1 - height();
        break;
    case ScrollPosition::None:
        if (visibleTop < top)
            y = visibleTop;
        else if (area.bottom() + 1 > top + height())
            y = area.bottom() + 1 - height();
        break;
    }
    y = qBound(0, y, maximumContentOffset().y());
    setContentOffset(QPoint(contentOffset().x(), y), animated);
}

void QMTableView::contentOffsetDidChange()
{
    placeHeader();
    layoutRows();
}

void QMTableView::placeHeader()
{
    if (m_header->isHidden())
        return;
    // Pinned to the top, but pulled down with the rows past the top.
    m_header->setGeometry(0, qMax(0, -contentOffset().y()), width(), headerBandHeight);
    m_header->raise();
}

void QMTableView::contentPressed(const QPoint &contentPosition, QWidget *target)
{
    m_pressedRow = -1;
    if (!m_allowsSelection)
        return;
    const int row = rowAtPoint(contentPosition);
    QWidget *cell = cellForRow(row);
    if (!cell)
        return;
    for (QWidget *w = target; w && w != cell; w = w->parentWidget()) {
        if (qobject_cast<QAbstractButton *>(w))
            return; // the button's touch, not the row's
    }
    m_pressedRow = row;
    m_highlightDelay.start();
}

void QMTableView::contentPressCancelled()
{
    const int row = m_pressedRow;
    m_pressedRow = -1;
    m_highlightDelay.stop();
    showRowState(row);
}

void QMTableView::contentTapped(const QPoint &contentPosition, QWidget *target)
{
    Q_UNUSED(target)
    const int row = m_pressedRow;
    m_pressedRow = -1;
    m_highlightDelay.stop();
    if (row < 0 || row != rowAtPoint(contentPosition)) {
        showRowState(row);
        return;
    }
    tapRow(row);
}

void QMTableView::tapRow(int row)
{
    if (!m_allowsSelection || row < 0 || row >= numberOfRows())
        return;
    const int previous = m_selectedRow;
    m_selectedRow = row;
    showRowState(previous);
    showRowState(row);
    QMTableViewDataSource *source = m_dataSource.get();
    if (previous >= 0 && previous != row && source)
        source->tableViewDidDeselectRow(this, previous);
    if (m_dataSource && m_selectedRow == row)
        m_dataSource->tableViewDidSelectRow(this, row);
}

void QMTableView::resizeEvent(QResizeEvent *event)
{
    QMScrollView::resizeEvent(event);
    setContentSize(QSize(width(), headerHeight() + m_rowTops.back()));
    for (const auto &[row, cell] : m_cells) {
        if (cell)
            placeCell(row, cell);
    }
    placeHeader();
    layoutRows();
}

void QMTableView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), m_backgroundColor);
    if (m_separatorStyle != SeparatorStyle::SingleLine)
        return;
    painter.setPen(m_separatorColor);
    const int top = contentOffset().y();
    for (int row : visibleRows()) {
        const int y = rectForRow(row).bottom() - top;
        painter.drawLine(0, y, width(), y);
    }
}
