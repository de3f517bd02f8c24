#include "cinemas/QMAnnotation.h"

QMAnnotation::QMAnnotation(double latitude, double longitude)
    : _coordinate{latitude, longitude}
{}
