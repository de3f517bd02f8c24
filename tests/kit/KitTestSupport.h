#pragma once

#include "kit/QMViewController.h"

#include <QPoint>
#include <QStringList>

#include <functional>
#include <memory>

class QMWindow;
class QWidget;

// A screen that writes each lifecycle call into a shared log as "name.call(animated)".
class LoggingScreen : public QMViewController
{
    Q_OBJECT

public:
    LoggingScreen(const QString &name, std::shared_ptr<QStringList> log);

    QString name() const { return m_name; }
    std::function<void()> onDidLoad;

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void viewDidDisappear(bool animated) override;

private:
    void note(const char *call, bool animated);

    QString m_name;
    std::shared_ptr<QStringList> m_log;
};

// The log entries of one screen, in order.
QStringList entriesOf(const QStringList &log, const QString &name);

// True when the screen's appearance calls follow will -> did -> will -> did without a repeat,
// and it is not left half-way.
bool appearanceIsBalanced(const QStringList &log, const QString &name);

// Runs the event loop until the condition holds or the time is up.
bool waitUntil(const std::function<bool()> &condition, int timeoutMs = 3000);

// Processes deferred deletions.
void flushDeletions();

// Pointer input through the window, as the platform delivers it: the widget under the point
// receives it. Positions are in the widget's coordinates. Each step advances the event clock by
// stepMs; a pause before the release makes it a drag without a flick.
void tap(QWidget *widget, QPoint position);
void drag(QWidget *widget, QPoint from, QPoint to, int steps, int stepMs, int pauseBeforeReleaseMs);

// A shown phone window for the duration of a test.
std::unique_ptr<QMWindow> shownWindow();
