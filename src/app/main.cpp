#include "app/QMDisplayScale.h"
#include "app/QMFirstPaintProbe.h"
#include "app/QMMainAppDelegate.h"
#include "app/QMTour.h"
#include "kit/QMWindow.h"
#include "services/QMFixedPositionSource.h"
#include "services/QMLocationProvider.h"

#ifdef QM_TEST_SERVICE_ADDRESS
#include "net/QMDataProvider.h"
#endif

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QTimer>

#include <cstdio>
#include <memory>

int main(int argc, char **argv)
{
    QApplication::setApplicationName(QStringLiteral("qmclient"));
    QApplication::setOrganizationName(QStringLiteral("qmclient"));
    // Qt takes its scale factor when the application is made: the option is read before.
    QString badScale;
    if (!QMDisplayScale::applyBeforeApplication(argc, argv, &badScale)) {
        std::fprintf(stderr, "qmclient: %s\n", qPrintable(badScale));
        return 2;
    }
    QApplication app(argc, argv);
    QMDisplayScale::applicationCreated();
    QApplication::setDesktopFileName(QStringLiteral("qmclient"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/qmclient.png")));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "The Shanghai cinema client on a 320 x 480 phone screen.\n"
        "It talks to the service at the address built in (qm-service answers it locally).\n"
        "The position comes from --position, else from QM_POSITION=LAT,LON (the same form),\n"
        "else from QM_NMEA_FILE (an NMEA log, replayed), else from the platform's source;\n"
        "a source that says nothing for 8 seconds counts as failed.\n"
        "The scale is kept for the next starts; the first start picks 2 on a screen taller\n"
        "than 1200 pixels. QT_SCALE_FACTOR applies when --scale is not given.\n"
        "--screenshot works without a display too (QT_QPA_PLATFORM=offscreen)."));
    parser.addHelpOption();
    QCommandLineOption position(
        QStringLiteral("position"),
        QStringLiteral("Stand at LAT,LON (decimal degrees, e.g. 31.2304,121.4737) instead of "
                       "asking a position source."),
        QStringLiteral("LAT,LON"));
    QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                  QStringLiteral("Save the window to <file> (PNG) and quit."),
                                  QStringLiteral("file"));
    QCommandLineOption delay(QStringLiteral("delay"),
                             QStringLiteral("Wait <ms> milliseconds before the screenshot "
                                            "(default 4000)."),
                             QStringLiteral("ms"), QStringLiteral("4000"));
    QCommandLineOption tour(QStringLiteral("tour"),
                            QStringLiteral("Walk through every screen as the demo member and save "
                                           "a picture of each in <dir> (NN-screen.png), then quit; "
                                           "the exit status is 3 when a screen cannot be reached."),
                            QStringLiteral("dir"));
    QCommandLineOption scale(QStringLiteral("scale"),
                             QStringLiteral("Show the 320 x 480 points at <n> pixels each "
                                            "(1 to 4); remembered."),
                             QStringLiteral("n"));
    parser.addOption(position);
    parser.addOption(scale);
    parser.addOption(screenshot);
    parser.addOption(delay);
    parser.addOption(tour);
    parser.process(app);

    // The command line wins over the environment; a malformed value is an error, not ignored.
    const bool onCommandLine = parser.isSet(position);
    const QString place =
        onCommandLine ? parser.value(position) : qEnvironmentVariable("QM_POSITION");
    if (onCommandLine || !place.isEmpty()) {
        QString why;
        const std::optional<QGeoCoordinate> here = QMFixedPositionSource::parse(place, &why);
        if (!here) {
            std::fprintf(stderr, "qmclient: %s \"%s\": %s\n",
                         onCommandLine ? "--position" : "QM_POSITION", qPrintable(place),
                         qPrintable(why));
            return 2;
        }
        QMLocationProvider::setFixedPosition(
            QMLocationProvider::Coordinate{here->latitude(), here->longitude()});
    }

#ifdef QM_TEST_SERVICE_ADDRESS
    // The end-to-end tests' build of the client: it talks to their service, on a free port.
    QMDataProvider::setBaseAddressForTesting(qEnvironmentVariable("QM_TEST_SERVICE_URL"));
#endif

    QMFirstPaintProbe::installIfAsked();
    QMMainAppDelegate delegate;
    delegate.applicationDidFinishLaunching();

    // The tour takes its own pictures and quits when it is over.
    if (parser.isSet(screenshot) && !parser.isSet(tour)) {
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
    std::unique_ptr<QMTour> walk;
    if (parser.isSet(tour)) {
        walk = std::make_unique<QMTour>(&delegate, parser.value(tour));
        QTimer::singleShot(0, walk.get(), [&walk] { QApplication::exit(walk->runAndReport()); });
    }
    return QApplication::exec();
}
