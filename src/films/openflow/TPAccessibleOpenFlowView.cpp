#include "films/openflow/TPAccessibleOpenFlowView.h"

#include "films/openflow/TPOpenFlowView.h"
#include "kit/QMAccessibleAnnouncer.h"

TPAccessibleOpenFlowView::TPAccessibleOpenFlowView(TPOpenFlowView *view)
    : QMAccessiblePaintedWidget(view, QAccessible::List)
{}

void TPAccessibleOpenFlowView::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&TPAccessibleOpenFlowView::create);
        return true;
    }();
    (void)installed;
}

QAccessibleInterface *TPAccessibleOpenFlowView::create(const QString &, QObject *object)
{
    if (auto *view = qobject_cast<TPOpenFlowView *>(object))
        return new TPAccessibleOpenFlowView(view);
    return nullptr;
}

void TPAccessibleOpenFlowView::announceSelection(TPOpenFlowView *view)
{
    const int selected = view->selectedCover();
    if (selected < 0)
        return;
    QAccessibleValueChangeEvent value(view, view->coverTitle(selected));
    QMAccessibleAnnouncer::announce(&value);
    auto *iface =
        static_cast<TPAccessibleOpenFlowView *>(QAccessible::queryAccessibleInterface(view));
    if (QAccessibleInterface *cover = iface ? iface->itemInterface(selected) : nullptr) {
        QAccessibleEvent chosen(cover,
                                view->hasFocus() ? QAccessible::Focus : QAccessible::Selection);
        QMAccessibleAnnouncer::announce(&chosen);
    }
}

TPOpenFlowView *TPAccessibleOpenFlowView::view() const
{
    return static_cast<TPOpenFlowView *>(widget());
}

QString TPAccessibleOpenFlowView::text(QAccessible::Text t) const
{
    // The list reads as the film in the middle unless it was given a name of its own.
    if ((t == QAccessible::Value ||
         (t == QAccessible::Name && view()->accessibleName().isEmpty())) &&
        view()->selectedCover() >= 0)
        return view()->coverTitle(view()->selectedCover());
    return QMAccessiblePaintedWidget::text(t);
}

int TPAccessibleOpenFlowView::itemCount() const
{
    return view()->numberOfImages();
}

QMAccessiblePaintedWidget::Item TPAccessibleOpenFlowView::item(int index) const
{
    Item cover;
    cover.role = QAccessible::ListItem;
    cover.name = view()->coverTitle(index);
    cover.rect = view()->coverOutline(index).boundingRect().toAlignedRect();
    cover.selectable = true;
    cover.selected = index == view()->selectedCover();
    return cover;
}

void TPAccessibleOpenFlowView::pressItem(int index)
{
    view()->activateCover(index);
}
