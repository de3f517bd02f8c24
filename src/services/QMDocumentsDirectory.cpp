#include "services/QMDocumentsDirectory.h"

#include <QDir>
#include <QStandardPaths>

namespace {
QString &overridePath()
{
    static QString path;
    return path;
}
} // namespace

QString QMDocumentsDirectory::path()
{
    QString dir = overridePath();
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (dir.isEmpty())
        dir = QDir::homePath() + QStringLiteral("/.qmclient");
    QDir().mkpath(dir);
    return QDir::cleanPath(dir);
}

QString QMDocumentsDirectory::filePath(const QString &fileName)
{
    return path() + QLatin1Char('/') + fileName;
}

void QMDocumentsDirectory::setPathForTesting(const QString &path)
{
    overridePath() = path;
}
