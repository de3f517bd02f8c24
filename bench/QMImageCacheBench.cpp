#include "services/QMDocumentsDirectory.h"
#include "services/QMImageCache.h"
#include "services/QMImageDecoder.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// A poster the cache already holds, asked for again, against loading its file with QImage; and a
// large poster decoded whole or for its cover.

namespace {

const QString posterUrl = QStringLiteral("http://127.0.0.1/posters/m1001_s.jpg");

struct CachedPoster
{
    CachedPoster()
    {
        QMDocumentsDirectory::setPathForTesting(dir.path());
        path = QMImageCache::cacheFilePathForUrl(posterUrl);
        QImage poster(180, 240, QImage::Format_RGB32);
        QPainter painter(&poster);
        QLinearGradient sky(0, 0, 0, poster.height());
        sky.setColorAt(0, QColor(120, 160, 230));
        sky.setColorAt(1, QColor(40, 20, 60));
        painter.fillRect(poster.rect(), sky);
        painter.end();
        poster.save(path, "JPEG", 90);

        // The index as the cache writes it when the application goes to the background.
        QFile index(QMDocumentsDirectory::filePath(QStringLiteral("imageDict")));
        if (index.open(QIODevice::WriteOnly)) {
            const QJsonObject entry{{QStringLiteral("url"), posterUrl},
                                    {QStringLiteral("path"), path}};
            index.write(QJsonDocument(QJsonArray{entry}).toJson());
        }
        QMImageCache::CloseCache();
    }
    ~CachedPoster()
    {
        QMImageCache::CloseCache();
        QMDocumentsDirectory::setPathForTesting({});
    }

    QTemporaryDir dir;
    QString path;
};

void BM_ImageCacheHit(benchmark::State &state)
{
    CachedPoster poster;
    QMImageCache *cache = QMImageCache::defaultCache();
    for (auto _ : state) {
        const QImage image = cache->requestorImageUrl(nullptr, posterUrl);
        if (image.isNull()) {
            state.SkipWithError("not a cache hit");
            break;
        }
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ImageCacheHit)->Unit(benchmark::kMicrosecond);

void BM_QImageLoadSameFile(benchmark::State &state)
{
    CachedPoster poster;
    for (auto _ : state) {
        const QImage image(poster.path);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_QImageLoadSameFile)->Unit(benchmark::kMicrosecond);

// A 600 x 800 JPEG poster read whole, and read for a 150 x 200 cover (twice that at a density of
// 2), as the cover flow asks for it.
struct LargePoster
{
    LargePoster()
    {
        QImage poster(600, 800, QImage::Format_RGB32);
        QPainter painter(&poster);
        QLinearGradient sky(0, 0, poster.width(), poster.height());
        sky.setColorAt(0, QColor(230, 160, 120));
        sky.setColorAt(1, QColor(20, 40, 90));
        painter.fillRect(poster.rect(), sky);
        painter.end();
        path = dir.filePath(QStringLiteral("m1002.jpg"));
        poster.save(path, "JPEG", 90);
    }
    QTemporaryDir dir;
    QString path;
};

void BM_PosterDecoded(benchmark::State &state)
{
    LargePoster poster;
    const QSize fill = state.range(0) > 0 ? QSize(150, 200) * int(state.range(0)) : QSize();
    for (auto _ : state) {
        const QImage image = QMImageDecoder::decodeFile(poster.path, fill);
        benchmark::DoNotOptimize(image.constBits());
    }
}
// 0: whole; 1 and 2: for the cover at a density of 1 and 2.
BENCHMARK(BM_PosterDecoded)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace
