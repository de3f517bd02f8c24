#pragma once

#include "kit/QMTextViewDelegate.h"
#include "net/QMWeakDelegate.h"

#include <QPlainTextEdit>

// Several lines of plain text to type, in a white box with a grey 1-point border and corners of
// radius 6. The delegate hears of every change of the committed text and may refuse it by
// putting the previous text back: what an input method is still composing is never judged,
// only what it commits.
class QMTextView : public QPlainTextEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMTextView)

public:
    explicit QMTextView(QWidget *parent = nullptr);
    QMTextView(const QRect &frame, QWidget *parent);

    QMTextViewDelegate *delegate() const { return m_delegate.get(); }
    void setDelegate(QMTextViewDelegate *delegate) { m_delegate = delegate; }

    // The committed text.
    QString text() const { return m_text; }
    // Replaces the text without telling the delegate; any composition is abandoned. The cursor
    // goes back to where it stood before the change being refused, when it still fits.
    void setText(const QString &text);

    // True while an input method is composing text that is not committed yet.
    bool isComposing() const { return m_composing; }

    // Puts the keyboard away.
    void endEditing();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    void committedTextMayHaveChanged();

    QMWeakDelegate<QMTextViewDelegate> m_delegate;
    QString m_text;
    int m_stableCursor = 0;
    bool m_composing = false;
    bool m_settingText = false;
};
