#include "KitTestSupport.h"

#include "kit/QMWindow.h"

#include <QCoreApplication>
#include <QTest>
#include <QWindow>

LoggingScreen::LoggingScreen(const QString &name, std::shared_ptr<QStringList> log)
    : m_name(name)
    , m_log(std::move(log))
{
    setTitle(name);
}

void LoggingScreen::note(const char *call, bool animated)
{
    m_log->append(QStringLiteral("%1.%2(%3)").arg(m_name, QLatin1String(call)).arg(int(animated)));
}

void LoggingScreen::viewDidLoad()
{
    m_log->append(m_name + QStringLiteral(".didLoad"));
    if (onDidLoad)
        onDidLoad();
}

void LoggingScreen::viewWillAppear(bool animated)
{
    note("willAppear", animated);
}

void LoggingScreen::viewDidAppear(bool animated)
{
    note("didAppear", animated);
}

void LoggingScreen::viewWillDisappear(bool animated)
{
    note("willDisappear", animated);
}

void LoggingScreen::viewDidDisappear(bool animated)
{
    note("didDisappear", animated);
}

QStringList entriesOf(const QStringList &log, const QString &name)
{
    QStringList result;
    for (const QString &entry : log) {
        if (entry.startsWith(name + QLatin1Char('.')))
            result.append(entry.mid(name.size() + 1));
    }
    return result;
}

bool appearanceIsBalanced(const QStringList &log, const QString &name)
{
    // -1 not known yet (the log may start anywhere), 0 gone, 1 appearing, 2 shown,
    // 3 disappearing
    int state = -1;
    for (const QString &entry : entriesOf(log, name)) {
        const QString call = entry.section(QLatin1Char('('), 0, 0);
        if (state == -1 && call == QLatin1String("willDisappear"))
            state = 2;
        if (call == QLatin1String("willAppear") && (state <= 0 || state == 3))
            state = 1;
        else if (call == QLatin1String("didAppear") && state == 1)
            state = 2;
        else if (call == QLatin1String("willDisappear") && (state == 2 || state == 1))
            state = 3;
        else if (call == QLatin1String("didDisappear") && state == 3)
            state = 0;
        else if (call != QLatin1String("didLoad"))
            return false;
    }
    return state <= 0 || state == 2;
}

bool waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    return QTest::qWaitFor(condition, timeoutMs);
}

void flushDeletions()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

static QWindow *handleOf(QWidget *widget, QPoint *position)
{
    QWidget *top = widget->window();
    *position = widget->mapTo(top, *position);
    return top->windowHandle();
}

void tap(QWidget *widget, QPoint position)
{
    QWindow *window = handleOf(widget, &position);
    QTest::mousePress(window, Qt::LeftButton, {}, position);
    QTest::mouseRelease(window, Qt::LeftButton, {}, position, 20);
}

void drag(QWidget *widget, QPoint from, QPoint to, int steps, int stepMs, int pauseBeforeReleaseMs)
{
    QPoint start = from;
    QWindow *window = handleOf(widget, &start);
    const QPoint shift = start - from;
    QTest::mousePress(window, Qt::LeftButton, {}, start);
    for (int i = 1; i <= steps; ++i) {
        const QPoint at = from + (to - from) * i / steps + shift;
        QTest::mouseMove(window, at, stepMs);
    }
    QTest::mouseRelease(window, Qt::LeftButton, {}, to + shift, qMax(1, pauseBeforeReleaseMs));
}

std::unique_ptr<QMWindow> shownWindow()
{
    auto window = std::make_unique<QMWindow>();
    window->makeKeyAndVisible();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return nullptr;
    return window;
}
