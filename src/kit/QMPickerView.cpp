#include "kit/QMPickerView.h"

#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMNavigationBar.h"
#include "kit/QMNavigationItem.h"
#include "kit/QMWheelPicker.h"
#include "kit/QMWindow.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
std::unique_ptr<QMBarButton> barButton(const QString &title)
{
    auto button = std::make_unique<QMBarButton>(title);
    button->setFont(QMKitStyle::boldSystemFont(13));
    button->resize(qMax(50, button->sizeHint().width()), 30);
    return button;
}
} // namespace

QMPickerView::QMPickerView(const QRect &frame, QWidget *parent)
    : QWidget(parent)
    , _naviBar(new QMNavigationBar(this))
    , _pickerView(new QMWheelPicker(this))
    , _naviItem(std::make_unique<QMNavigationItem>())
    , m_frame(frame)
    , m_home(parent)
{
    setGeometry(frame);
    hide();

    _naviBar->setTintColor(QMKitStyle::tintColor());
    _naviBar->setGeometry(0, barTop, frame.width(), QMNavigationBar::barHeight);
    std::unique_ptr<QMBarButton> cancel = barButton(QStringLiteral("取消"));
    std::unique_ptr<QMBarButton> confirm = barButton(QStringLiteral("确定"));
    m_cancelButton = cancel.get();
    m_confirmButton = confirm.get();
    connect(m_cancelButton, &QAbstractButton::clicked, this, &QMPickerView::cancelSelection);
    connect(m_confirmButton, &QAbstractButton::clicked, this, &QMPickerView::conformSelection);
    _naviItem->setLeftBarButton(std::move(cancel));
    _naviItem->setRightBarButton(std::move(confirm));
    _naviBar->setItems({_naviItem.get()}, false);

    _pickerView->setGeometry(0, pickerTop, frame.width(), qMax(0, frame.height() - pickerTop));
    _pickerView->setShowsSelectionIndicator(true);
    // The keyboard goes to the wheel; Enter and Esc come back up to the overlay.
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(_pickerView);
}

QMPickerView::~QMPickerView() = default;

QString QMPickerView::navTitle() const
{
    return _naviItem->title();
}

void QMPickerView::setNavTitle(const QString &title)
{
    _naviItem->setTitle(title);
}

void QMPickerView::reloadData()
{
    _pickerView->reloadAllComponents();
}

void QMPickerView::setPickerDelegate(QMWheelPickerDelegate *delegate)
{
    _pickerDelegate = delegate;
    _pickerView->setDelegate(delegate);
}

void QMPickerView::setPickerDataSource(QMWheelPickerDataSource *dataSource)
{
    _pickerDataSource = dataSource;
    _pickerView->setDataSource(dataSource);
}

void QMPickerView::cancelSelection()
{
    if (QMPickerViewDelegate *delegate = _selectionDelegate.get())
        delegate->pickerViewCancelledSelection(this);
}

void QMPickerView::conformSelection()
{
    QMap<int, int> selection;
    for (int component = 0; component < _pickerView->numberOfComponents(); ++component)
        selection.insert(component, _pickerView->selectedRowInComponent(component));
    if (QMPickerViewDelegate *delegate = _selectionDelegate.get())
        delegate->pickerViewConformSelction(this, selection);
}

void QMPickerView::showInWindow(QMWindow *window)
{
    if (!window)
        return;
    if (m_window != window) {
        if (m_window && m_home) // shown elsewhere before: home first
            removeFromWindow();
        m_window = window;
        setParent(window);
        // Should the owner's view go while the overlay is out, the overlay goes with it.
        if (m_home)
            connect(m_home, &QObject::destroyed, this, &QObject::deleteLater, Qt::UniqueConnection);
    }
    setGeometry(m_frame);
    show();
    raise();
    window->bringAlertsToFront();
    if (QMAlertView::visibleAlerts().isEmpty())
        setFocus(Qt::OtherFocusReason);
}

void QMPickerView::removeFromWindow()
{
    hide();
    if (!m_window)
        return;
    m_window = nullptr;
    if (m_home) {
        disconnect(m_home, &QObject::destroyed, this, &QObject::deleteLater);
        setParent(m_home);
        hide();
    }
}

bool QMPickerView::isInWindow() const
{
    return m_window && isVisible();
}

void QMPickerView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgbF(0.3f, 0.3f, 0.3f, 0.7f));
}

// The veil takes every touch: nothing under the overlay reacts while it is up.
void QMPickerView::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void QMPickerView::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void QMPickerView::wheelEvent(QWheelEvent *event)
{
    event->accept();
}

void QMPickerView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        conformSelection();
        break;
    case Qt::Key_Escape:
        cancelSelection();
        break;
    default:
        event->accept(); // what the wheel left stops here
    }
}

bool QMPickerView::focusNextPrevChild(bool)
{
    return true; // Tab stays on the wheel: nothing under the veil can be reached
}
