#pragma once

class QMServiceAddress;

// The device's current position as member requests send it.
class QMMemberPosition
{
public:
    // Appends pointx (longitude) and pointy (latitude) of the location provider's last fix.
    static QMServiceAddress &addTo(QMServiceAddress &address);
};
