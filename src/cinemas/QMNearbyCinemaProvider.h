#pragma once

#include "cinemas/QMCinemaProvider.h"
#include "services/QMLocationProvider.h"

// The cinemas near a position.
class QMNearbyCinemaProvider final : public QMCinemaProvider
{
public:
    void requestForCinemasNearby(const QMLocationProvider::Coordinate &coordinate);
};
