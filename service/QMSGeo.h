#pragma once

// Great-circle distances on the mean earth sphere.
class QMSGeo
{
public:
    static double metres(double latitude1, double longitude1, double latitude2, double longitude2);
    // A position the service can use: (0, 0) means "no fix yet".
    static bool isKnown(double latitude, double longitude);
};
