#pragma once

#include <QPointer>
#include <QWidget>

class QMFocusRing;
class QMKeyboardNavigation;
class QMStatusStrip;
class QMViewController;

// The phone: 320 × 480 points, a dark 20-point status strip on top and the root screen below
// it. Sheets and alerts are laid over the whole window. QT_SCALE_FACTOR enlarges it all.
class QMWindow : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMWindow)

public:
    static constexpr int windowWidth = 320;
    static constexpr int windowHeight = 480;

    explicit QMWindow(QWidget *parent = nullptr);
    ~QMWindow() override;

    // Not owned: the application keeps its root screen.
    void setRootViewController(QMViewController *controller);
    QMViewController *rootViewController() const;

    // Below the status strip.
    QRect contentRect() const;
    QMStatusStrip *statusStrip() const { return m_statusStrip; }
    // Its keys: tabs, back, quit, and the keys no control took.
    QMKeyboardNavigation *keyboardNavigation() const { return m_keyboard; }
    QMFocusRing *focusRing() const { return m_focusRing; }

    void makeKeyAndVisible();
    // The window alerts appear on: the last one made key, else any shown one.
    static QMWindow *keyWindow();
    static QMWindow *windowOf(const QWidget *widget);

    // Alerts stay above sheets and overlays added after them.
    void bringAlertsToFront();

    // The window as it looks now, in device pixels (twice the points at scale 2).
    QImage screenshot();
    bool saveScreenshot(const QString &pngPath);

signals:
    // The window was minimised or lost the focus: the nearest a desktop comes to a phone's
    // application leaving the screen.
    void didResignActive();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QMViewController *visibleController() const;
    void setRootVisible(bool visible);

    QMStatusStrip *m_statusStrip;
    QMKeyboardNavigation *m_keyboard;
    QMFocusRing *m_focusRing;
    QPointer<QMViewController> m_root;
};
