#include "films/openflow/TPItemView.h"
#include "films/openflow/TPOpenFlowView.h"
#include "films/openflow/UIImageExtras.h"

#include <QLinearGradient>
#include <QPainter>

#include <benchmark/benchmark.h>

// One frame of the cover flow as the shelf shows it at scale 2 (13 posters, the middle one
// selected), against drawing the same 13 pictures, whole and untransformed, into the same frame.

namespace {

QImage benchPoster(int index)
{
    QImage image(180, 240, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, image.height());
    sky.setColorAt(0, QColor::fromHsv(index * 37 % 360, 120, 235));
    sky.setColorAt(1, QColor::fromHsv((index * 37 + 40) % 360, 220, 50));
    painter.fillRect(image.rect(), sky);
    painter.setBrush(QColor(255, 250, 230));
    painter.drawEllipse(QPointF(40 + index * 7 % 100, 60), 30, 30);
    painter.end();
    return UIImageExtras::cropCenterAndScaleImageToSize(image, QSizeF(150, 200), 2);
}

class BenchHost : public QObject, public TPOpenFlowViewDataSource
{
public:
    void openFlowViewRequestImageForIndex(TPOpenFlowView *view, int index) override
    {
        view->setImageForIndex(benchPoster(index), index);
    }
    QImage defaultImage() override { return benchPoster(0); }
};

struct Shelf
{
    Shelf()
    {
        view.resize(300, 225);
        view.setDataSource(&host);
        view.setNumberOfImages(40);
        view.setSelectedCover(20); // a jump: placed at once, nothing animates
        view.centerOnSelectedCover(false);
        frame.setDevicePixelRatio(2);
    }

    BenchHost host;
    TPOpenFlowView view;
    QImage frame{600, 450, QImage::Format_ARGB32_Premultiplied};
};

void BM_CoverFlowFrame(benchmark::State &state)
{
    Shelf shelf;
    for (auto _ : state) {
        shelf.frame.fill(Qt::transparent);
        QPainter painter(&shelf.frame);
        shelf.view.drawCovers(&painter);
    }
    state.counters["covers"] = double(shelf.view.onscreenCovers().size());
}
BENCHMARK(BM_CoverFlowFrame)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

void BM_ThirteenPicturesUntransformed(benchmark::State &state)
{
    Shelf shelf;
    std::vector<QImage> pictures;
    for (const TPItemView *cover : shelf.view.onscreenCovers())
        pictures.push_back(cover->image());
    for (auto _ : state) {
        shelf.frame.fill(Qt::transparent);
        QPainter painter(&shelf.frame);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        for (const QImage &image : pictures)
            painter.drawImage(QPointF(75, 12.5), image);
    }
}
BENCHMARK(BM_ThirteenPicturesUntransformed)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

} // namespace
