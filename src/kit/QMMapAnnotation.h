#pragma once

#include "kit/QMMapCoordinate.h"

#include <QString>

// Something placed on a map: where it is, and the two lines its callout shows.
class QMMapAnnotation
{
public:
    virtual ~QMMapAnnotation() = default;

    virtual QMMapCoordinate coordinate() const = 0;
    virtual QString title() const { return {}; }
    virtual QString subtitle() const { return {}; }
};
