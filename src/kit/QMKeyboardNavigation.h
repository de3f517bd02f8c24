#pragma once

#include <QObject>

class QAbstractButton;
class QKeyEvent;
class QMWindow;
class QWidget;

// The desktop keyboard of a window, once for every screen: the chords that act on the whole
// window (Ctrl+1/2/3 pick a tab, Alt+← goes back, Ctrl+Q quits) and the keys no focused control
// took (arrows, pages, Home/End and Enter go to the main control of the topmost layer; Esc goes
// back). Only the topmost layer is spoken to: a sheet, a panel or a picker over the tabs, or
// nothing while an alert or the launch cover is up.
class QMKeyboardNavigation : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMKeyboardNavigation)

public:
    explicit QMKeyboardNavigation(QMWindow *window);

    // A button that leaves the page it stands on; Esc and Alt+← press it while it is visible.
    static void markBackButton(QAbstractButton *button);

    // The widget that takes the window's keys: the topmost visible child covering the screen
    // below the status strip, or null.
    QWidget *topLayer() const;
    // Presses the visible back button of the top layer; false when there is none.
    bool goBack();
    // Picks a tab as a touch on it would; false when no tab bar is in view.
    bool selectTab(int index);
    // The keys that reached the window: true when one was used.
    bool handleUnusedKey(QKeyEvent *event);

signals:
    void quitRequested();

private:
    bool alertShown() const;
    // The largest visible control of the layer that takes keys and is not a text input.
    QWidget *keyTarget(QWidget *layer) const;

    QMWindow *m_window;
    bool m_forwarding = false;
};
