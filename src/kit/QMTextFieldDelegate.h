#pragma once

class QMTextField;

// What a text field asks and tells about editing. Every operation is optional.
class QMTextFieldDelegate
{
public:
    virtual ~QMTextFieldDelegate() = default;
    // Return was pressed; true lets the field end its editing (the default).
    virtual bool textFieldShouldReturn(QMTextField *textField)
    {
        (void)textField;
        return true;
    }
    // The field lost the keyboard: by return, by a touch elsewhere or by the program.
    virtual void textFieldDidEndEditing(QMTextField *textField) { (void)textField; }
};
