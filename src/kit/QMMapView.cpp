#include "kit/QMMapView.h"

#include "QMBuildConfig.h"
#include "kit/QMAccessibleFactory.h"
#include "kit/QMAnnotationView.h"
#include "kit/QMBaseMap.h"
#include "kit/QMMapAnnotation.h"
#include "kit/QMMapCalloutView.h"
#include "kit/QMMapProjection.h"
#include "kit/QMMapScaleBar.h"
#include "kit/QMMapTileLayer.h"
#include "kit/QMPinAnnotationView.h"
#include "kit/QMUserLocation.h"
#include "kit/QMUserLocationView.h"

#include <QEasingCurve>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal dragThreshold = 5;    // points before a press becomes a drag
constexpr qint64 velocityWindow = 80; // ms of pointer history that make a flick
constexpr qreal flickVelocity = 0.25; // points per ms
constexpr qreal restVelocity = 0.03;  // points per ms
constexpr qreal glideDecay = 0.996;   // velocity kept per ms
constexpr int settleDelay = 180;      // ms after the last wheel step

// Where the map opens: central Shanghai.
const QMMapRegion initialRegion{{31.2304, 121.4737}, 0.2, 0.2};

double wrapped(double x)
{
    return x - std::floor(x);
}

// Pins fall for three quarters of the time, then bounce once, a little.
qreal dropOffsetAt(qreal progress, qreal height)
{
    if (progress <= 0)
        return height;
    if (progress >= 1)
        return 0;
    if (progress < 0.75) {
        const qreal t = progress / 0.75;
        return height * (1 - t * t);
    }
    const qreal bounce = std::min<qreal>(6, height * 0.05);
    return bounce * std::sin(M_PI * (progress - 0.75) / 0.25);
}

} // namespace

QMMapView::QMMapView(QWidget *parent)
    : QWidget(parent)
    , m_userLocation(std::make_shared<QMUserLocation>())
    , m_callout(new QMMapCalloutView(this))
    , m_baseLayer(QMBaseMap::shanghai())
{
    QMAccessibleFactory::install();
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_ticker.setInterval(16);
    m_ticker.setTimerType(Qt::PreciseTimer);
    connect(&m_ticker, &QTimer::timeout, this, &QMMapView::tick);
    m_settle.setSingleShot(true);
    m_settle.setInterval(settleDelay);
    connect(&m_settle, &QTimer::timeout, this, [this] {
        update();
        regionDidChange(false);
    });
    m_clock.start();
    resize(sizeHint());
    setRegion(initialRegion);
    setTileUrlTemplate(QStringLiteral(QM_MAP_TILE_URL));
}

QMMapView::~QMMapView()
{
    m_delegate = nullptr;
    m_ticker.stop();
}

// Region

QMMapViewport QMMapView::viewport() const
{
    return {m_center, m_worldSize, QSizeF(size())};
}

QMMapRegion QMMapView::region() const
{
    const QMMapViewport view = viewport();
    const QRectF area = view.worldRect();
    QMMapRegion region;
    region.center = QMMapProjection::coordinate(m_center);
    region.center.longitude = wrapped(m_center.x()) * 360 - 180;
    region.latitudeDelta =
        QMMapProjection::latitude(area.top()) - QMMapProjection::latitude(area.bottom());
    region.longitudeDelta = area.width() * 360;
    return region;
}

QMMapViewport QMMapView::viewportFor(const QMMapRegion &region) const
{
    const QMMapRegion shown = region.clamped(m_hasPendingRegion ? m_pendingRegion : this->region());
    const QPointF center = QMMapProjection::worldPoint(shown.center);
    const double top = QMMapProjection::worldY(shown.center.latitude + shown.latitudeDelta / 2);
    const double bottom = QMMapProjection::worldY(shown.center.latitude - shown.latitudeDelta / 2);
    const double spanX = shown.longitudeDelta / 360;
    const double spanY = std::max(bottom - top, 1e-12);
    const double worldSize = std::min(width() / spanX, height() / spanY);
    return {center, worldSize, QSizeF(size())};
}

