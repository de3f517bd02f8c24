#pragma once

class QMWheelPicker;

// What a wheel picker asks its screen: how many wheels and how many rows on each.
class QMWheelPickerDataSource
{
public:
    virtual ~QMWheelPickerDataSource() = default;
    virtual int numberOfComponentsInPickerView(QMWheelPicker *picker) = 0;
    virtual int pickerViewNumberOfRowsInComponent(QMWheelPicker *picker, int component) = 0;
};
