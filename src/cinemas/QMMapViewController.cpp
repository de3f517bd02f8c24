#include "cinemas/QMMapViewController.h"

#include "app/QMDataContext.h"
#include "cinemas/Cinema.h"
#include "cinemas/QMAnnotation.h"
#include "cinemas/SimpleCinema.h"
#include "kit/QMKitStyle.h"
#include "kit/QMMapView.h"
#include "kit/QMNavigationItem.h"
#include "kit/QMPinAnnotationView.h"
#include "services/QMLocationProvider.h"
#include "services/QMNotificationCenter.h"

#include <QLabel>

#include <cmath>

namespace {

std::shared_ptr<QMMapAnnotation> annotationFor(const SimpleCinema &cinema)
{
    auto annotation = std::make_shared<QMAnnotation>(cinema.pointy, cinema.pointx);
    annotation->setOrderType(cinema.open ? 0 : 1);
    annotation->setAnnoTitle(cinema.cinemaname);
    annotation->setAnnoSubtitle(cinema.address);
    return annotation;
}

// The region of the cinemas showing a film: centred on the middle of their bounds, as wide as
// 2.2 times the largest step from one cinema to the next, and never narrower than the bounds
// themselves with a margin, so that no pin is left outside.
QMMapRegion regionForCinemas(const QList<std::shared_ptr<SimpleCinema>> &cinemas)
{
    bool first = true;
    double maxLatitude = 0, minLatitude = 0, maxLongitude = 0, minLongitude = 0;
    double previousLatitude = 0, previousLongitude = 0;
    double maxLatitudeStep = 0, maxLongitudeStep = 0;
    for (const auto &cinema : cinemas) {
        const double latitude = cinema->pointy;
        const double longitude = cinema->pointx;
        if (first) {
            maxLatitude = minLatitude = previousLatitude = latitude;
            maxLongitude = minLongitude = previousLongitude = longitude;
            first = false;
        }
        maxLatitude = std::max(maxLatitude, latitude);
        minLatitude = std::min(minLatitude, latitude);
        maxLongitude = std::max(maxLongitude, longitude);
        minLongitude = std::min(minLongitude, longitude);
        maxLatitudeStep = std::max(maxLatitudeStep, std::fabs(latitude - previousLatitude));
        maxLongitudeStep = std::max(maxLongitudeStep, std::fabs(longitude - previousLongitude));
        previousLatitude = latitude;
        previousLongitude = longitude;
    }
    const double extent = std::max(maxLatitude - minLatitude, maxLongitude - minLongitude);
    const double span = std::max(2.2 * std::max(maxLatitudeStep, maxLongitudeStep), 1.3 * extent);
    QMMapRegion region;
    region.center = {(maxLatitude + minLatitude) / 2.0, (maxLongitude + minLongitude) / 2.0};
    region.latitudeDelta = region.longitudeDelta = span;
    return region;
}

} // namespace

QMMapViewController::QMMapViewController() = default;

QMMapViewController::~QMMapViewController()
{
    // The map outlives this object by a moment (the base class deletes the view): it must not
    // call back into a half-destroyed screen.
    if (_mapView) {
        _mapView->removeAllAnimations();
        _mapView->setDelegate(nullptr);
    }
}

std::unique_ptr<QMMapViewController> QMMapViewController::forCinema(const SimpleCinema &cinema)
{
    auto controller = std::make_unique<QMMapViewController>();
    QMMapRegion region;
    region.center = {cinema.pointy, cinema.pointx};
    region.latitudeDelta = region.longitudeDelta = 0.01;
    controller->setMapRegion(region);
    controller->setAnnotationArray({annotationFor(cinema)});
    controller->setTitle(cinema.cinemaname);
    controller->setNaviTitle(cinema.cinemaname);
    return controller;
}

std::unique_ptr<QMMapViewController> QMMapViewController::forCinema(const Cinema &cinema)
{
    return forCinema(SimpleCinema(cinema));
}

