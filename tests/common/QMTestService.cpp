#include "QMTestService.h"

#include <QDeadlineTimer>
#include <QRegularExpression>

QMTestService::QMTestService(const QStringList &extraArgs, const QString &dbPath,
                             const QString &binary)
    : m_dbPath(dbPath.isEmpty() ? m_dir.filePath(QStringLiteral("qm-service.db")) : dbPath)
    , m_extraArgs(extraArgs)
    , m_binary(binary.isEmpty() ? binaryPath() : binary)
{
    start();
}

QMTestService::~QMTestService()
{
    stop();
}

QString QMTestService::binaryPath()
{
    return QStringLiteral(QM_SERVICE_BINARY);
}

QString QMTestService::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1/shanghai/api/").arg(m_port);
}

bool QMTestService::start()
{
    m_port = 0;
    QStringList args{QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--db"),
                     m_dbPath};
    args += m_extraArgs;
    m_process.setProgram(m_binary);
    m_process.setArguments(args);
    m_process.start();
    if (!m_process.waitForStarted(10000))
        return false;

    // The service prints "listening on PORT" once its socket is bound.
    static const QRegularExpression listening(QStringLiteral("listening on (\\d+)"));
    QByteArray out;
    QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired() && m_process.state() == QProcess::Running) {
        m_process.waitForReadyRead(200);
        out += m_process.readAllStandardOutput();
        m_log += QString::fromUtf8(m_process.readAllStandardError());
        const auto match = listening.match(QString::fromUtf8(out));
        if (match.hasMatch()) {
            m_port = match.captured(1).toInt();
            return true;
        }
    }
    m_log += QString::fromUtf8(m_process.readAllStandardError());
    return false;
}

QString QMTestService::log()
{
    // The service writes a request's line just after answering it: give it a moment.
    m_process.setReadChannel(QProcess::StandardError);
    while (m_process.state() == QProcess::Running && m_process.waitForReadyRead(100))
        m_log += QString::fromUtf8(m_process.readAllStandardError());
    m_process.setReadChannel(QProcess::StandardOutput);
    m_log += QString::fromUtf8(m_process.readAllStandardError());
    return m_log;
}

void QMTestService::stop(bool kill)
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    if (kill) {
        m_process.kill();
    } else {
        m_process.terminate();
        if (!m_process.waitForFinished(10000))
            m_process.kill();
    }
    m_process.waitForFinished(10000);
    m_log += QString::fromUtf8(m_process.readAllStandardError());
    m_port = 0;
}

bool QMTestService::restart()
{
    stop();
    // A restart keeps the database: drop a --seed that would recreate it.
    m_extraArgs.removeAll(QStringLiteral("--seed"));
    return start();
}
