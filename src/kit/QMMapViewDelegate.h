#pragma once

#include "kit/QMAnnotationView.h"

#include <memory>

class QMMapAnnotation;
class QMMapView;

// What a map view asks of the screen that shows it. Every operation is optional.
class QMMapViewDelegate
{
public:
    virtual ~QMMapViewDelegate() = default;

    // The view for an annotation about to be placed, new or from dequeueReusableAnnotationView.
    // Null leaves it to the map: a blue dot for the user's position, a red pin otherwise.
    virtual std::unique_ptr<QMAnnotationView>
    mapViewViewForAnnotation(QMMapView * /*mapView*/,
                             const std::shared_ptr<QMMapAnnotation> & /*annotation*/)
    {
        return nullptr;
    }
    virtual void mapViewDidSelectAnnotationView(QMMapView * /*mapView*/,
                                                QMAnnotationView * /*view*/)
    {}
    virtual void mapViewDidDeselectAnnotationView(QMMapView * /*mapView*/,
                                                  QMAnnotationView * /*view*/)
    {}
    // The region has come to rest after a change, by the screen or by the user.
    virtual void mapViewRegionDidChangeAnimated(QMMapView * /*mapView*/, bool /*animated*/) {}
};
