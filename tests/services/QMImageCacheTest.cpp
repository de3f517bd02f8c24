#include "services/QMDocumentsDirectory.h"
#include "services/QMImageCache.h"
#include "services/QMImageDecoder.h"
#include "services/QMImageLoaderOperation.h"

#include "QMTestDocuments.h"
#include "QMTestHttpServer.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>
#include <httplib.h>

#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

namespace {

QColor colorForPath(const std::string &path)
{
    return QColor::fromRgb(QRgb(qHash(QByteArray::fromStdString(path)) & 0xffffff));
}

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xffffffffu;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A true grey PNG of the given size, all black: a few kilobytes that decode to width x height
// bytes.
QByteArray blackGreyPng(quint32 width, quint32 height)
{
    auto chunk = [](const QByteArray &type, const QByteArray &data) {
        QByteArray out;
        QDataStream stream(&out, QIODevice::WriteOnly);
        stream << quint32(data.size());
        out += type + data;
        QDataStream(&out, QIODevice::Append) << crc32(type + data);
        return out;
    };
    QByteArray header;
    QDataStream(&header, QIODevice::WriteOnly)
        << width << height << quint8(8) << quint8(0) << quint8(0) << quint8(0) << quint8(0);
    // Each row: filter byte 0, then width zero bytes. qCompress puts a length before zlib's data.
    const QByteArray rows(qsizetype(height) * (width + 1), '\0');
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) +
           chunk("IDAT", qCompress(rows, 9).mid(4)) + chunk("IEND", {});
}

// A picture server on a loopback port, on its own threads, so it answers while the test's main
// thread waits. Every path gets a PNG of a colour of its own, except:
//   /html/...   an HTML page         /big/...    3 MiB with its length announced
//   /chunked/...  3 MiB, no length   /slow/...   nothing until release() or the end
//   /endless/...  filler without end, no length     /declared/... a length of 1 GiB, filler
//   /redirect/N/... sends on to /redirect/N+1/...   /giant/...  a PNG of 5600 x 5600
//   .../tall/... a PNG of 600 x 800 (also after /slow/)
class PictureServer
{
public:
    PictureServer()
    {
        m_server.Get(R"(.*)", [this](const httplib::Request &request, httplib::Response &response) {
            {
                std::lock_guard lock(m_mutex);
                ++m_hits[request.path];
            }
            const std::string &path = request.path;
            const auto pour = [this](size_t, httplib::DataSink &sink) {
                static const std::string filler(64 * 1024, 'z');
                if (m_poured >= (qint64(1) << 30) || !sink.write(filler.data(), filler.size()))
                    return false;
                m_poured += qint64(filler.size());
                return true;
            };
            if (path.starts_with("/endless/")) {
                response.set_chunked_content_provider("image/png", pour);
            } else if (path.starts_with("/declared/")) {
                response.set_content_provider(
                    size_t(1) << 30, "image/png",
                    [pour](size_t offset, size_t, httplib::DataSink &sink) {
                        return pour(offset, sink);
                    });
            } else if (path.starts_with("/redirect/")) {
                const int hop = std::stoi(path.substr(10));
                response.set_redirect("/redirect/" + std::to_string(hop + 1) + "/p.png");
            } else if (path.starts_with("/giant/")) {
                static const QByteArray giant = blackGreyPng(5600, 5600);
                response.set_content(giant.constData(), size_t(giant.size()), "image/png");
            } else if (path.starts_with("/html/")) {
                response.set_content("<html><body>Not found</body></html>", "text/html");
            } else if (path.starts_with("/big/")) {
                response.set_content(std::string(3 * 1024 * 1024, 'x'), "image/png");
            } else if (path.starts_with("/chunked/")) {
                response.set_chunked_content_provider(
                    "image/png", [](size_t offset, httplib::DataSink &sink) {
                        const std::string chunk(64 * 1024, 'y');
                        if (offset >= 3u * 1024 * 1024)
                            sink.done();
                        else
                            sink.write(chunk.data(), chunk.size());
                        return true;
                    });
            } else {
                if (path.starts_with("/slow/")) {
                    std::unique_lock lock(m_mutex);
                    m_released.wait(lock, [this] { return m_release; });
                }
                const bool tall = path.find("/tall/") != std::string::npos;
                const QByteArray png =
                    QMTestHttpServer::png(colorForPath(path), tall ? QSize(600, 800) : QSize(30, 45));
                response.set_content(png.constData(), size_t(png.size()), "image/png");
            }
        });
        m_port = m_server.bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
        // A stop() before the accept loop runs would be lost and the join would never end.
        for (int waited = 0; m_port > 0 && !m_server.is_running() && waited < 10000; ++waited)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }

