#pragma once

#include <QPointF>
#include <QString>

class QPainter;

// The map's scale: a bar of a round length (1, 2 or 5 times a power of ten metres) with its
// length written over it.
class QMMapScaleBar
{
public:
    struct Scale
    {
        double metres = 0;
        double width = 0; // points
        QString text;
    };

    static constexpr double maximumWidth = 80;

    // The longest round length that fits into maximumWidth points.
    static Scale choose(double metresPerPoint);
    // "200 米", "5 公里".
    static QString textFor(double metres);
    // Draws the bar with its left end at bottomLeft (the bar's baseline).
    static void paint(QPainter *painter, const QPointF &bottomLeft, double metresPerPoint);
};
