#include "services/QMResourceImages.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

QImage QMResourceImages::named(const QString &name)
{
    // Worker threads of the picture cache ask for the placeholder too.
    static QMutex mutex;
    static QHash<QString, QImage> loaded;
    QMutexLocker locker(&mutex);
    auto it = loaded.constFind(name);
    if (it != loaded.constEnd())
        return *it;
    QImage image(QStringLiteral(":/images/") + name);
    loaded.insert(name, image);
    return image;
}