void QMMapView::setRegion(const QMMapRegion &region, bool animated)
{
    if (width() <= 0 || height() <= 0) {
        m_pendingRegion = region.clamped(m_hasPendingRegion ? m_pendingRegion : initialRegion);
        m_hasPendingRegion = true;
        return;
    }
    const QMMapViewport target = viewportFor(region);
    m_hasPendingRegion = false;
    if (animated && isVisible()) {
        animateTo(target.center, target.worldSize);
        return;
    }
    m_animation.active = false;
    stopGlide();
    setViewport(target.center, target.worldSize);
    regionDidChange(false);
}

QMMapCoordinate QMMapView::centerCoordinate() const
{
    return region().center;
}

void QMMapView::setCenterCoordinate(const QMMapCoordinate &center, bool animated)
{
    QMMapRegion shown = region();
    shown.center = center;
    const QMMapRegion clamped = shown.clamped(region());
    const QPointF world = QMMapProjection::worldPoint(clamped.center);
    if (animated && isVisible()) {
        animateTo(world, m_worldSize);
        return;
    }
    m_animation.active = false;
    setViewport(world, m_worldSize);
    regionDidChange(false);
}

// Zoomed out no further than the whole world across the view.
double QMMapView::minimumWorldSize() const
{
    return std::max(1, width());
}

double QMMapView::maximumWorldSize() const
{
    return std::max(1, width()) * 360.0 / QMMapRegion::minimumDelta;
}

void QMMapView::setViewport(const QPointF &center, double worldSize)
{
    m_worldSize = qBound(minimumWorldSize(), worldSize, maximumWorldSize());
    const double top = QMMapProjection::worldY(QMMapRegion::maximumCenterLatitude);
    const double bottom = QMMapProjection::worldY(-QMMapRegion::maximumCenterLatitude);
    if (std::isfinite(center.x()) && std::isfinite(center.y()))
        m_center = QPointF(wrapped(center.x()), qBound(top, center.y(), bottom));
    updateCallout();
    update();
}

void QMMapView::zoomAbout(const QPointF &point, double factor, bool settle)
{
    if (!std::isfinite(factor) || factor <= 0)
        return;
    m_animation.active = false;
    stopGlide();
    const QMMapViewport before = viewport();
    const QPointF world = before.toWorld(point);
    const double worldSize = qBound(minimumWorldSize(), m_worldSize * factor, maximumWorldSize());
    const QPointF half(width() / 2.0, height() / 2.0);
    setViewport(world - (point - half) / worldSize, worldSize);
    if (settle)
        m_settle.start();
}

void QMMapView::animateTo(const QPointF &center, double worldSize)
{
    stopGlide();
    m_animation.active = true;
    m_animation.start = m_clock.elapsed();
    m_animation.fromCenter = m_center;
    m_animation.toCenter = center;
    // The short way round the world.
    if (m_animation.toCenter.x() - m_animation.fromCenter.x() > 0.5)
        m_animation.toCenter.rx() -= 1;
    else if (m_animation.fromCenter.x() - m_animation.toCenter.x() > 0.5)
        m_animation.toCenter.rx() += 1;
    m_animation.fromZoom = std::log2(m_worldSize);
    m_animation.toZoom = std::log2(qBound(minimumWorldSize(), worldSize, maximumWorldSize()));
    startTicker();
}

void QMMapView::regionDidChange(bool animated)
{
    if (QMMapViewDelegate *delegate = m_delegate.get())
        delegate->mapViewRegionDidChangeAnimated(this, animated);
}

// The user's position

