#include "films/QMMovieViewController.h"
#include "films/QMOnPlayListProvider.h"
#include "services/QMDocumentsDirectory.h"
#include "services/QMImageCache.h"

#include "QMBenchAnswers.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkRequest>
#include <QPainter>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

// From the now-showing answer's arrival to the shelf painted with its posters, the posters
// being in the picture cache's files from an earlier start (the cache itself made afresh, as at
// launch): the answer mapped, the shelf filled and the films tab's screen rendered once.

namespace {

constexpr int kFilms = 20;

struct CachedPosters
{
    CachedPosters()
    {
        QMDocumentsDirectory::setPathForTesting(dir.path());
        QJsonArray index;
        for (int i = 0; i < kFilms; ++i) {
            const QString url = QMBenchAnswers::posterUrl(i);
            const QString path = QMImageCache::cacheFilePathForUrl(url);
            QImage poster(180, 240, QImage::Format_RGB32);
            poster.fill(QColor::fromHsv(i * 37 % 360, 160, 200));
            QPainter(&poster).fillRect(20, 60, 140, 40, Qt::white);
            poster.save(path, "PNG");
            index.append(QJsonObject{{QStringLiteral("url"), url}, {QStringLiteral("path"), path}});
        }
        QFile dict(QMDocumentsDirectory::filePath(QStringLiteral("imageDict")));
        if (dict.open(QIODevice::WriteOnly))
            dict.write(QJsonDocument(index).toJson());
    }
    ~CachedPosters()
    {
        QMImageCache::CloseCache();
        QMDocumentsDirectory::setPathForTesting({});
    }

    QTemporaryDir dir;
};

} // namespace

static void BM_ShelfFromAnswerWithCachedPosters(benchmark::State &state)
{
    CachedPosters posters;
    const QByteArray answer = QMBenchAnswers::nowShowing(kFilms);
    QImage frame(QSize(320, 440) * 2, QImage::Format_ARGB32_Premultiplied);
    frame.setDevicePixelRatio(2);
    int downloads = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QMImageCache::CloseCache();
        QMMovieViewController shelf;
        QWidget *view = shelf.view();
        view->resize(320, 440);
        QMOnPlayListProvider provider;
        provider.playListDelegate = &shelf;
        state.ResumeTiming();

        provider.requestSucceededWithData(QNetworkRequest(), answer);
        view->render(&frame);

        state.PauseTiming();
        downloads = QMImageCache::defaultCache()->pendingDownloadCount();
        if (shelf.movieArray().size() != kFilms)
            state.SkipWithError("the shelf did not get the films");
        state.ResumeTiming();
    }
    // Posters not found in the cache would be downloading now.
    state.counters["downloads"] = downloads;
}
BENCHMARK(BM_ShelfFromAnswerWithCachedPosters)
    ->Unit(benchmark::kMicrosecond)
    ->MeasureProcessCPUTime();
