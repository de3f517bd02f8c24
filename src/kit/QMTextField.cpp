#include "kit/QMTextField.h"

#include "kit/QMKitStyle.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethod>
#include <QKeyEvent>
#include <QPainter>

namespace {
constexpr qreal cornerRadius = 6;
const QColor borderColor(172, 172, 176);
} // namespace

QMTextField::QMTextField(QWidget *parent)
    : QLineEdit(parent)
{
    setFont(QMKitStyle::systemFont(15));
    setFrame(false);
    setTextMargins(6, 0, 6, 0);
    // The rounded border is drawn here; the style would fill a square behind it.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    setPalette(palette);
}

QMTextField::QMTextField(const QRect &frame, QWidget *parent)
    : QMTextField(parent)
{
    setGeometry(frame);
}

void QMTextField::setKeyboardType(KeyboardType type)
{
    m_keyboardType = type;
    updateInputMethodHints();
}

void QMTextField::setSecureTextEntry(bool secure)
{
    setEchoMode(secure ? QLineEdit::Password : QLineEdit::Normal);
    updateInputMethodHints();
}

void QMTextField::setReturnKeyType(ReturnKeyType type)
{
    m_returnKeyType = type;
    if (hasFocus())
        QGuiApplication::inputMethod()->update(Qt::ImEnterKeyType);
}

void QMTextField::setBorderStyle(BorderStyle style)
{
    m_borderStyle = style;
    update();
}

void QMTextField::updateInputMethodHints()
{
    Qt::InputMethodHints hints;
    switch (m_keyboardType) {
    case KeyboardType::Default:
        break;
    case KeyboardType::EmailAddress:
        hints = Qt::ImhEmailCharactersOnly | Qt::ImhNoAutoUppercase | Qt::ImhNoPredictiveText;
        break;
    case KeyboardType::NumberPad:
        hints = Qt::ImhDigitsOnly;
        break;
    case KeyboardType::PhonePad:
        hints = Qt::ImhDialableCharactersOnly;
        break;
    }
    if (isSecureTextEntry())
        hints |= Qt::ImhHiddenText | Qt::ImhSensitiveData | Qt::ImhNoPredictiveText;
    setInputMethodHints(hints);
}

void QMTextField::endEditing()
{
    clearFocus();
}

QVariant QMTextField::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (query != Qt::ImEnterKeyType)
        return QLineEdit::inputMethodQuery(query);
    switch (m_returnKeyType) {
    case ReturnKeyType::Default:
        return Qt::EnterKeyReturn;
    case ReturnKeyType::Go:
        return Qt::EnterKeyGo;
    case ReturnKeyType::Next:
        return Qt::EnterKeyNext;
    case ReturnKeyType::Done:
        return Qt::EnterKeyDone;
    case ReturnKeyType::Search:
        return Qt::EnterKeySearch;
    case ReturnKeyType::Send:
        return Qt::EnterKeySend;
    }
    return Qt::EnterKeyDefault;
}

void QMTextField::keyPressEvent(QKeyEvent *event)
{
    // Esc leaves the field and goes no further: a second one goes back.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        endEditing();
        return;
    }
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Taken here, so that no default button of a parent acts on it.
    event->accept();
    if (!m_delegate || m_delegate->textFieldShouldReturn(this))
        endEditing();
}

void QMTextField::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // Another window or a menu taking the keyboard for a while does not end the editing.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason &&
        m_delegate)
        m_delegate->textFieldDidEndEditing(this);
}

void QMTextField::paintEvent(QPaintEvent *event)
{
    if (m_borderStyle == BorderStyle::RoundedRect) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(borderColor, 1));
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius,
                                cornerRadius);
    }
    QLineEdit::paintEvent(event);
}
