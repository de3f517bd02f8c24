#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

// What a map shows, in world units of the projection: the world point at the middle of a view
// of the given size in points, and how many points the whole world measures across.
struct QMMapViewport
{
    QPointF center{0.5, 0.5};
    double worldSize = 256;
    QSizeF size;

    QPointF toView(const QPointF &world) const
    {
        return (world - center) * worldSize + QPointF(size.width() / 2, size.height() / 2);
    }
    QPointF toWorld(const QPointF &view) const
    {
        return center + (view - QPointF(size.width() / 2, size.height() / 2)) / worldSize;
    }
    // The world square that the view covers.
    QRectF worldRect() const { return {toWorld({0, 0}), size / worldSize}; }
    // The zoom level of map tiles this scale corresponds to (tiles of 256 points).
    double zoomLevel() const;
    // Metres on the ground per point, at the centre.
    double metresPerPoint() const;

    bool operator==(const QMMapViewport &) const = default;
};
