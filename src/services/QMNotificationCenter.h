#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

// Process-wide notifications by name, delivered synchronously on the posting (main) thread.
// Observers are QObjects; one that is destroyed is forgotten without having to unsubscribe.
class QMNotificationCenter
{
public:
    using Handler = std::function<void(QObject *object)>;

    static QMNotificationCenter &defaultCenter();

    void addObserver(QObject *observer, const QString &name, Handler handler);
    // Removes the observer's subscriptions to name, or to every name when name is empty.
    void removeObserver(QObject *observer, const QString &name = {});
    void post(const QString &name, QObject *object = nullptr);

    int observerCount(const QString &name) const;

private:
    struct Entry
    {
        quint64 id;
        QPointer<QObject> observer;
        QString name;
        Handler handler;
    };
    std::vector<Entry> m_entries;
    quint64 m_nextId = 1;
};
