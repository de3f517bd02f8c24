#pragma once

#include "QMSHallLayout.h"

#include <set>
#include <string>
#include <vector>

class QMSConnection;

// The seats of one screening as they stand now: the hall's layout, the seats sold at the box
// office (a fixed pattern per screening) and the seats held or sold through the service.
class QMSSeatMap
{
public:
    enum class Seat { Free, Taken, Missing };

    QMSSeatMap(QMSConnection &db, long long screening, const std::string &layout,
               long long nowUnix);

    // The layout with every taken seat shown as "LK".
    std::vector<QMSHallLayout::Row> rows() const;
    Seat seat(const std::string &rowid, const std::string &name) const;

private:
    bool soldAtBoxOffice(const std::string &rowid, const std::string &name) const;

    long long m_screening;
    std::vector<QMSHallLayout::Row> m_layout;
    std::set<std::string> m_taken; // "ROWID:NAME"
};
