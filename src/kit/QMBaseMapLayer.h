#pragma once

#include "kit/QMMapViewport.h"

#include <QPixmap>

class QMBaseMap;
class QPainter;

// The base map as a picture: drawn once for a scale, a little larger than the view, and then
// only moved while the map pans. It is drawn again when the scale changes or the view leaves
// the picture; during a zoom the old picture may be stretched for a few frames instead.
class QMBaseMapLayer
{
public:
    static constexpr double margin = 96; // points drawn beyond each side of the view

    explicit QMBaseMapLayer(const QMBaseMap &map);

    // Draws the map for viewport at the given pixel density. With interim set, a picture of
    // another scale that still covers the view is stretched; the return value then says so,
    // and the caller draws again once the movement has ended.
    bool draw(QPainter *painter, const QMMapViewport &viewport, qreal ratio, bool interim);
    void invalidate() { m_picture = {}; }
    // How often the map was drawn into the picture.
    int renderCount() const { return m_renderCount; }

private:
    void render(const QMMapViewport &viewport, qreal ratio);

    const QMBaseMap &m_map;
    QPixmap m_picture;
    QMMapViewport m_rendered; // what the picture shows
    int m_renderCount = 0;
};