    ~PictureServer()
    {
        release();
        m_server.stop();
        m_thread.join();
    }

    QString url(const QString &path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path);
    }

    int hits(const std::string &path)
    {
        std::lock_guard lock(m_mutex);
        return m_hits[path];
    }

    // Filler bytes the server handed to the connection so far.
    qint64 poured() const { return m_poured; }

    // /slow/ waits again, until the next release().
    void hold()
    {
        std::lock_guard lock(m_mutex);
        m_release = false;
    }

    void release()
    {
        std::lock_guard lock(m_mutex);
        m_release = true;
        m_released.notify_all();
    }

private:
    httplib::Server m_server;
    std::thread m_thread;
    int m_port = 0;
    std::mutex m_mutex;
    std::condition_variable m_released;
    bool m_release = false;
    std::map<std::string, int> m_hits;
    std::atomic<qint64> m_poured = 0;
};

class Requestor : public QObject, public QMImageCacheDelegate
{
public:
    void didRecievedImageForUrl(const QImage &image, const QString &url) override
    {
        EXPECT_EQ(QThread::currentThread(), qApp->thread()); // screens are only touched there
        images.append({url, image});
    }
    void didRunIntoErrorForUrl(const std::optional<QMError> &error, const QString &url) override
    {
        EXPECT_EQ(QThread::currentThread(), qApp->thread());
        EXPECT_FALSE(error.has_value());
        failures.append(url);
    }
    int calls() const { return int(images.size() + failures.size()); }

    QList<std::pair<QString, QImage>> images;
    QStringList failures;
};

class ImageCacheTest : public ::testing::Test
{
protected:
    ~ImageCacheTest() override { QMImageCache::CloseCache(); }

    QMImageCache *cache() { return QMImageCache::defaultCache(); }

    static bool waitFor(const std::function<bool()> &done) { return QTest::qWaitFor(done, 20000); }

    // Asks once, waits for the answer, and returns the requestor that heard it.
    std::unique_ptr<Requestor> fetch(const QString &url)
    {
        auto requestor = std::make_unique<Requestor>();
        EXPECT_TRUE(cache()->requestorImageUrl(requestor.get(), url).isNull()) << qPrintable(url);
        EXPECT_TRUE(waitFor([&] { return requestor->calls() > 0; })) << qPrintable(url);
        return requestor;
    }

    QStringList indexedUrls() const
    {
        QStringList urls;
        for (const auto &entry : QMImageCache::defaultCache()->indexEntries())
            urls.append(entry.first);
        return urls;
    }

    QMTestDocuments documents;
    PictureServer server;
};

TEST_F(ImageCacheTest, MissDownloadsOnceThenHitsWithoutDownload)
{
    const QString url = server.url("/a/b/poster.jpg");
    auto requestor = fetch(url);
    ASSERT_EQ(requestor->images.size(), 1);
    EXPECT_EQ(requestor->images[0].first, url);
    EXPECT_EQ(requestor->images[0].second.pixelColor(5, 5), colorForPath("/a/b/poster.jpg"));
    EXPECT_TRUE(QFileInfo::exists(documents.filePath("poster.jpg")));

    Requestor second;
    const QImage hit = cache()->requestorImageUrl(&second, url);
    ASSERT_FALSE(hit.isNull());
    EXPECT_EQ(hit.pixelColor(5, 5), colorForPath("/a/b/poster.jpg"));
    QTest::qWait(50);
    EXPECT_EQ(second.calls(), 0);
    EXPECT_EQ(server.hits("/a/b/poster.jpg"), 1);
    EXPECT_EQ(requestor->calls(), 1);
}

