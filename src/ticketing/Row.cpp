#include "ticketing/Row.h"

QM_DEFINE_RECORD(Row, QM_FIELD(Row, rownum), QM_FIELD(Row, rowid), QM_FIELD(Row, columns))

QStringList Row::positionCodes() const
{
    if (columns.isEmpty())
        return {};
    return columns.split(QLatin1Char(','));
}

Row::Position Row::positionOf(QStringView code)
{
    if (code == QLatin1StringView("ZL"))
        return Position::Empty;
    if (code == QLatin1StringView("LK"))
        return Position::Locked;
    return Position::Free;
}
