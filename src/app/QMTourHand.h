#pragma once

#include <QEvent>
#include <QPoint>
#include <QPointer>
#include <QString>

#include <functional>

class QWidget;

// The tour's hand on the window: touches and keys reach the window the way the platform's own
// input does, so the widget under the finger takes them with its usual grab and focus rules.
class QMTourHand
{
public:
    explicit QMTourHand(QWidget *window);

    // A touch on the middle of the widget; false when the widget is not shown in the window.
    bool tap(const QWidget *widget) const;
    bool tapAt(const QPoint &windowPoint) const;
    // Keys to the field that has the focus, one character at a time.
    void type(const QString &text) const;
    // The field's own text chosen (Ctrl+A), so that what is typed next replaces it.
    void selectAll() const;

    // Runs the event loop until ready() holds or the time is up; false on time-out.
    static bool waitFor(const std::function<bool()> &ready, int timeoutMs);
    // Runs the event loop for a while: slides and fades come to rest.
    static void pause(int ms);

private:
    void sendMouse(QEvent::Type type, const QPoint &at, Qt::MouseButtons buttons) const;
    void sendKey(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
                 const QString &text) const;

    QPointer<QWidget> m_window;
};
