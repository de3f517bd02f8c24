#include "kit/QMAccessibleMapView.h"

#include "kit/QMAnnotationView.h"
#include "kit/QMMapAnnotation.h"
#include "kit/QMMapView.h"

QMAccessibleMapView::QMAccessibleMapView(QMMapView *map)
    : QMAccessiblePaintedWidget(map, QAccessible::Graphic)
{}

QMMapView *QMAccessibleMapView::map() const
{
    return static_cast<QMMapView *>(widget());
}

int QMAccessibleMapView::itemCount() const
{
    return int(map()->annotations().size());
}

QMAccessiblePaintedWidget::Item QMAccessibleMapView::item(int index) const
{
    Item pin;
    const std::shared_ptr<QMMapAnnotation> annotation = map()->annotations().value(index);
    if (!annotation)
        return pin;
    pin.name = annotation->title();
    pin.description = annotation->subtitle();
    if (const QMAnnotationView *view = map()->viewForAnnotation(annotation.get())) {
        if (pin.name.isEmpty())
            pin.name = view->accessibleName();
        pin.rect = map()->frameOfAnnotationView(view).toAlignedRect();
        pin.disabled = !view->isEnabled();
    }
    pin.selectable = true;
    pin.selected = map()->selectedAnnotation() == annotation.get();
    return pin;
}

void QMAccessibleMapView::pressItem(int index)
{
    if (const std::shared_ptr<QMMapAnnotation> annotation = map()->annotations().value(index))
        map()->selectAnnotation(annotation.get(), true);
}
