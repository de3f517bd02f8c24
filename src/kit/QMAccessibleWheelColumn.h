#pragma once

#include "kit/QMAccessiblePaintedWidget.h"

class QMWheelPickerColumn;

// One wheel of a picker as a list of its rows, named by what they show; the row in the band is
// the selected one. Pressing a row turns the wheel to it, as a tap does.
class QMAccessibleWheelColumn : public QMAccessiblePaintedWidget
{
public:
    explicit QMAccessibleWheelColumn(QMWheelPickerColumn *column);

    int itemCount() const override;
    Item item(int index) const override;
    void pressItem(int index) override;

private:
    QMWheelPickerColumn *column() const;
};
