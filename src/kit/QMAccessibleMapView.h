#pragma once

#include "kit/QMAccessiblePaintedWidget.h"

class QMMapView;

// A map as its annotations: a button for each, named by its callout's title (or the name its
// view was given), the selected one marked. Pressing one selects it, as a touch does.
class QMAccessibleMapView : public QMAccessiblePaintedWidget
{
public:
    explicit QMAccessibleMapView(QMMapView *map);

    int itemCount() const override;
    Item item(int index) const override;
    void pressItem(int index) override;

private:
    QMMapView *map() const;
};
