#pragma once

#include "kit/QMMapViewport.h"
#include "services/QMImageCacheDelegate.h"

#include <QCache>
#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QSet>
#include <QString>

class QPainter;

// Raster tiles of an XYZ tile server ("{z}/{x}/{y}" in the address template), fetched through
// the image cache and kept decoded for drawing. Tiles not here yet are asked for and simply
// missing from the drawing until they come; a tile that failed is asked for again after a while.
class QMMapTileLayer : public QObject, public QMImageCacheDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMMapTileLayer)

public:
    static constexpr int maximumZoom = 19;
    static constexpr int retryAfterMs = 30000;

    struct Tile
    {
        int z = 0;
        int x = 0;
        int y = 0;
        QRectF rect; // where it goes in the view
    };

    explicit QMMapTileLayer(const QString &urlTemplate, QObject *parent = nullptr);
    ~QMMapTileLayer() override;

    QString urlTemplate() const { return m_urlTemplate; }
    static QString tileUrl(const QString &urlTemplate, int z, int x, int y);
    // The tiles that cover the viewport, at the zoom level nearest to its scale.
    static QList<Tile> visibleTiles(const QMMapViewport &viewport);

    // Draws the tiles it has; asks for the others.
    void draw(QPainter *painter, const QMMapViewport &viewport);
    int loadedTileCount() const { return int(m_tiles.count()); }

    void didRecievedImageForUrl(const QImage &image, const QString &url) override;
    void didRunIntoErrorForUrl(const std::optional<QMError> &error, const QString &url) override;

signals:
    void tileArrived();

private:
    QString m_urlTemplate;
    QCache<QString, QPixmap> m_tiles;
    QSet<QString> m_pending;
    QHash<QString, QElapsedTimer> m_failed;
};
