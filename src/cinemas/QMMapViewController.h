#pragma once

#include "kit/QMMapRegion.h"
#include "kit/QMMapView.h"
#include "kit/QMMapViewDelegate.h"
#include "kit/QMViewController.h"

#include <QLabel>
#include <QList>
#include <QPointer>

#include <memory>

class Cinema;
class QMLocationProvider;
class QMMapAnnotation;
class SimpleCinema;

// A map of cinemas around the user's own position: green pins for the cinemas that sell tickets
// through the service, red for the others; a touched pin shows the cinema's name and address.
class QMMapViewController : public QMViewController, public QMMapViewDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMMapViewController)

public:
    static inline const QString annotationReuseIdentifier = QStringLiteral("Annotation");

    QMMapViewController();
    ~QMMapViewController() override;

    // One cinema at the centre of a map 0.01 degrees across, titled with its name.
    static std::unique_ptr<QMMapViewController> forCinema(const SimpleCinema &cinema);
    static std::unique_ptr<QMMapViewController> forCinema(const Cinema &cinema);
    // "全部影院": every cinema of the list that has a place, in a region that shows them all.
    static std::unique_ptr<QMMapViewController>
    forCinemas(const QList<std::shared_ptr<SimpleCinema>> &cinemas);

    QMMapRegion mapRegion() const { return _mapRegion; }
    void setMapRegion(const QMMapRegion &region);
    QString naviTitle() const { return _naviTitle; }
    void setNaviTitle(const QString &title);
    QList<std::shared_ptr<QMMapAnnotation>> annotationArray() const { return _annotationArray; }
    void setAnnotationArray(const QList<std::shared_ptr<QMMapAnnotation>> &annotations);

    QMMapView *mapView() const { return _mapView; }

    std::unique_ptr<QMAnnotationView>
    mapViewViewForAnnotation(QMMapView *mapView,
                             const std::shared_ptr<QMMapAnnotation> &annotation) override;

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;

private:
    void showUserLocation(const QMLocationProvider *location);

    QPointer<QMMapView> _mapView;
    QMMapRegion _mapRegion;
    QString _naviTitle;
    QList<std::shared_ptr<QMMapAnnotation>> _annotationArray;
    QPointer<QLabel> m_titleLabel;
};
