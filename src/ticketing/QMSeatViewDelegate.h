#pragma once

#include <QString>

// The owner of a seat map view hears of each seat the user chooses or releases. The view's
// ticketCount already counts the change when it is told.
class QMSeatViewDelegate
{
public:
    virtual ~QMSeatViewDelegate() = default;
    virtual void didSelectSeatAtRowColumn(const QString &rowid, const QString &column) = 0;
    virtual void didDeselectSeatAtRowColumn(const QString &rowid, const QString &column) = 0;
};
