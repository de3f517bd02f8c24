#include "app/QMMainAppDelegate.h"
#include "kit/QMWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qmclient"));
    QApplication::setOrganizationName(QStringLiteral("qmclient"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "The Shanghai cinema client on a 320 x 480 phone screen.\n"
        "It talks to the service at the address built in (qm-service answers it locally).\n"
        "Set QM_NMEA_FILE to an NMEA log to replay it as the position source.\n"
        "--screenshot works without a display too (QT_QPA_PLATFORM=offscreen)."));
    parser.addHelpOption();
    QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                  QStringLiteral("Save the window to <file> (PNG) and quit."),
                                  QStringLiteral("file"));
    QCommandLineOption delay(QStringLiteral("delay"),
                             QStringLiteral("Wait <ms> milliseconds before the screenshot "
                                            "(default 4000)."),
                             QStringLiteral("ms"), QStringLiteral("4000"));
    parser.addOption(screenshot);
    parser.addOption(delay);
    parser.process(app);

    QMMainAppDelegate delegate;
    QObject::connect(&app, &QApplication::applicationStateChanged, &delegate,
                     [&delegate](Qt::ApplicationState state) {
                         if (state == Qt::ApplicationHidden || state == Qt::ApplicationSuspended)
                             delegate.applicationDidEnterBackground();
                     });
    QObject::connect(&app, &QApplication::aboutToQuit, &delegate,
                     [&delegate] { delegate.applicationWillTerminate(); });
    delegate.applicationDidFinishLaunching();

    if (parser.isSet(screenshot)) {
        bool ok = false;
        const int ms = parser.value(delay).toInt(&ok);
        const QString file = parser.value(screenshot);
        QTimer::singleShot(ok && ms >= 0 ? ms : 4000, &app, [&delegate, file] {
            const bool saved = delegate.window() && delegate.window()->saveScreenshot(file);
            if (saved)
                std::printf("screenshot saved to %s\n", qPrintable(file));
            else
                std::fprintf(stderr, "could not save the screenshot to %s\n", qPrintable(file));
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return QApplication::exec();
}
