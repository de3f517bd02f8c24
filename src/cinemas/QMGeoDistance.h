#pragma once

#include "services/QMLocationProvider.h"

// The one rule by which the whole client turns two coordinates into a distance.

// Degrees to radians.
double rad(double degrees);

// Great-circle metres between two coordinates on a sphere of radius 6378.137 km (haversine).
double geoDistance(const QMLocationProvider::Coordinate &from,
                   const QMLocationProvider::Coordinate &to);
