#pragma once

#include "services/QMLocationProvider.h"
#include "xml/QMRecord.h"

#include <QString>

class Cinema;

// One cinema in a list.
class SimpleCinema : public QMRecord
{
    QM_RECORD(SimpleCinema)

public:
    SimpleCinema() = default;
    // The short form of a full record: its seven shared fields.
    explicit SimpleCinema(const Cinema &cinema);

    // Metres from the device: the service's own distance, or, when it gave none, the distance
    // from current to the cinema.
    double shownDistance(const QMLocationProvider::Coordinate &current) const;
    // "%.1fkm"; blank for a value that is not a number.
    static QString distanceText(double metres);
    // What a list shows: blank while the service gave no distance and the device has had no fix,
    // since a distance from 0°, 0° would mean nothing.
    QString shownDistanceText(const QMLocationProvider &location) const;

    QString cinemaid;
    QString cinemaname;
    QString address;
    QString generalmark;
    double pointx = 0;   // longitude
    double pointy = 0;   // latitude
    qint32 distance = 0; // metres from the position sent; 0 when not given
    bool open = false;   // tickets can be bought through the service
};