void QMMapView::setShowsUserLocation(bool shows)
{
    if (m_showsUserLocation == shows)
        return;
    m_showsUserLocation = shows;
    if (!shows) {
        if (m_user && m_selected == m_user->annotation.get())
            deselectAnnotation(m_selected, false);
        m_user.reset();
    } else if (m_userLocation->isLocated()) {
        setUserLocationCoordinate(m_userLocation->coordinate());
    }
    update();
}

void QMMapView::setUserLocationCoordinate(const QMMapCoordinate &coordinate)
{
    if (!coordinate.isValid())
        return;
    m_userLocation->setCoordinate(coordinate);
    m_userLocation->setLocated(true);
    if (!m_showsUserLocation)
        return;
    if (!m_user) {
        m_user = std::make_unique<Placed>();
        m_user->annotation = m_userLocation;
        m_user->view = makeView(m_userLocation);
    }
    m_user->world = QMMapProjection::worldPoint(coordinate);
    updateCallout();
    update();
}

// Annotations

std::unique_ptr<QMAnnotationView>
QMMapView::makeView(const std::shared_ptr<QMMapAnnotation> &annotation)
{
    std::unique_ptr<QMAnnotationView> view;
    if (QMMapViewDelegate *delegate = m_delegate.get())
        view = delegate->mapViewViewForAnnotation(this, annotation);
    if (!view) {
        if (annotation == m_userLocation) {
            view = std::make_unique<QMUserLocationView>(annotation);
        } else {
            auto pin = std::make_unique<QMPinAnnotationView>(annotation, QString());
            pin->setCanShowCallout(true);
            view = std::move(pin);
        }
    }
    view->setAnnotation(annotation);
    connect(view.get(), &QMAnnotationView::needsDisplay, this, [this] {
        updateCallout();
        update();
    });
    return view;
}

void QMMapView::addAnnotation(const std::shared_ptr<QMMapAnnotation> &annotation)
{
    addAnnotations({annotation});
}

void QMMapView::addAnnotations(const QList<std::shared_ptr<QMMapAnnotation>> &annotations)
{
    QList<std::shared_ptr<QMMapAnnotation>> fresh;
    for (const auto &annotation : annotations) {
        if (!annotation || !annotation->coordinate().isValid() || placedFor(annotation.get()))
            continue;
        if (std::any_of(fresh.cbegin(), fresh.cend(),
                        [&](const auto &other) { return other == annotation; }))
            continue;
        fresh.append(annotation);
    }
    if (fresh.isEmpty())
        return;
    const qint64 now = m_clock.elapsed();
    const qint64 stagger = std::min<qint64>(40, dropStaggerTotal / fresh.size());
    bool dropping = false;
    qint64 order = 0;
    for (const auto &annotation : std::as_const(fresh)) {
        Placed placed;
        placed.annotation = annotation;
        placed.world = QMMapProjection::worldPoint(annotation->coordinate());
        placed.view = makeView(annotation);
        auto *pin = qobject_cast<QMPinAnnotationView *>(placed.view.get());
        if (pin && pin->animatesDrop()) {
            placed.dropStart = now + stagger * order++;
            placed.dropOffset = viewport().toView(placed.world).y() + pin->size().height();
            dropping = true;
        }
        m_placed.push_back(std::move(placed));
    }
    if (dropping)
        startTicker();
    update();
}

void QMMapView::removeAnnotation(const QMMapAnnotation *annotation)
{
    // First, since the delegate hears of it and may change the annotations meanwhile.
    if (m_selected == annotation)
        deselectAnnotation(annotation, false);
    const auto found = std::find_if(m_placed.begin(), m_placed.end(), [&](const Placed &placed) {
        return placed.annotation.get() == annotation;
    });
    if (found == m_placed.end())
        return;
    std::unique_ptr<QMAnnotationView> view = std::move(found->view);
    m_placed.erase(found);
    recycle(std::move(view));
    update();
}

void QMMapView::removeAnnotations(const QList<std::shared_ptr<QMMapAnnotation>> &annotations)
{
    for (const auto &annotation : annotations)
        removeAnnotation(annotation.get());
}

