#pragma once

#include "cinemas/QMCinemaProvider.h"

// The cinemas of one district.
class QMTDCinemaProvider final : public QMCinemaProvider
{
public:
    // Sends whatever it is given.
    void requestCinemaListForDistrict(const QString &countycode);
};
