#pragma once

#include "kit/QMMapAnnotation.h"

class NearbyUser;

// A member on the people-nearby map: where they were last seen, their nickname as the marker's
// title, and their head picture.
class QMUserAnnotation : public QMMapAnnotation
{
public:
    QMUserAnnotation() = default;
    // pointy is the latitude, pointx the longitude.
    explicit QMUserAnnotation(const NearbyUser &user);

    QMMapCoordinate coordinate() const override { return m_coordinate; }
    QString title() const override { return userTitle; }
    QString subtitle() const override { return userSubtitle; }
    void setCoordinate(const QMMapCoordinate &coordinate) { m_coordinate = coordinate; }

    QString memberid;
    QString userTitle;
    QString userSubtitle;
    QString logo;

private:
    QMMapCoordinate m_coordinate;
};
