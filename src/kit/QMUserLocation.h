#pragma once

#include "kit/QMMapAnnotation.h"

// The annotation of the user's own position on a map; the map view moves it as fixes come.
class QMUserLocation : public QMMapAnnotation
{
public:
    QMMapCoordinate coordinate() const override { return m_coordinate; }
    void setCoordinate(const QMMapCoordinate &coordinate) { m_coordinate = coordinate; }
    // False until the first position is known.
    bool isLocated() const { return m_located; }
    void setLocated(bool located) { m_located = located; }

    QString title() const override { return QStringLiteral("当前位置"); }

private:
    QMMapCoordinate m_coordinate;
    bool m_located = false;
};