void QMMapView::recycle(std::unique_ptr<QMAnnotationView> view)
{
    if (!view)
        return;
    disconnect(view.get(), nullptr, this, nullptr);
    view->setAnnotation(nullptr);
    constexpr size_t kept = 64;
    if (view->reuseIdentifier().isEmpty())
        return;
    auto &pool = m_reusable[view->reuseIdentifier()];
    if (pool.size() < kept)
        pool.push_back(std::move(view));
}

QList<std::shared_ptr<QMMapAnnotation>> QMMapView::annotations() const
{
    QList<std::shared_ptr<QMMapAnnotation>> list;
    list.reserve(qsizetype(m_placed.size()));
    for (const Placed &placed : m_placed)
        list.append(placed.annotation);
    return list;
}

QMMapView::Placed *QMMapView::placedFor(const QMMapAnnotation *annotation)
{
    return const_cast<Placed *>(std::as_const(*this).placedFor(annotation));
}

const QMMapView::Placed *QMMapView::placedFor(const QMMapAnnotation *annotation) const
{
    if (!annotation)
        return nullptr;
    if (m_user && m_user->annotation.get() == annotation)
        return m_user.get();
    for (const Placed &placed : m_placed) {
        if (placed.annotation.get() == annotation)
            return &placed;
    }
    return nullptr;
}

QMAnnotationView *QMMapView::viewForAnnotation(const QMMapAnnotation *annotation) const
{
    const Placed *placed = placedFor(annotation);
    return placed ? placed->view.get() : nullptr;
}

std::unique_ptr<QMAnnotationView>
QMMapView::dequeueReusableAnnotationView(const QString &identifier)
{
    auto found = m_reusable.find(identifier);
    if (found == m_reusable.end() || found->second.empty())
        return nullptr;
    std::unique_ptr<QMAnnotationView> view = std::move(found->second.back());
    found->second.pop_back();
    view->prepareForReuse();
    return view;
}

// The user's position first, then the annotations from north to south, so that a southern pin
// covers the head of a northern one; the selected one on top of all.
QList<const QMMapView::Placed *> QMMapView::drawingOrder() const
{
    QList<const Placed *> order;
    order.reserve(qsizetype(m_placed.size()) + 1);
    if (m_user)
        order.append(m_user.get());
    QList<const Placed *> pins;
    pins.reserve(qsizetype(m_placed.size()));
    for (const Placed &placed : m_placed)
        pins.append(&placed);
    std::stable_sort(pins.begin(), pins.end(),
                     [](const Placed *a, const Placed *b) { return a->world.y() < b->world.y(); });
    order.append(pins);
    if (const Placed *selected = placedFor(m_selected)) {
        order.removeOne(selected);
        order.append(selected);
    }
    return order;
}

QRectF QMMapView::frameOf(const Placed &placed) const
{
    QPointF point = viewport().toView(placed.world);
    // Annotations repeat with the world: take the copy nearest to the view.
    const double half = m_worldSize / 2;
    while (point.x() < width() / 2.0 - half)
        point.rx() += m_worldSize;
    while (point.x() > width() / 2.0 + half)
        point.rx() -= m_worldSize;
    point.ry() -= placed.dropOffset;
    return placed.view->frameAt(point);
}

QRectF QMMapView::frameOfAnnotationView(const QMAnnotationView *view) const
{
    if (!view)
        return {};
    if (const Placed *placed = placedFor(view->annotation()); placed && placed->view.get() == view)
        return frameOf(*placed);
    return {};
}

QPointF QMMapView::convertCoordinate(const QMMapCoordinate &coordinate) const
{
    return viewport().toView(QMMapProjection::worldPoint(coordinate));
}

QMMapCoordinate QMMapView::convertPoint(const QPointF &point) const
{
    QMMapCoordinate coordinate = QMMapProjection::coordinate(viewport().toWorld(point));
    coordinate.longitude = wrapped((coordinate.longitude + 180) / 360) * 360 - 180;
    return coordinate;
}

