#include "QMLoadLedger.h"

#include "QMServiceDatabase.h"

#include <QFile>
#include <QSaveFile>
#include <QSet>

#include <algorithm>

void QMLoadLedger::comment(const QString &body)
{
    m_comments.append(body);
}

void QMLoadLedger::member(const QString &email)
{
    m_members.append(email);
}

void QMLoadLedger::order(const QString &tradeno, const QString &mpid, const QStringList &seats)
{
    m_orders.append({tradeno, mpid, seats});
}

void QMLoadLedger::merge(const QMLoadLedger &other)
{
    m_comments += other.m_comments;
    m_members += other.m_members;
    m_orders += other.m_orders;
}

long long QMLoadLedger::writes() const
{
    return m_comments.size() + m_members.size() + m_orders.size();
}

QString QMLoadLedger::counts() const
{
    qsizetype seats = 0;
    for (const Order &order : m_orders)
        seats += order.seats.size();
    return QStringLiteral("%1 posts and replies, %2 members, %3 orders (%4 seats)")
        .arg(m_comments.size())
        .arg(m_members.size())
        .arg(m_orders.size())
        .arg(seats);
}

bool QMLoadLedger::save(const QString &path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray text;
    for (const QString &body : m_comments)
        text += "comment\t" + body.toUtf8() + '\n';
    for (const QString &email : m_members)
        text += "member\t" + email.toUtf8() + '\n';
    for (const Order &order : m_orders)
        text += "order\t" + order.tradeno.toUtf8() + '\t' + order.mpid.toUtf8() + '\t' +
                order.seats.join(',').toUtf8() + '\n';
    file.write(text);
    return file.commit();
}

bool QMLoadLedger::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QStringList fields = QString::fromUtf8(line).split('\t');
        if (fields.first() == "comment" && fields.size() == 2)
            comment(fields[1]);
        else if (fields.first() == "member" && fields.size() == 2)
            member(fields[1]);
        else if (fields.first() == "order" && fields.size() == 4)
            order(fields[1], fields[2], fields[3].split(','));
        else if (!line.isEmpty())
            return false;
    }
    return true;
}

QStringList QMLoadLedger::verify(const QString &databasePath) const
{
    QStringList problems;
    auto missing = [&](const QStringList &acknowledged, const QString &what, const QString &sql) {
        const QStringList stored = QMServiceDatabase::rows(databasePath, sql);
        const QSet<QString> found(stored.begin(), stored.end());
        for (const QString &value : acknowledged) {
            if (!found.contains(value))
                problems.append(what + " acknowledged but not stored: " + value);
        }
    };
    missing(m_comments, "post or reply", "SELECT body FROM comments");
    missing(m_members, "member", "SELECT email FROM members");

    // Each order with the seats it holds: "TRADENO|MPID|ROW:NAME,...", the seats sorted.
    auto described = [](const QString &tradeno, const QString &mpid, QStringList seats) {
        std::sort(seats.begin(), seats.end());
        return tradeno + '|' + mpid + '|' + seats.join(',');
    };
    QHash<QString, QString> held;
    for (const QString &row : QMServiceDatabase::rows(
             databasePath, "SELECT o.tradeno || '|' || o.screening || '|' || "
                           "COALESCE((SELECT group_concat(rowid_text || ':' || seat, ',') FROM "
                           "order_seats WHERE orderid = o.id), '') FROM orders o")) {
        const QString tradeno = row.section('|', 0, 0);
        held.insert(tradeno, described(tradeno, row.section('|', 1, 1),
                                       row.section('|', 2).split(',', Qt::SkipEmptyParts)));
    }
    QSet<QString> sold;
    for (const Order &order : m_orders) {
        const QStringList &seats = order.seats;
        const QString expected = described(order.tradeno, order.mpid, seats);
        if (!held.contains(order.tradeno))
            problems.append("order acknowledged but not stored: " + order.tradeno);
        else if (held.value(order.tradeno) != expected)
            problems.append("order " + order.tradeno + " holds other seats than it was told: " +
                            held.value(order.tradeno) + " instead of " + expected);
        for (const QString &seat : seats) {
            const QString key = order.mpid + '/' + seat;
            if (sold.contains(key))
                problems.append("seat sold twice: screening " + order.mpid + " seat " + seat);
            sold.insert(key);
        }
    }
    const QStringList integrity = QMServiceDatabase::rows(databasePath, "PRAGMA integrity_check");
    if (integrity != QStringList{"ok"})
        problems.append("integrity check: " + integrity.join("; "));
    return problems;
}