TEST_F(ImageCacheTest, EveryRequestorWaitingForAnAddressIsCalledOnceFromOneDownload)
{
    const QString url = server.url("/slow/shared.jpg");
    Requestor first, second;
    EXPECT_TRUE(cache()->requestorImageUrl(&first, url).isNull());
    EXPECT_TRUE(cache()->requestorImageUrl(&second, url).isNull());
    EXPECT_TRUE(cache()->requestorImageUrl(&second, url).isNull());
    {
        // A requestor that goes away before the picture comes is simply not called.
        Requestor gone;
        cache()->requestorImageUrl(&gone, url);
    }
    server.release();
    ASSERT_TRUE(waitFor([&] { return first.calls() == 1 && second.calls() == 1; }));
    QTest::qWait(50);
    EXPECT_EQ(first.images.size(), 1);
    EXPECT_EQ(second.images.size(), 1);
    EXPECT_EQ(server.hits("/slow/shared.jpg"), 1);
    EXPECT_EQ(cache()->pendingDownloadCount(), 0);
}

TEST_F(ImageCacheTest, TheHundredAndFirstPictureEvictsTheLeastRecentlyUsed)
{
    for (int i = 0; i < QMImageCache::MaximumImageCount; ++i)
        fetch(server.url(QStringLiteral("/p/%1.png").arg(i)));
    ASSERT_EQ(cache()->indexEntries().size(), 100);

    // Picture 0 is used again, so picture 1 is now the oldest.
    Requestor requestor;
    EXPECT_FALSE(cache()->requestorImageUrl(&requestor, server.url("/p/0.png")).isNull());
    fetch(server.url("/p/100.png"));

    const QStringList urls = indexedUrls();
    EXPECT_EQ(urls.size(), 100);
    EXPECT_TRUE(urls.contains(server.url("/p/0.png")));
    EXPECT_FALSE(urls.contains(server.url("/p/1.png")));
    EXPECT_TRUE(urls.contains(server.url("/p/100.png")));
    EXPECT_FALSE(QFileInfo::exists(documents.filePath("1.png")));
    EXPECT_TRUE(QFileInfo::exists(documents.filePath("0.png")));
    EXPECT_TRUE(QFileInfo::exists(documents.filePath("100.png")));
}

TEST_F(ImageCacheTest, HostileFileNamesAreDeliveredButNeverWritten)
{
    QFile login(documents.filePath("LogInfo"));
    ASSERT_TRUE(login.open(QIODevice::WriteOnly));
    login.write("remembered member");
    login.close();
    fetch(server.url("/p/good.png"));
    ASSERT_TRUE(cache()->cacheDict());
    QFile index(documents.filePath("imageDict"));
    ASSERT_TRUE(index.open(QIODevice::ReadOnly));
    const QByteArray indexBefore = index.readAll();
    index.close();

    for (const char *path : {"/p/", "/p/.", "/p/..", "/p/imageDict", "/p/LOGINFO", "/p/userinfo"}) {
        auto requestor = fetch(server.url(QString::fromLatin1(path)));
        EXPECT_EQ(requestor->images.size(), 1) << path;
    }
    // A control character in the name: delivered or refused, but never written.
    fetch(server.url("/p/a\x01"
                     "b.png"));

    EXPECT_EQ(indexedUrls(), QStringList{server.url("/p/good.png")});
    ASSERT_TRUE(login.open(QIODevice::ReadOnly));
    EXPECT_EQ(login.readAll(), "remembered member");
    ASSERT_TRUE(index.open(QIODevice::ReadOnly));
    EXPECT_EQ(index.readAll(), indexBefore);
    EXPECT_FALSE(QFileInfo::exists(documents.filePath("userinfo")));
    const QStringList files = QDir(documents.path()).entryList(QDir::Files);
    EXPECT_EQ(files, (QStringList{"good.png", "imageDict", "LogInfo"}));
}

