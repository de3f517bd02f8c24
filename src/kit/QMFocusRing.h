#pragma once

#include <QPointer>
#include <QWidget>

// The ring around the control that has the keyboard, in the tint colour, drawn over the window
// while the keyboard is in use: a key press shows it, a mouse press hides it again, as touches
// need no ring. Controls as large as the window (an alert, a picker's veil) get none.
class QMFocusRing : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMFocusRing)

public:
    static constexpr int margin = 3; // points outside the control

    explicit QMFocusRing(QWidget *window);
    ~QMFocusRing() override;

    // The control the ring stands around now, or null while it is hidden.
    QWidget *target() const { return isVisible() ? m_target.data() : nullptr; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void follow();

    QPointer<QWidget> m_target;
    bool m_keyboardInUse = false;
};
