#pragma once

#include "kit/QMMapViewport.h"

#include <QByteArray>
#include <QColor>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

// The map under the pins when no tile server is configured: a calm vector drawing of Shanghai
// (water, parks, ring and arterial roads, district names) read from a GeoJSON resource. Every
// feature is projected once, on reading; drawing clips each one to the view in points, so no
// zoom level hands the painter coordinates it cannot take.
class QMBaseMap
{
public:
    enum class Kind { Sea, Island, Lake, Park, River, Ring, Arterial, Street, District, Water };

    struct Feature
    {
        Kind kind = Kind::Sea;
        QString name;
        std::vector<QPolygonF> parts; // world points: a polygon's rings, a line, or one point
        QRectF bounds;                // world
        double widthMetres = 0;       // rivers
        double minZoom = 0;
        double maxZoom = 99;
        double labelMinZoom = 0;
    };

    // The map of the application's resources, read on first use.
    static const QMBaseMap &shanghai();

    // Features it cannot read (unknown kinds, coordinates that name no place) are left out.
    explicit QMBaseMap(const QByteArray &geoJson);

    const std::vector<Feature> &features() const { return m_features; }

    // Fills the viewport: land, then everything the map has within it. No label is cut by the
    // edges of visible (the part on screen, in the viewport's points; all of it when empty).
    void draw(QPainter *painter, const QMMapViewport &viewport, const QRectF &visible = {}) const;

    static QColor landColor();
    static QColor waterColor();
    static QColor parkColor();

private:
    void drawAreas(QPainter *painter, const QMMapViewport &viewport, const QRectF &clip) const;
    void drawLines(QPainter *painter, const QMMapViewport &viewport, const QRectF &clip) const;
    void drawLabels(QPainter *painter, const QMMapViewport &viewport, const QRectF &visible) const;

    std::vector<Feature> m_features; // in drawing order
};