QMAnnotationView *QMMapView::annotationViewAt(const QPointF &point) const
{
    const QList<const Placed *> order = drawingOrder();
    for (auto it = order.crbegin(); it != order.crend(); ++it) {
        const Placed *placed = *it;
        if (!placed->view->isEnabled())
            continue;
        const QRectF frame = frameOf(*placed);
        const QPointF anchor = frame.center() - placed->view->centerOffset();
        if (placed->view->touchRectAt(anchor).contains(point))
            return placed->view.get();
    }
    return nullptr;
}

// Selection

QMMapAnnotation *QMMapView::selectedAnnotation() const
{
    const Placed *placed = placedFor(m_selected);
    return placed ? placed->annotation.get() : nullptr;
}

void QMMapView::selectAnnotation(const QMMapAnnotation *annotation, bool animated)
{
    if (!placedFor(annotation) || m_selected == annotation)
        return;
    if (m_selected)
        deselectAnnotation(m_selected, animated);
    // Looked up again: the delegate heard of the deselection and may have removed it.
    Placed *placed = placedFor(annotation);
    if (!placed)
        return;
    m_selected = annotation;
    QMAnnotationView *view = placed->view.get();
    view->setSelected(true);
    const bool callout = view->canShowCallout() && !placed->annotation->title().isEmpty();
    if (callout) {
        m_callout->setTexts(placed->annotation->title(), placed->annotation->subtitle());
        m_callout->show();
        m_callout->raise();
        updateCallout();
        revealCallout();
    }
    update();
    if (QMMapViewDelegate *delegate = m_delegate.get())
        delegate->mapViewDidSelectAnnotationView(this, view);
}

void QMMapView::deselectAnnotation(const QMMapAnnotation *annotation, bool)
{
    if (!annotation || m_selected != annotation)
        return;
    m_selected = nullptr;
    m_callout->hide();
    update();
    Placed *placed = placedFor(annotation);
    if (!placed)
        return;
    placed->view->setSelected(false);
    if (QMMapViewDelegate *delegate = m_delegate.get())
        delegate->mapViewDidDeselectAnnotationView(this, placed->view.get());
}

void QMMapView::updateCallout()
{
    const Placed *placed = placedFor(m_selected);
    if (!placed || m_callout->isHidden())
        return;
    const QRectF frame = frameOf(*placed);
    const QPointF anchor(frame.center().x(), frame.top() + 1);
    m_callout->placeAt(anchor, QRectF(rect()));
}

// Moves the map so that an opened callout is not cut off by the view's edges.
void QMMapView::revealCallout()
{
    if (m_callout->isHidden())
        return;
    const QRect bubble = m_callout->bubbleGeometry();
    const Placed *placed = placedFor(m_selected);
    const QPointF pin = placed ? frameOf(*placed).center() : QPointF(bubble.center());
    const int margin = 6;
    QPointF shift;
    if (bubble.top() < margin)
        shift.ry() = margin - bubble.top();
    if (pin.x() < 2 * margin)
        shift.rx() = 2 * margin - pin.x();
    else if (pin.x() > width() - 2 * margin)
        shift.rx() = width() - 2 * margin - pin.x();
    if (shift.isNull())
        return;
    animateTo(m_center - shift / m_worldSize, m_worldSize);
}

void QMMapView::tapAt(const QPointF &point)
{
    if (QMAnnotationView *view = annotationViewAt(point)) {
        selectAnnotation(view->annotation(), true);
        return;
    }
    if (m_callout->isVisible() && m_callout->bubbleGeometry().contains(point.toPoint()))
        return;
    deselectAnnotation(m_selected, true);
}

// Animations

bool QMMapView::isAnimatingDrops() const
{
    return std::any_of(m_placed.cbegin(), m_placed.cend(),
                       [](const Placed &placed) { return placed.dropStart >= 0; });
}

