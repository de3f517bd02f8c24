#include "kit/QMMapAnnotation.h"
#include "kit/QMMapView.h"

#include "QMFrameTimes.h"

#include <QPainter>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

// One frame of the map view as a screen shows it (320 x 368 points, 50 pins over the base map of
// central Shanghai), against a plain blit of a picture of the same size. A pan frame moves the
// map by a point (the base map is only moved); a zoom frame changes the scale, so the base map
// is drawn again.

namespace {

class BenchPlace : public QMMapAnnotation
{
public:
    explicit BenchPlace(QMMapCoordinate coordinate)
        : m_coordinate(coordinate)
    {}
    QMMapCoordinate coordinate() const override { return m_coordinate; }
    QString title() const override { return QStringLiteral("影城"); }

private:
    QMMapCoordinate m_coordinate;
};

struct MapFrame
{
    MapFrame()
    {
        map.resize(320, 368);
        map.setRegion({{31.2304, 121.4737}, 0.08, 0.08});
        QRandomGenerator dice(2026);
        QList<std::shared_ptr<QMMapAnnotation>> pins;
        for (int i = 0; i < 50; ++i)
            pins.append(std::make_shared<BenchPlace>(
                QMMapCoordinate{31.2304 + (dice.generateDouble() - 0.5) * 0.07,
                                121.4737 + (dice.generateDouble() - 0.5) * 0.07}));
        map.addAnnotations(pins);
        map.render(&frame); // the base map drawn once, as on the first frame
    }

    QMMapView map;
    QImage frame{320, 368, QImage::Format_ARGB32_Premultiplied};
};

void BM_MapViewPanFrame50Pins(benchmark::State &state)
{
    MapFrame map;
    const int rendersBefore = map.map.baseMapRenderCount();
    QMFrameTimes times;
    int step = 0;
    for (auto _ : state) {
        const auto frame = times.frame();
        // Back and forth by a point, as a slow drag does.
        const double dx = (step++ % 2) ? 1 : -1;
        map.map.setCenterCoordinate(map.map.convertPoint(QPointF(160 + dx, 184)));
        map.map.render(&map.frame);
    }
    state.counters["baseMapRenders"] = map.map.baseMapRenderCount() - rendersBefore;
    times.report(state);
}
BENCHMARK(BM_MapViewPanFrame50Pins)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

void BM_MapViewZoomFrame50Pins(benchmark::State &state)
{
    MapFrame map;
    QMFrameTimes times;
    int step = 0;
    for (auto _ : state) {
        const auto frame = times.frame();
        QMMapRegion region = map.map.region();
        region.longitudeDelta = region.latitudeDelta = (step++ % 2) ? 0.081 : 0.08;
        map.map.setRegion(region);
        map.map.render(&map.frame);
    }
    times.report(state);
}
BENCHMARK(BM_MapViewZoomFrame50Pins)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

void BM_PlainBlit320x368(benchmark::State &state)
{
    QImage picture(320, 368, QImage::Format_ARGB32_Premultiplied);
    picture.fill(QColor(243, 240, 233));
    QImage frame(320, 368, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&frame);
        painter.drawImage(QPointF(0, 0), picture);
    }
}
BENCHMARK(BM_PlainBlit320x368)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

} // namespace
