#pragma once

#include <QMap>

class QMPickerView;

// What the choice overlay tells its owner. The overlay stays where it is either way: the owner
// removes it.
class QMPickerViewDelegate
{
public:
    virtual ~QMPickerViewDelegate() = default;
    // "确定": for each wheel, the row it shows (-1 for a wheel without rows).
    virtual void pickerViewConformSelction(QMPickerView *picker,
                                           const QMap<int, int> &selection) = 0;
    // "取消".
    virtual void pickerViewCancelledSelection(QMPickerView *picker) = 0;
};