bool QMMapView::isMoving() const
{
    return m_animation.active || m_gliding;
}

void QMMapView::removeAllAnimations()
{
    if (m_animation.active) {
        m_animation.active = false;
        setViewport(m_animation.toCenter, std::exp2(m_animation.toZoom));
    }
    stopGlide();
    for (Placed &placed : m_placed) {
        placed.dropStart = -1;
        placed.dropOffset = 0;
    }
    m_ticker.stop();
    updateCallout();
    update();
}

void QMMapView::startTicker()
{
    m_lastTick = m_clock.elapsed();
    if (!m_ticker.isActive())
        m_ticker.start();
}

void QMMapView::stopGlide()
{
    m_gliding = false;
    m_glideVelocity = {};
}

void QMMapView::tick()
{
    const qint64 now = m_clock.elapsed();
    const qint64 elapsed = std::max<qint64>(1, now - m_lastTick);
    m_lastTick = now;

    if (m_animation.active) {
        const qreal t = qreal(now - m_animation.start) / regionAnimationDuration;
        const qreal eased = QEasingCurve(QEasingCurve::OutCubic).valueForProgress(qMin(t, 1.0));
        const QPointF center =
            m_animation.fromCenter + (m_animation.toCenter - m_animation.fromCenter) * eased;
        const double zoom =
            m_animation.fromZoom + (m_animation.toZoom - m_animation.fromZoom) * eased;
        setViewport(center, std::exp2(zoom));
        if (t >= 1) {
            m_animation.active = false;
            regionDidChange(true);
        }
    }
    if (m_gliding) {
        setViewport(m_center - m_glideVelocity * qreal(elapsed) / m_worldSize, m_worldSize);
        m_glideVelocity *= std::pow(glideDecay, qreal(elapsed));
        if (std::hypot(m_glideVelocity.x(), m_glideVelocity.y()) < restVelocity) {
            stopGlide();
            regionDidChange(false);
        }
    }
    bool dropping = false;
    for (Placed &placed : m_placed) {
        if (placed.dropStart < 0)
            continue;
        const qreal progress = qreal(now - placed.dropStart) / dropDuration;
        const qreal height = viewport().toView(placed.world).y() + placed.view->size().height();
        placed.dropOffset = dropOffsetAt(progress, std::max<qreal>(height, 0));
        if (progress >= 1) {
            placed.dropStart = -1;
            placed.dropOffset = 0;
        } else {
            dropping = true;
        }
    }
    updateCallout();
    update();
    if (!m_animation.active && !m_gliding && !dropping) {
        m_ticker.stop();
        update();
    }
}

// Drawing

void QMMapView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QMMapViewport view = viewport();
    const bool interim = m_animation.active || m_pinching || m_settle.isActive();
    m_baseLayer.draw(&painter, view, devicePixelRatioF(), interim);
    if (m_tileLayer)
        m_tileLayer->draw(&painter, view);

    const QRectF bounds(rect());
    for (const Placed *placed : drawingOrder()) {
        const QRectF frame = frameOf(*placed);
        if (frame.intersects(bounds))
            placed->view->paint(&painter, frame);
    }
    QMMapScaleBar::paint(&painter, QPointF(10, height() - 10), view.metresPerPoint());
}

void QMMapView::resizeEvent(QResizeEvent *)
{
    if (m_hasPendingRegion && width() > 0 && height() > 0)
        setRegion(m_pendingRegion);
    else
        setViewport(m_center, m_worldSize);
}

// The pointer

void QMMapView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)
        return;
    m_pressed = true;
    m_dragging = false;
    m_pinching =
        event->button() == Qt::RightButton || event->modifiers().testFlag(Qt::ControlModifier);
    m_pressPosition = m_lastPosition = event->position();
    m_samples.clear();
    m_samples.push_back({event->timestamp(), event->position()});
    // A touch stops the map where it is.
    if (m_animation.active || m_gliding) {
        m_animation.active = false;
        stopGlide();
        update();
    }
}

