#pragma once

#include <QString>
#include <QStringList>

// The writes the service acknowledged during load runs: posts and replies, registrations and
// orders. Saved as text between runs, and checked against the database afterwards.
class QMLoadLedger
{
public:
    void comment(const QString &body);
    void member(const QString &email);
    // seats: "ROW:NAME" as ordered
    void order(const QString &tradeno, const QString &mpid, const QStringList &seats);
    void merge(const QMLoadLedger &other);

    long long writes() const;
    QString counts() const; // "N posts and replies, N members, N orders (N seats)"

    // One line per write: KIND TAB FIELDS.
    bool save(const QString &path) const;
    bool load(const QString &path);

    // What is wrong in the database file: acknowledged writes missing, seats not held by the
    // order that was told they were, a seat sold twice. Empty when everything is there.
    QStringList verify(const QString &databasePath) const;

private:
    struct Order
    {
        QString tradeno;
        QString mpid;
        QStringList seats;
    };
    QStringList m_comments;
    QStringList m_members;
    QList<Order> m_orders;
};
