#include "QMSClock.h"
#include "QMSConnection.h"
#include "QMSDatabase.h"
#include "QMSOptions.h"
#include "QMSScreeningPlanner.h"
#include "QMSSeeder.h"
#include "QMSServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <pthread.h>
#include <thread>

namespace {

// Qt's own warnings (for example about the runtime directory) are no concern of the service.
void quietQtMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "qm-service: %s\n", message.toLocal8Bit().constData());
}

std::string defaultDatabase()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                        QStringLiteral("/qm-service");
    QDir().mkpath(dir);
    return (dir + QStringLiteral("/qm-service.db")).toStdString();
}

} // namespace

int main(int argc, char **argv)
{
    // SIGINT and SIGTERM are taken by one thread that stops the server; every other thread,
    // the server's workers included, has them blocked.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    QMSOptions options;
    if (!options.parse(argc, argv))
        return options.exitCode();

    // Pictures are drawn with fonts, which need the GUI library, though never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietQtMessages);
    QGuiApplication application(argc, argv);

    try {
        // The port first: a service that cannot listen must not touch the database, which may
        // be the one a running service on that port is using.
        QMSServer server(QMSSignature(options.partnerKey, options.privateKey), options.holdSeconds);
        const int port = server.bind(options.host, options.port);
        if (port < 0) {
            std::fprintf(stderr, "qm-service: cannot listen on %s:%d: %s\n", options.host.c_str(),
                         options.port, server.bindError().c_str());
            return 1;
        }

        const std::string path = options.database.empty() ? defaultDatabase() : options.database;
        QFileInfo(QString::fromStdString(path)).absoluteDir().mkpath(QStringLiteral("."));
        QMSDatabase database(path);
        {
            const auto db = database.connection();
            if (options.seed || !QMSSeeder::isSeeded(*db)) {
                QElapsedTimer timer;
                timer.start();
                QMSSeeder::seed(*db, QMSClock::now());
                std::fprintf(stderr, "qm-service: sample data written to %s in %lld ms\n",
                             path.c_str(), static_cast<long long>(timer.elapsed()));
            } else {
                QMSScreeningPlanner::ensureWindow(*db, QMSClock::today());
                std::fprintf(stderr, "qm-service: database %s\n", path.c_str());
            }
        }
        std::printf("listening on %d\n", port);
        std::fflush(stdout);

        std::atomic<bool> finished{false};
        std::thread waiter([&] {
            int signal = 0;
            sigwait(&stopSignals, &signal);
            // The server may not be listening yet when the signal comes: ask until it stops.
            while (!finished.load()) {
                server.stop();
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        });
        server.run(database);
        finished.store(true);
        pthread_kill(waiter.native_handle(), SIGTERM);
        waiter.join();
        std::fprintf(stderr, "qm-service: stopped\n");
    } catch (const std::exception &error) {
        std::fprintf(stderr, "qm-service: %s\n", error.what());
        return 1;
    }
    return 0;
}