void QMMapView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pressed)
        return;
    const QPointF position = event->position();
    if (!m_dragging) {
        if (QLineF(m_pressPosition, position).length() < dragThreshold)
            return;
        m_dragging = true;
    }
    if (m_pinching) {
        // Up spreads the fingers: twice the size for every 100 points.
        zoomAbout(m_pressPosition, std::exp2((m_lastPosition.y() - position.y()) / 100), false);
    } else {
        const QPointF moved = position - m_lastPosition;
        setViewport(m_center - moved / m_worldSize, m_worldSize);
    }
    m_lastPosition = position;
    m_samples.push_back({event->timestamp(), position});
    while (m_samples.size() > 2 && event->timestamp() - m_samples.front().time > velocityWindow)
        m_samples.pop_front();
}

void QMMapView::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_pressed)
        return;
    m_pressed = false;
    const bool pinched = m_pinching;
    m_pinching = false;
    if (!m_dragging) {
        if (event->button() == Qt::LeftButton)
            tapAt(event->position());
        update();
        return;
    }
    m_dragging = false;
    if (pinched) {
        update();
        regionDidChange(false);
        return;
    }
    // A flick glides on: the pointer's speed over its last moments before the release.
    m_samples.push_back({event->timestamp(), event->position()});
    const quint64 now = event->timestamp();
    while (!m_samples.empty() && now - m_samples.front().time > velocityWindow)
        m_samples.pop_front();
    if (m_samples.size() >= 2) {
        const Sample &first = m_samples.front();
        const Sample &last = m_samples.back();
        const qreal span = qreal(std::max<quint64>(1, last.time - first.time));
        const QPointF velocity = (last.position - first.position) / span;
        if (std::hypot(velocity.x(), velocity.y()) > flickVelocity) {
            m_glideVelocity = velocity;
            m_gliding = true;
            startTicker();
            return;
        }
    }
    regionDidChange(false);
}

void QMMapView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (annotationViewAt(event->position()))
        return;
    m_pressed = false;
    const QPointF at = event->position();
    const QMMapViewport view = viewport();
    const double factor = event->button() == Qt::RightButton ? 0.5 : 2;
    const double worldSize = qBound(minimumWorldSize(), m_worldSize * factor, maximumWorldSize());
    const QPointF world = view.toWorld(at);
    const QPointF half(width() / 2.0, height() / 2.0);
    animateTo(world - (at - half) / worldSize, worldSize);
}

void QMMapView::wheelEvent(QWheelEvent *event)
{
    const QPoint pixels = event->pixelDelta();
    const double steps = !pixels.isNull() ? pixels.y() / 100.0 : event->angleDelta().y() / 120.0;
    // One notch of the wheel: half a zoom level.
    zoomAbout(event->position(), std::exp2(steps / 2), true);
    event->accept();
}

bool QMMapView::event(QEvent *event)
{
    if (event->type() == QEvent::NativeGesture) {
        auto *gesture = static_cast<QNativeGestureEvent *>(event);
        if (gesture->gestureType() == Qt::ZoomNativeGesture) {
            zoomAbout(gesture->position(), 1 + gesture->value(), true);
            return true;
        }
    }
    return QWidget::event(event);
}

// Tiles

QString QMMapView::tileUrlTemplate() const
{
    return m_tileLayer ? m_tileLayer->urlTemplate() : QString();
}

void QMMapView::setTileUrlTemplate(const QString &urlTemplate)
{
    if (urlTemplate == tileUrlTemplate())
        return;
    delete m_tileLayer;
    m_tileLayer = nullptr;
    if (!urlTemplate.isEmpty()) {
        m_tileLayer = new QMMapTileLayer(urlTemplate, this);
        connect(m_tileLayer, &QMMapTileLayer::tileArrived, this, qOverload<>(&QWidget::update));
    }
    update();
}
