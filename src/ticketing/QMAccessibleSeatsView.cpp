#include "ticketing/QMAccessibleSeatsView.h"

#include "ticketing/QMMovieSelectPewViewController.h"
#include "ticketing/QMSeatsView.h"

QMAccessibleSeatsView::QMAccessibleSeatsView(QMSeatsView *view)
    : QMAccessiblePaintedWidget(view, QAccessible::Table)
{}

void QMAccessibleSeatsView::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&QMAccessibleSeatsView::create);
        return true;
    }();
    (void)installed;
}

QAccessibleInterface *QMAccessibleSeatsView::create(const QString &, QObject *object)
{
    if (auto *view = qobject_cast<QMSeatsView *>(object))
        return new QMAccessibleSeatsView(view);
    return nullptr;
}

QMSeatsView *QMAccessibleSeatsView::view() const
{
    return static_cast<QMSeatsView *>(widget());
}

int QMAccessibleSeatsView::itemCount() const
{
    return int(view()->seatButtonArray().size());
}

QMAccessiblePaintedWidget::Item QMAccessibleSeatsView::item(int index) const
{
    const QMSeatButton &seat = view()->seatButtonArray()[size_t(index)];
    Item box;
    box.role = QAccessible::CheckBox;
    box.name = QMMovieSelectPewViewController::seatText(seat.row(), seat.column()).trimmed();
    box.rect = seat.frame();
    box.checkable = true;
    box.checked = seat.seatStatus() == QMSeatButton::Chosen;
    box.disabled = !seat.isSelectable() || seat.seatStatus() == QMSeatButton::Unavailable;
    return box;
}

void QMAccessibleSeatsView::pressItem(int index)
{
    view()->touchSeat(index);
}
