#pragma once

#include "kit/QMTextFieldDelegate.h"
#include "net/QMWeakDelegate.h"

#include <QLineEdit>

// One line of text to type, as the phone has it: a placeholder, a keyboard suited to what is
// typed, secure entry for passwords, and a return key that only puts the keyboard away (it
// never submits a form). Touches elsewhere on the screen end editing too (QMViewController).
class QMTextField : public QLineEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMTextField)

public:
    // What the keyboard offers; on a desktop a hint to the input method, typing is not limited.
    enum class KeyboardType { Default, EmailAddress, NumberPad, PhonePad };
    // The label of the return key.
    enum class ReturnKeyType { Default, Go, Next, Done, Search, Send };
    enum class BorderStyle { None, RoundedRect };

    explicit QMTextField(QWidget *parent = nullptr);
    QMTextField(const QRect &frame, QWidget *parent);

    QMTextFieldDelegate *delegate() const { return m_delegate.get(); }
    void setDelegate(QMTextFieldDelegate *delegate) { m_delegate = delegate; }

    KeyboardType keyboardType() const { return m_keyboardType; }
    void setKeyboardType(KeyboardType type);

    // Typed characters are shown as dots and kept out of predictions and history.
    bool isSecureTextEntry() const { return echoMode() == QLineEdit::Password; }
    void setSecureTextEntry(bool secure);

    ReturnKeyType returnKeyType() const { return m_returnKeyType; }
    void setReturnKeyType(ReturnKeyType type);

    BorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(BorderStyle style);

    bool isEditing() const { return hasFocus(); }
    // Puts the keyboard away.
    void endEditing();

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void updateInputMethodHints();

    QMWeakDelegate<QMTextFieldDelegate> m_delegate;
    KeyboardType m_keyboardType = KeyboardType::Default;
    ReturnKeyType m_returnKeyType = ReturnKeyType::Default;
    BorderStyle m_borderStyle = BorderStyle::None;
};