TEST_F(ImageCacheTest, WhatIsNoPictureFailsAndIsNotKept)
{
    const QStringList failing{
        server.url("/html/poster.jpg"),     // an error page
        server.url("/big/poster2.jpg"),     // over 2 MiB, announced
        server.url("/chunked/poster3.jpg"), // over 2 MiB, streamed
        QStringLiteral("file:///etc/passwd"), QStringLiteral("ftp://127.0.0.1/poster4.jpg"),
        QStringLiteral("poster5.jpg"),        QString(),
    };
    for (const QString &url : failing) {
        auto requestor = fetch(url);
        EXPECT_EQ(requestor->failures, QStringList{url}) << qPrintable(url);
        EXPECT_TRUE(requestor->images.isEmpty()) << qPrintable(url);
    }
    EXPECT_TRUE(cache()->indexEntries().isEmpty());
    EXPECT_TRUE(QDir(documents.path()).entryList(QDir::Files).isEmpty());

    // A failure is not remembered: the next request tries again.
    fetch(server.url("/html/poster.jpg"));
    EXPECT_EQ(server.hits("/html/poster.jpg"), 2);
}

TEST_F(ImageCacheTest, AddressesSharingAFileNameNeverShowEachOthersPicture)
{
    fetch(server.url("/a/poster.jpg"));
    fetch(server.url("/b/poster.jpg"));
    EXPECT_EQ(indexedUrls(), QStringList{server.url("/b/poster.jpg")});

    Requestor requestor;
    EXPECT_TRUE(cache()->requestorImageUrl(&requestor, server.url("/a/poster.jpg")).isNull());
    ASSERT_TRUE(waitFor([&] { return requestor.calls() == 1; }));
    EXPECT_EQ(requestor.images.at(0).second.pixelColor(1, 1), colorForPath("/a/poster.jpg"));
    EXPECT_EQ(server.hits("/a/poster.jpg"), 2);
}

TEST_F(ImageCacheTest, ARestartKeepsTheIndexLastWritten)
{
    fetch(server.url("/p/kept.png"));
    ASSERT_TRUE(cache()->cacheDict());
    fetch(server.url("/p/late.png")); // stored after the index was written
    QMImageCache::CloseCache();

    Requestor requestor;
    const QImage kept = cache()->requestorImageUrl(&requestor, server.url("/p/kept.png"));
    EXPECT_EQ(kept.pixelColor(1, 1), colorForPath("/p/kept.png"));
    EXPECT_TRUE(cache()->requestorImageUrl(&requestor, server.url("/p/late.png")).isNull());
    ASSERT_TRUE(waitFor([&] { return requestor.calls() == 1; }));
    EXPECT_EQ(server.hits("/p/kept.png"), 1);
    EXPECT_EQ(server.hits("/p/late.png"), 2);
}