std::unique_ptr<QMMapViewController>
QMMapViewController::forCinemas(const QList<std::shared_ptr<SimpleCinema>> &cinemas)
{
    auto controller = std::make_unique<QMMapViewController>();
    controller->setNaviTitle(QStringLiteral("全部影院"));
    QList<std::shared_ptr<SimpleCinema>> placed;
    QList<std::shared_ptr<QMMapAnnotation>> annotations;
    for (const auto &cinema : cinemas) {
        // A cinema without a place has 0 (or nothing usable) in its coordinates.
        if (!cinema || !(std::fabs(cinema->pointx) >= 0.1 && std::fabs(cinema->pointy) >= 0.1))
            continue;
        placed.append(cinema);
        annotations.append(annotationFor(*cinema));
    }
    if (placed.isEmpty()) {
        // Nothing to show but the user: around the user's position, not at 0° 0°.
        QMMapRegion region;
        const QMLocationProvider *location =
            QMDataContext::CurrentDataContext()->locationProvider();
        if (location->hasLocation())
            region.center = {location->currentLocation().latitude,
                             location->currentLocation().longitude};
        else
            region.center = {31.2304, 121.4737};
        region.latitudeDelta = region.longitudeDelta = 0.05;
        controller->setMapRegion(region);
    } else {
        controller->setMapRegion(regionForCinemas(placed));
    }
    controller->setAnnotationArray(annotations);
    return controller;
}

void QMMapViewController::setMapRegion(const QMMapRegion &region)
{
    _mapRegion = region;
    if (_mapView)
        _mapView->setRegion(region, false);
}

void QMMapViewController::setNaviTitle(const QString &title)
{
    _naviTitle = title;
    if (m_titleLabel)
        m_titleLabel->setText(title);
}

void QMMapViewController::setAnnotationArray(
    const QList<std::shared_ptr<QMMapAnnotation>> &annotations)
{
    _annotationArray = annotations;
}

void QMMapViewController::viewDidLoad()
{
    auto title = std::make_unique<QLabel>(_naviTitle);
    title->setFont(QMKitStyle::boldSystemFont(18));
    title->setAlignment(Qt::AlignCenter);
    title->setAttribute(Qt::WA_TranslucentBackground);
    m_titleLabel = title.get();
    navigationItem()->setTitleView(std::move(title));

    _mapView = new QMMapView(view());
    _mapView->setGeometry(0, 0, 320, 368);
    _mapView->setShowsUserLocation(true);
    _mapView->setDelegate(this);
    _mapView->setRegion(_mapRegion, false);
    _mapView->show();
}

void QMMapViewController::viewWillAppear(bool)
{
    showUserLocation(QMDataContext::CurrentDataContext()->locationProvider());
    QMNotificationCenter::defaultCenter().addObserver(
        this, kLocationNotification,
        [this](QObject *object) { showUserLocation(qobject_cast<QMLocationProvider *>(object)); });
}

void QMMapViewController::viewDidAppear(bool)
{
    // The whole list each time; the map keeps the markers it already has.
    if (!_annotationArray.isEmpty())
        _mapView->addAnnotations(_annotationArray);
}

void QMMapViewController::viewDidDisappear(bool)
{
    QMNotificationCenter::defaultCenter().removeObserver(this, kLocationNotification);
}

std::unique_ptr<QMAnnotationView>
QMMapViewController::mapViewViewForAnnotation(QMMapView *mapView,
                                              const std::shared_ptr<QMMapAnnotation> &annotation)
{
    auto *cinema = dynamic_cast<QMAnnotation *>(annotation.get());
    if (!cinema)
        return nullptr;
    std::unique_ptr<QMAnnotationView> reused =
        mapView->dequeueReusableAnnotationView(annotationReuseIdentifier);
    std::unique_ptr<QMPinAnnotationView> pin;
    // Member markers share the reuse name; only a pin is taken back as a pin.
    if (qobject_cast<QMPinAnnotationView *>(reused.get()))
        pin.reset(static_cast<QMPinAnnotationView *>(reused.release()));
    else
        pin = std::make_unique<QMPinAnnotationView>(annotation, annotationReuseIdentifier);
    pin->setAnnotation(annotation);
    pin->setPinColor(cinema->orderType() == 0 ? QMPinAnnotationView::PinColor::Green
                                              : QMPinAnnotationView::PinColor::Red);
    pin->setAnimatesDrop(true);
    pin->setCanShowCallout(true);
    return pin;
}

void QMMapViewController::showUserLocation(const QMLocationProvider *location)
{
    if (_mapView && location && location->hasLocation())
        _mapView->setUserLocationCoordinate(
            {location->currentLocation().latitude, location->currentLocation().longitude});
}
