#pragma once

#include "xml/QMRecord.h"

#include <QString>

// A member near the device.
class NearbyUser : public QMRecord
{
    QM_RECORD(NearbyUser)

public:
    QString memberid;
    QString nickname;
    double pointx = 0; // longitude
    double pointy = 0; // latitude
    QString logo;
};
