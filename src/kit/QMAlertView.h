#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

class QLabel;
class QMBarButton;

// A phone alert: an optional title, a message and one button, in a box over the dimmed
// window. Showing one never blocks: show() returns at once, and the callback runs once, after
// the button has been pressed and the alert has gone. The alert deletes itself then.
class QMAlertView : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMAlertView)

public:
    // Over the key window (or as a window of its own when there is none). The returned alert
    // is not the caller's: it lives until its button is pressed.
    static QMAlertView *show(const QString &title, const QString &message,
                             const QString &buttonTitle, std::function<void()> onDismiss = {});
    using QWidget::show;

    // The alerts on screen, oldest first.
    static QList<QMAlertView *> visibleAlerts();

    ~QMAlertView() override;

    QString title() const { return m_title; }
    QString message() const { return m_message; }
    QMBarButton *button() const { return m_button; }
    // The same as a touch on the button.
    void clickButton();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QMAlertView(const QString &title, const QString &message, const QString &buttonTitle,
                std::function<void()> onDismiss, QWidget *parent);
    void relayout();
    void fadeIn();

    QString m_title;
    QString m_message;
    std::function<void()> m_onDismiss;
    QLabel *m_titleLabel;
    QLabel *m_messageLabel;
    QMBarButton *m_button;
    QRect m_box;
    bool m_dismissed = false;
};
