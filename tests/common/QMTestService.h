#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Runs the real qm-service on a free loopback port with a database of its own, for end-to-end
// tests. The service is stopped (SIGTERM, then killed) when the object goes.
class QMTestService
{
public:
    // Starts the service; extraArgs are added to its command line. dbPath empty: a fresh
    // database in a temporary directory, seeded on start. binary empty: the build's service.
    explicit QMTestService(const QStringList &extraArgs = {}, const QString &dbPath = {},
                           const QString &binary = {});
    ~QMTestService();
    QMTestService(const QMTestService &) = delete;
    QMTestService &operator=(const QMTestService &) = delete;

    bool isRunning() const { return m_port > 0; }
    int port() const { return m_port; }
    // "http://127.0.0.1:PORT/shanghai/api/"
    QString baseUrl() const;
    QString databasePath() const { return m_dbPath; }
    // What the service wrote on stderr so far (one line per request).
    QString log();

    // Stops the service: gracefully (SIGTERM) or with SIGKILL.
    void stop(bool kill = false);
    // Starts it again on the same database (on a new port).
    bool restart();

    static QString binaryPath();

private:
    bool start();

    QTemporaryDir m_dir;
    QString m_dbPath;
    QStringList m_extraArgs;
    QString m_binary;
    QProcess m_process;
    QString m_log;
    int m_port = 0;
};
