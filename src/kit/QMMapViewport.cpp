#include "kit/QMMapViewport.h"

#include "kit/QMMapProjection.h"

#include <cmath>

double QMMapViewport::zoomLevel() const
{
    return std::log2(worldSize / 256);
}

double QMMapViewport::metresPerPoint() const
{
    return QMMapProjection::metresPerWorldUnit(QMMapProjection::latitude(center.y())) / worldSize;
}