TEST_F(ImageCacheTest, AnUnchangedIndexIsNotWrittenAgainButALostOneIs)
{
    const QString indexFile = documents.filePath("imageDict");
    fetch(server.url("/p/one.png"));
    ASSERT_TRUE(cache()->cacheDict());
    const auto written = [&] {
        QFile file(indexFile);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    ASSERT_TRUE(written().contains("one.png"));

    // Focus going back and forth changes nothing: the file is left alone.
    QFile marked(indexFile);
    ASSERT_TRUE(marked.open(QIODevice::WriteOnly | QIODevice::Truncate));
    marked.write("[]");
    marked.close();
    ASSERT_TRUE(cache()->cacheDict());
    EXPECT_EQ(written(), QByteArray("[]"));

    // A new picture, or a touch that changes the order of eviction, is written.
    fetch(server.url("/p/two.png"));
    ASSERT_TRUE(cache()->cacheDict());
    EXPECT_TRUE(written().contains("two.png"));
    Requestor requestor;
    ASSERT_FALSE(cache()->requestorImageUrl(&requestor, server.url("/p/one.png")).isNull());
    ASSERT_TRUE(cache()->cacheDict());
    EXPECT_LT(written().indexOf("two.png"), written().indexOf("one.png"));

    // A file removed behind the cache's back is written again, changed or not.
    ASSERT_TRUE(QFile::remove(indexFile));
    ASSERT_TRUE(cache()->cacheDict());
    EXPECT_TRUE(written().contains("one.png"));
}

TEST_F(ImageCacheTest, AFileLostBehindTheCachesBackIsFetchedAgain)
{
    fetch(server.url("/p/lost.png"));
    ASSERT_TRUE(QFile::remove(documents.filePath("lost.png")));
    auto again = fetch(server.url("/p/lost.png"));
    EXPECT_EQ(again->images.size(), 1);
    EXPECT_EQ(server.hits("/p/lost.png"), 2);
    EXPECT_TRUE(QFileInfo::exists(documents.filePath("lost.png")));
}

TEST_F(ImageCacheTest, AnIndexNamingOtherFilesIsIgnoredAndNothingElseIsDeleted)
{
    QTemporaryDir outside;
    const QString victim = outside.filePath("victim.jpg");
    QFile(victim).open(QIODevice::WriteOnly);
    QFile::link(victim, documents.filePath("link.jpg"));
    QFile(documents.filePath("LogInfo")).open(QIODevice::WriteOnly);
    QDir(documents.path()).mkdir("folder.jpg");
    QFile(documents.filePath("ok.png")).open(QIODevice::WriteOnly);

    auto entry = [](const QString &url, const QString &path) {
        return QJsonObject{{"url", url}, {"path", path}};
    };
    const QJsonArray index{
        entry("http://h/x/victim.jpg", victim),
        entry("http://h/x/passwd", "/etc/passwd"),
        entry("http://h/x/LogInfo", documents.filePath("LogInfo")),
        entry("http://h/x/../LogInfo", documents.filePath("x/../LogInfo")),
        entry("http://h/x/ok.png", documents.filePath("other.png")),
        entry("http://h/x/link.jpg", documents.filePath("link.jpg")),
        entry("http://h/x/folder.jpg", documents.filePath("folder.jpg")),
        entry("http://h/x/ok.png", documents.filePath("ok.png")),
        QJsonValue(42),
    };
    QFile file(documents.filePath("imageDict"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QJsonDocument(index).toJson());
    file.close();

    EXPECT_EQ(indexedUrls(),
              (QStringList{"http://h/x/link.jpg", "http://h/x/folder.jpg", "http://h/x/ok.png"}));
    cache()->removeAll();
    EXPECT_TRUE(QFileInfo::exists(victim));
    EXPECT_TRUE(QFileInfo(documents.filePath("link.jpg")).isSymLink());
    EXPECT_TRUE(QFileInfo(documents.filePath("folder.jpg")).isDir());
    EXPECT_TRUE(QFileInfo::exists(documents.filePath("LogInfo")));
    EXPECT_FALSE(QFileInfo::exists(documents.filePath("ok.png")));

    // Garbage in place of the index: an empty cache.
    QMImageCache::CloseCache();
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x00\xff garbage {[", 12);
    file.close();
    EXPECT_TRUE(cache()->indexEntries().isEmpty());
}

TEST_F(ImageCacheTest, ClosingWithDownloadsRunningCallsNoOneAndReopensCleanly)
{
    Requestor requestor;
    for (int i = 0; i < 6; ++i) // more than the pool runs at once
        cache()->requestorImageUrl(&requestor, server.url(QStringLiteral("/slow/%1.png").arg(i)));
    ASSERT_TRUE(waitFor([&] { return server.hits("/slow/0.png") == 1; }));
    QMImageCache::CloseCache();
    server.release();
    QTest::qWait(100);
    QCoreApplication::processEvents();
    EXPECT_EQ(requestor.calls(), 0);

    auto after = fetch(server.url("/p/after.png"));
    EXPECT_EQ(after->images.size(), 1);
}

TEST_F(ImageCacheTest, CancellingDropsOnlyDownloadsNotStarted)
{
    Requestor requestor;
    for (int i = 0; i < 6; ++i)
        cache()->requestorImageUrl(&requestor, server.url(QStringLiteral("/slow/%1.png").arg(i)));
    ASSERT_TRUE(waitFor([&] {
        int started = 0;
        for (int i = 0; i < 6; ++i)
            started += server.hits(QStringLiteral("/slow/%1.png").arg(i).toStdString());
        return started == QMImageCache::DownloadThreadCount;
    }));
    cache()->cancelAllRequest();
    EXPECT_EQ(cache()->pendingDownloadCount(), QMImageCache::DownloadThreadCount);
    server.release();
    ASSERT_TRUE(waitFor([&] { return requestor.calls() == QMImageCache::DownloadThreadCount; }));
    EXPECT_EQ(cache()->pendingDownloadCount(), 0);
}

TEST_F(ImageCacheTest, ASilentServerFailsAfterTheTimeOut)
{
    cache()->setDownloadTimeout(300);
    auto requestor = fetch(server.url("/slow/silent.png"));
    EXPECT_EQ(requestor->failures.size(), 1);
    EXPECT_TRUE(cache()->indexEntries().isEmpty());
}

TEST_F(ImageCacheTest, EndlessBodiesStopAtTheCapAsTheyArrive)
{
    // What the system buffers between the two ends comes on top of the cap; a body read to its
    // end would be a gigabyte.
    constexpr qint64 kSlack = 16 * 1024 * 1024;
    for (const char *path : {"/endless/poster.png", "/declared/poster.png"}) {
        const qint64 before = server.poured();
        auto requestor = fetch(server.url(path));
        EXPECT_EQ(requestor->failures.size(), 1) << path;
        EXPECT_LT(server.poured() - before, QMImageLoaderOperation::MaximumBodySize + kSlack)
            << path;
    }
    EXPECT_TRUE(cache()->indexEntries().isEmpty());
}

TEST_F(ImageCacheTest, ARedirectLoopEndsAfterFiveRedirects)
{
    auto requestor = fetch(server.url("/redirect/0/p.png"));
    EXPECT_EQ(requestor->failures.size(), 1);
    QTest::qWait(100);
    EXPECT_EQ(server.hits("/redirect/5/p.png"), 1);
    EXPECT_EQ(server.hits("/redirect/6/p.png"), 0);
    EXPECT_EQ(requestor->calls(), 1);
}

TEST_F(ImageCacheTest, APictureDeclaringAnOutsizeSizeIsRefusedWithoutDecoding)
{
    // 5600 x 5600 in a few kilobytes. Decoding it would run into Qt's allocation limit, lowered
    // here so that Qt says so; a picture refused by its header first leaves Qt nothing to say.
    static std::atomic<int> rejections = 0;
    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(8);
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &text) {
            if (text.contains(QLatin1String("allocation limit")))
                ++rejections;
        });
    auto requestor = fetch(server.url("/giant/huge.png"));
    qInstallMessageHandler(previous);
    QImageReader::setAllocationLimit(limit);

    EXPECT_EQ(requestor->failures.size(), 1);
    EXPECT_EQ(rejections, 0);
    EXPECT_TRUE(cache()->indexEntries().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(documents.filePath("huge.png")));
}

TEST_F(ImageCacheTest, PicturesAreDecodedNoLargerThanTheirRequestorShowsThem)
{
    const QString url = server.url("/tall/m1.png"); // 600 x 800
    Requestor cover;
    EXPECT_TRUE(cache()->requestorImageUrl(&cover, url, QSize(150, 200)).isNull());
    ASSERT_TRUE(waitFor([&] { return cover.calls() == 1; }));
    ASSERT_EQ(cover.images.size(), 1);
    EXPECT_EQ(cover.images[0].second.size(), QSize(150, 200));
    EXPECT_EQ(cover.images[0].second.pixelColor(75, 100), colorForPath("/tall/m1.png"));

    // The file keeps the picture as it came: another screen reads it at the size it shows.
    Requestor other;
    EXPECT_EQ(cache()->requestorImageUrl(&other, url).size(), QSize(600, 800));
    EXPECT_EQ(cache()->requestorImageUrl(&other, url, QSize(100, 131)).size(), QSize(100, 133));
    EXPECT_EQ(cache()->requestorImageUrl(&other, url, QSize(900, 900)).size(), QSize(600, 800));
    EXPECT_EQ(server.hits("/tall/m1.png"), 1);
}

TEST_F(ImageCacheTest, OneDownloadIsDecodedLargeEnoughForEveryoneWaitingForIt)
{
    const QString url = server.url("/slow/tall/m2.png");
    Requestor small, large, whole;
    cache()->requestorImageUrl(&small, url, QSize(150, 200));
    cache()->requestorImageUrl(&large, url, QSize(300, 400));
    server.release();
    ASSERT_TRUE(waitFor([&] { return small.calls() == 1 && large.calls() == 1; }));
    EXPECT_EQ(small.images.at(0).second.size(), QSize(300, 400));
    EXPECT_EQ(large.images.at(0).second.size(), QSize(300, 400));

    // Whoever wants the whole picture gets it whole.
    server.hold();
    const QString other = server.url("/slow/tall/m3.png");
    cache()->requestorImageUrl(&small, other, QSize(150, 200));
    cache()->requestorImageUrl(&whole, other);
    server.release();
    ASSERT_TRUE(waitFor([&] { return small.calls() == 2 && whole.calls() == 1; }));
    EXPECT_EQ(whole.images.at(0).second.size(), QSize(600, 800));
    EXPECT_EQ(server.hits("/slow/tall/m2.png"), 1);
}

TEST(ImageDecoder, DecodesJustLargeEnoughToCoverItsBoxWithinTheLimits)
{
    EXPECT_EQ(QMImageDecoder::decodedSize({600, 800}, {150, 200}), QSize(150, 200));
    EXPECT_EQ(QMImageDecoder::decodedSize({800, 600}, {150, 200}), QSize(266, 200));
    EXPECT_EQ(QMImageDecoder::decodedSize({100, 100}, {150, 200}), QSize(100, 100));
    EXPECT_EQ(QMImageDecoder::decodedSize({600, 800}, {}), QSize(600, 800));

    EXPECT_TRUE(QMImageDecoder::isAcceptableSize({4096, 1024}));
    EXPECT_FALSE(QMImageDecoder::isAcceptableSize({4097, 10}));
    EXPECT_FALSE(QMImageDecoder::isAcceptableSize({2048, 2049}));
    EXPECT_FALSE(QMImageDecoder::isAcceptableSize({0, 0}));
    EXPECT_FALSE(QMImageDecoder::isAcceptableSize({}));

    EXPECT_EQ(QMImageDecoder::decode(QMTestHttpServer::png(Qt::red, {600, 800}), {150, 200}).size(),
              QSize(150, 200));
    EXPECT_TRUE(QMImageDecoder::decode(blackGreyPng(5600, 5600)).isNull());
    EXPECT_TRUE(QMImageDecoder::decode(QMTestHttpServer::png(Qt::red, {30, 45}).left(40)).isNull());
    EXPECT_TRUE(QMImageDecoder::decode("<html></html>").isNull());
}

TEST(ImageCachePaths, TheFileIsTheLastComponentOfTheAddress)
{
    QMTestDocuments documents;
    EXPECT_EQ(QMImageCache::cacheFilePathForUrl("http://h/a/b/poster.jpg"),
              documents.filePath("poster.jpg"));
    EXPECT_EQ(QMImageCache::cacheFilePathForUrl("poster.jpg"), documents.filePath("poster.jpg"));
    EXPECT_FALSE(QMImageCache::isStorableFileName(""));
    EXPECT_FALSE(QMImageCache::isStorableFileName("ImageDICT"));
    EXPECT_FALSE(QMImageCache::isStorableFileName(QStringLiteral("a\tb")));
    EXPECT_FALSE(QMImageCache::isStorableFileName(QStringLiteral("a\u0085b")));
    EXPECT_TRUE(QMImageCache::isStorableFileName("m1001_s.jpg"));
    EXPECT_TRUE(QMImageCache::isStorableFileName(".hidden.png"));
}

} // namespace
