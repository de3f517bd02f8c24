#pragma once

#include <QString>

#include <memory>

class QMWheelPicker;
class QWidget;

// How a wheel picker's rows look and what it tells when the user turns a wheel. Every operation
// is optional: without them wheels share the width, rows are 40 points high and show no text.
class QMWheelPickerDelegate
{
public:
    virtual ~QMWheelPickerDelegate() = default;

    // 0 or less: the wheels share the picker's width.
    virtual int pickerViewWidthForComponent(QMWheelPicker *picker, int component)
    {
        (void)picker;
        (void)component;
        return 0;
    }
    virtual int pickerViewRowHeightForComponent(QMWheelPicker *picker, int component)
    {
        (void)picker;
        (void)component;
        return 40;
    }
    // Shown centred in 18-point type, unless the row has a view of its own.
    virtual QString pickerViewTitleForRowForComponent(QMWheelPicker *picker, int row, int component)
    {
        (void)picker;
        (void)row;
        (void)component;
        return {};
    }
    // A widget for the row (the picker owns it and lets touches pass through it); null: the
    // title.
    virtual std::unique_ptr<QWidget> pickerViewViewForRowForComponent(QMWheelPicker *picker,
                                                                      int row, int component)
    {
        (void)picker;
        (void)row;
        (void)component;
        return nullptr;
    }
    // The user turned a wheel and it came to rest on another row.
    virtual void pickerViewDidSelectRowInComponent(QMWheelPicker *picker, int row, int component)
    {
        (void)picker;
        (void)row;
        (void)component;
    }
};
