#pragma once

#include "xml/QMRecord.h"

#include <QString>

// One district of the city.
class County : public QMRecord
{
    QM_RECORD(County)

public:
    QString countycode; // sent as countycode=
    QString briefname;  // short display name
};
