#include "kit/QMMapTileLayer.h"

#include "services/QMImageCache.h"

#include <QPainter>

#include <cmath>

QMMapTileLayer::QMMapTileLayer(const QString &urlTemplate, QObject *parent)
    : QObject(parent)
    , m_urlTemplate(urlTemplate)
    , m_tiles(64)
{}

QMMapTileLayer::~QMMapTileLayer() = default;

QString QMMapTileLayer::tileUrl(const QString &urlTemplate, int z, int x, int y)
{
    QString url = urlTemplate;
    url.replace(QLatin1String("{z}"), QString::number(z));
    url.replace(QLatin1String("{x}"), QString::number(x));
    url.replace(QLatin1String("{y}"), QString::number(y));
    return url;
}

QList<QMMapTileLayer::Tile> QMMapTileLayer::visibleTiles(const QMMapViewport &viewport)
{
    QList<Tile> tiles;
    const int z = qBound(0, int(std::lround(viewport.zoomLevel())), maximumZoom);
    const int count = 1 << z;
    const QRectF area = viewport.worldRect();
    const int x0 = int(std::floor(area.left() * count));
    const int x1 = int(std::floor(area.right() * count));
    const int y0 = qMax(0, int(std::floor(area.top() * count)));
    const int y1 = qMin(count - 1, int(std::floor(area.bottom() * count)));
    if (x1 - x0 > 64 || y1 - y0 > 64) // never more than a screenful of tiles
        return tiles;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            // Whole points on both edges, so that neighbours meet without a seam.
            const QPointF from = viewport.toView(QPointF(double(x) / count, double(y) / count));
            const QPointF to =
                viewport.toView(QPointF(double(x + 1) / count, double(y + 1) / count));
            const QRectF rect(QPointF(std::round(from.x()), std::round(from.y())),
                              QPointF(std::round(to.x()), std::round(to.y())));
            tiles.append({z, ((x % count) + count) % count, y, rect});
        }
    }
    return tiles;
}

void QMMapTileLayer::draw(QPainter *painter, const QMMapViewport &viewport)
{
    if (m_urlTemplate.isEmpty())
        return;
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    for (const Tile &tile : visibleTiles(viewport)) {
        const QString url = tileUrl(m_urlTemplate, tile.z, tile.x, tile.y);
        if (const QPixmap *picture = m_tiles.object(url)) {
            painter->drawPixmap(tile.rect, *picture, QRectF(QPointF(0, 0), picture->size()));
            continue;
        }
        if (m_pending.contains(url))
            continue;
        const auto failed = m_failed.constFind(url);
        if (failed != m_failed.constEnd() && !failed->hasExpired(retryAfterMs))
            continue;
        m_failed.remove(url);
        m_pending.insert(url);
        const QImage image = QMImageCache::defaultCache()->requestorImageUrl(this, url);
        if (!image.isNull()) {
            m_pending.remove(url);
            auto *picture = new QPixmap(QPixmap::fromImage(image));
            painter->drawPixmap(tile.rect, *picture, QRectF(QPointF(0, 0), picture->size()));
            m_tiles.insert(url, picture);
        }
    }
    painter->restore();
}

void QMMapTileLayer::didRecievedImageForUrl(const QImage &image, const QString &url)
{
    if (!m_pending.remove(url))
        return;
    m_tiles.insert(url, new QPixmap(QPixmap::fromImage(image)));
    emit tileArrived();
}

void QMMapTileLayer::didRunIntoErrorForUrl(const std::optional<QMError> &, const QString &url)
{
    if (!m_pending.remove(url))
        return;
    QElapsedTimer since;
    since.start();
    m_failed.insert(url, since);
}
