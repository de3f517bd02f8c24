#include "kit/QMTextView.h"

#include "kit/QMKitStyle.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QTextCursor>

namespace {
constexpr qreal cornerRadius = 6;
const QColor borderColor(128, 128, 128);
} // namespace

QMTextView::QMTextView(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setFont(QMKitStyle::systemFont(15));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(6);
    // The box with its rounded border is drawn under a transparent viewport.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    setPalette(palette);
    viewport()->setAutoFillBackground(false);
    // Tab moves on to the next field, as on a form; Esc leaves the text.
    setTabChangesFocus(true);

    connect(this, &QPlainTextEdit::textChanged, this, &QMTextView::committedTextMayHaveChanged);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        // Only where the text stands still: the place to come back to after a refused change.
        if (!m_settingText && toPlainText() == m_text)
            m_stableCursor = textCursor().position();
    });
}

QMTextView::QMTextView(const QRect &frame, QWidget *parent)
    : QMTextView(parent)
{
    setGeometry(frame);
}

void QMTextView::setText(const QString &text)
{
    const int cursorBefore = m_stableCursor;
    m_settingText = true;
    if (m_composing) {
        // The input method forgets what it was composing on top of the text that goes.
        QGuiApplication::inputMethod()->reset();
        m_composing = false;
    }
    setPlainText(text);
    m_text = toPlainText();
    QTextCursor cursor = textCursor();
    cursor.setPosition(qBound(0, cursorBefore, int(m_text.size())));
    setTextCursor(cursor);
    m_stableCursor = cursor.position();
    m_settingText = false;
}

void QMTextView::endEditing()
{
    clearFocus();
}

void QMTextView::keyPressEvent(QKeyEvent *event)
{
    // Esc ends the editing only: it must not reach the window, which would leave the screen
    // and the text with it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        endEditing();
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void QMTextView::committedTextMayHaveChanged()
{
    if (m_settingText)
        return;
    QString now = toPlainText();
    if (now == m_text)
        return; // only composition or formatting moved
    m_text = std::move(now);
    if (m_delegate)
        m_delegate->textViewDidChange(this);
    if (toPlainText() == m_text)
        m_stableCursor = textCursor().position();
}

void QMTextView::inputMethodEvent(QInputMethodEvent *event)
{
    QPlainTextEdit::inputMethodEvent(event);
    m_composing = !event->preeditString().isEmpty();
}

bool QMTextView::event(QEvent *event)
{
    if (event->type() != QEvent::Paint)
        return QPlainTextEdit::event(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(borderColor, 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius,
                            cornerRadius);
    return true;
}
