#pragma once

#include "kit/QMBaseMapLayer.h"
#include "kit/QMMapRegion.h"
#include "kit/QMMapViewDelegate.h"
#include "kit/QMMapViewport.h"
#include "net/QMWeakDelegate.h"

#include <QElapsedTimer>
#include <QList>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <memory>
#include <unordered_map>
#include <vector>

class QMAnnotationView;
class QMMapAnnotation;
class QMMapCalloutView;
class QMMapTileLayer;
class QMUserLocation;

// A map in the Web Mercator projection: the built-in vector map of Shanghai, or the raster tiles
// of QM_MAP_TILE_URL drawn over it, with annotations on top. Dragged with the mouse like a
// finger (a flick glides on), zoomed with the wheel, a double click, or a drag with Ctrl held or
// the right button (up zooms in, like spreading two fingers). Touching an annotation selects it
// and opens its callout; touching anywhere else closes it.
class QMMapView : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMMapView)

public:
    static constexpr int regionAnimationDuration = 300; // ms
    static constexpr int dropDuration = 450;            // ms
    static constexpr int dropStaggerTotal = 600;        // ms over all the pins of one call

    explicit QMMapView(QWidget *parent = nullptr);
    ~QMMapView() override;

    QMMapViewDelegate *delegate() const { return m_delegate.get(); }
    void setDelegate(QMMapViewDelegate *delegate) { m_delegate = delegate; }

    // What the view shows: the region asked for, widened along one side to the view's shape.
    QMMapRegion region() const;
    // A region out of bounds is clamped (see QMMapRegion::clamped); one whose centre is not a
    // number keeps the current centre.
    void setRegion(const QMMapRegion &region, bool animated = false);
    QMMapCoordinate centerCoordinate() const;
    void setCenterCoordinate(const QMMapCoordinate &center, bool animated = false);
    QMMapViewport viewport() const;

    bool showsUserLocation() const { return m_showsUserLocation; }
    void setShowsUserLocation(bool shows);
    QMUserLocation *userLocation() const { return m_userLocation.get(); }
    // The user's position as the location service last had it; invalid ones are ignored.
    void setUserLocationCoordinate(const QMMapCoordinate &coordinate);

    // An annotation already on the map, or one whose coordinate names no place, is left out.
    void addAnnotation(const std::shared_ptr<QMMapAnnotation> &annotation);
    void addAnnotations(const QList<std::shared_ptr<QMMapAnnotation>> &annotations);
    void removeAnnotation(const QMMapAnnotation *annotation);
    void removeAnnotations(const QList<std::shared_ptr<QMMapAnnotation>> &annotations);
    // In the order they were added; the user's position is not among them.
    QList<std::shared_ptr<QMMapAnnotation>> annotations() const;
    QMAnnotationView *viewForAnnotation(const QMMapAnnotation *annotation) const;
    // A view given up earlier under that identifier, ready for another annotation, or null.
    std::unique_ptr<QMAnnotationView> dequeueReusableAnnotationView(const QString &identifier);

    void selectAnnotation(const QMMapAnnotation *annotation, bool animated);
    void deselectAnnotation(const QMMapAnnotation *annotation, bool animated);
    QMMapAnnotation *selectedAnnotation() const;
    QMMapCalloutView *calloutView() const { return m_callout; }

    QPointF convertCoordinate(const QMMapCoordinate &coordinate) const;
    QMMapCoordinate convertPoint(const QPointF &point) const;
    // The topmost annotation view that takes a touch at point, or null.
    QMAnnotationView *annotationViewAt(const QPointF &point) const;
    // Where the view is drawn now, a falling pin included; empty for a view not on the map.
    QRectF frameOfAnnotationView(const QMAnnotationView *view) const;

    bool isAnimatingDrops() const;
    // The region moving on its own (an animated change or a glide after a flick).
    bool isMoving() const;
    // Everything that moves jumps to where it was going.
    void removeAllAnimations();

    QString tileUrlTemplate() const;
    // An XYZ tile server's address with {z}, {x} and {y}; empty for the built-in map.
    void setTileUrlTemplate(const QString &urlTemplate);
    QMMapTileLayer *tileLayer() const { return m_tileLayer; }
    int baseMapRenderCount() const { return m_baseLayer.renderCount(); }

    QSize sizeHint() const override { return {320, 368}; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    bool event(QEvent *event) override;

private:
    struct Placed
    {
        std::shared_ptr<QMMapAnnotation> annotation;
        std::unique_ptr<QMAnnotationView> view;
        QPointF world;
        qint64 dropStart = -1; // on m_clock; -1 when not falling
        qreal dropOffset = 0;  // points above its place while it falls
    };
    struct Sample
    {
        quint64 time;
        QPointF position;
    };
    struct Animation
    {
        bool active = false;
        qint64 start = 0;
        QPointF fromCenter, toCenter;
        double fromZoom = 0, toZoom = 0; // log2 of the world size
    };

    std::unique_ptr<QMAnnotationView> makeView(const std::shared_ptr<QMMapAnnotation> &annotation);
    Placed *placedFor(const QMMapAnnotation *annotation);
    const Placed *placedFor(const QMMapAnnotation *annotation) const;
    QList<const Placed *> drawingOrder() const;
    QRectF frameOf(const Placed &placed) const;
    void recycle(std::unique_ptr<QMAnnotationView> view);

    QMMapViewport viewportFor(const QMMapRegion &region) const;
    void setViewport(const QPointF &center, double worldSize);
    double minimumWorldSize() const;
    double maximumWorldSize() const;
    void zoomAbout(const QPointF &point, double factor, bool settle);
    void animateTo(const QPointF &center, double worldSize);
    void regionDidChange(bool animated);

    void startTicker();
    void tick();
    void stopGlide();
    void updateCallout();
    void revealCallout();
    void tapAt(const QPointF &point);

    QMWeakDelegate<QMMapViewDelegate> m_delegate;
    QPointF m_center{0.5, 0.5};
    double m_worldSize = 256;
    QMMapRegion m_pendingRegion; // asked for before the view had a size
    bool m_hasPendingRegion = false;

    bool m_showsUserLocation = false;
    std::shared_ptr<QMUserLocation> m_userLocation;
    std::unique_ptr<Placed> m_user; // placed once the position is known and shown

    std::vector<Placed> m_placed; // in the order added
    std::unordered_map<QString, std::vector<std::unique_ptr<QMAnnotationView>>> m_reusable;
    const QMMapAnnotation *m_selected = nullptr;
    QMMapCalloutView *m_callout;

    QMBaseMapLayer m_baseLayer;
    QMMapTileLayer *m_tileLayer = nullptr;

    // The pointer.
    bool m_pressed = false;
    bool m_dragging = false;
    bool m_pinching = false;
    QPointF m_pressPosition;
    QPointF m_lastPosition;
    std::deque<Sample> m_samples;

    // Movement on its own.
    QTimer m_ticker;
    QElapsedTimer m_clock;
    qint64 m_lastTick = 0;
    Animation m_animation;
    QPointF m_glideVelocity; // points per millisecond
    bool m_gliding = false;
    QTimer m_settle; // the end of a burst of wheel steps
};
