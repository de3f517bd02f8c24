#include "services/QMNotificationCenter.h"

#include <algorithm>

QMNotificationCenter &QMNotificationCenter::defaultCenter()
{
    static QMNotificationCenter center;
    return center;
}

void QMNotificationCenter::addObserver(QObject *observer, const QString &name, Handler handler)
{
    if (!observer || !handler)
        return;
    m_entries.push_back({m_nextId++, observer, name, std::move(handler)});
}

void QMNotificationCenter::removeObserver(QObject *observer, const QString &name)
{
    std::erase_if(m_entries, [&](const Entry &e) {
        return e.observer.isNull() || (e.observer == observer && (name.isEmpty() || e.name == name));
    });
}

void QMNotificationCenter::post(const QString &name, QObject *object)
{
    // Handlers may add or remove observers while we deliver: take the ids first and look each
    // one up again before calling it.
    std::vector<quint64> ids;
    for (const Entry &e : m_entries) {
        if (e.name == name && !e.observer.isNull())
            ids.push_back(e.id);
    }
    for (quint64 id : ids) {
        auto it = std::find_if(m_entries.begin(), m_entries.end(),
                               [id](const Entry &e) { return e.id == id; });
        if (it == m_entries.end() || it->observer.isNull())
            continue;
        Handler handler = it->handler; // the entry may go away while the handler runs
        handler(object);
    }
    std::erase_if(m_entries, [](const Entry &e) { return e.observer.isNull(); });
}

int QMNotificationCenter::observerCount(const QString &name) const
{
    return int(std::count_if(m_entries.begin(), m_entries.end(), [&](const Entry &e) {
        return e.name == name && !e.observer.isNull();
    }));
}
