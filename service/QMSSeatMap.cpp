#include "QMSSeatMap.h"

#include "QMSStatement.h"

namespace {

unsigned int fnv(const std::string &text)
{
    unsigned int hash = 2166136261u;
    for (unsigned char c : text)
        hash = (hash ^ c) * 16777619u;
    return hash;
}

} // namespace

QMSSeatMap::QMSSeatMap(QMSConnection &db, long long screening, const std::string &layout,
                       long long nowUnix)
    : m_screening(screening)
    , m_layout(QMSHallLayout::parse(layout))
{
    QMSStatement taken(db, "SELECT t.rowid_text, t.seat FROM order_seats t "
                           "JOIN orders o ON o.id = t.orderid "
                           "WHERE t.screening = ? AND (o.state = 'paid' OR o.validuntil > ?)");
    taken.with(screening, nowUnix);
    while (taken.step())
        m_taken.insert(taken.text(0) + ':' + taken.text(1));
}

std::vector<QMSHallLayout::Row> QMSSeatMap::rows() const
{
    std::vector<QMSHallLayout::Row> rows = m_layout;
    for (QMSHallLayout::Row &row : rows) {
        for (std::string &code : row.codes) {
            if (code != "ZL" && code != "LK" && seat(row.rowid, code) == Seat::Taken)
                code = "LK";
        }
    }
    return rows;
}

QMSSeatMap::Seat QMSSeatMap::seat(const std::string &rowid, const std::string &name) const
{
    if (rowid.empty() || name == "ZL" || name == "LK")
        return Seat::Missing;
    for (const QMSHallLayout::Row &row : m_layout) {
        if (row.rowid != rowid)
            continue;
        for (const std::string &code : row.codes) {
            if (code == name) {
                if (m_taken.count(rowid + ':' + name) || soldAtBoxOffice(rowid, name))
                    return Seat::Taken;
                return Seat::Free;
            }
        }
    }
    return Seat::Missing;
}

bool QMSSeatMap::soldAtBoxOffice(const std::string &rowid, const std::string &name) const
{
    // Up to a third of each screening is sold at the counter, the same seats on every look.
    const std::string id = std::to_string(m_screening);
    const unsigned int occupancy = fnv(id) % 35;
    return fnv(id + ':' + rowid + ':' + name) % 100 < occupancy;
}
