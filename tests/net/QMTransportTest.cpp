#include "films/MovieList.h"
#include "films/QMMovieInfoProvider.h"
#include "films/QMOnPlayListProvider.h"
#include "films/QMToPlayListProvider.h"
#include "films/movie.h"
#include "net/QMConnectionRequestor.h"
#include "net/QMDataProvider.h"
#include "net/QMRequestData.h"
#include "services/QMNotificationCenter.h"

#include "QMProviderTestCase.h"

#include <QNetworkReply>
#include <QTcpServer>
#include <QTest>

#include <gtest/gtest.h>

namespace {
const QString kNowShowingPath = QStringLiteral("/shanghai/api/movie/playNowMovieList.xhtml");

QByteArray filmsAnswer(const QStringList &names)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><data><movieList>";
    for (const QString &name : names)
        xml += "<movie><movieid>" + name.toUtf8() + "</movieid><moviename>" + name.toUtf8() +
               "</moviename><cinemanum>3</cinemanum></movie>";
    return xml + "</movieList></data>";
}

// Records what a now-showing provider and the notification centre tell, in order.
class NowShowingRecorder : public QObject, public QMOnPlayListProviderDelegate
{
public:
    NowShowingRecorder()
    {
        QMNotificationCenter::defaultCenter().addObserver(this, kOnPlayListNotification,
                                                          [this](QObject *) { log << "posted"; });
    }
    void onPlayListProviderDidReceivedMovieList(QMOnPlayListProvider *,
                                                const std::shared_ptr<MovieList> &l) override
    {
        list = l;
        log << "list";
    }
    void onPlayListProviderDidRunIntoError(QMOnPlayListProvider *,
                                           const std::optional<QMError> &e) override
    {
        error = e;
        log << (e ? "error" : "failure");
    }

    QStringList log;
    std::shared_ptr<MovieList> list;
    std::optional<QMError> error;
};

class Transport : public QMProviderTestCase
{
protected:
    bool waitForLog(const NowShowingRecorder &r, int entries)
    {
        return QTest::qWaitFor([&] { return r.log.size() >= entries; }, 15000);
    }

    std::shared_ptr<QMOnPlayListProvider> provider = std::make_shared<QMOnPlayListProvider>();
    NowShowingRecorder recorder;
};
} // namespace

TEST_F(Transport, MapsAnAnswerAndPostsTheNotificationAfterTheDelegate)
{
    server.setAnswer(kNowShowingPath, {200, filmsAnswer({"甲", "乙", "丙"})});
    provider->playListDelegate = &recorder;
    provider->sendRequest();
    EXPECT_TRUE(recorder.log.isEmpty()); // never from inside the call
    ASSERT_TRUE(waitForLog(recorder, 2));
    EXPECT_EQ(recorder.log, QStringList({"list", "posted"}));
    ASSERT_EQ(recorder.list->movieListArray.size(), 3);
    EXPECT_EQ(recorder.list->movieListArray[1]->moviename, QStringLiteral("乙"));
    EXPECT_EQ(recorder.list->movieListArray[1]->cinemanum, 3);
    ASSERT_EQ(server.requests().size(), 1);
    EXPECT_TRUE(server.requests()[0].startsWith("/shanghai/api/movie/playNowMovieList.xhtml?key="));
}

TEST_F(Transport, HttpErrorStatusIsAnAnswerThatDoesNotMap)
{
    server.setAnswer(kNowShowingPath, {500, "<html><body><h1>500</h1></body></html>", "text/html"});
    provider->playListDelegate = &recorder;
    provider->sendRequest();
    ASSERT_TRUE(waitForLog(recorder, 2));
    EXPECT_EQ(recorder.log, QStringList({"failure", "posted"}));
}

TEST_F(Transport, TheBodyOfAnyErrorStatusIsTheAnswer)
{
    provider->playListDelegate = &recorder;
    const QList<int> statuses{400, 404, 407, 418, 500, 503};
    for (const int status : statuses) {
        server.setAnswer(kNowShowingPath, {status, filmsAnswer({"A"})});
        provider->sendRequest();
        ASSERT_TRUE(waitForLog(recorder, 2 * int(statuses.indexOf(status) + 1))) << status;
    }
    EXPECT_EQ(recorder.log.count("list"), statuses.size()) << recorder.log.join(' ').toStdString();
}

TEST_F(Transport, EmptyBodyOrEmptyListIsAFailureWithoutError)
{
    server.setAnswer(kNowShowingPath, {200, ""});
    provider->playListDelegate = &recorder;
    provider->sendRequest();
    ASSERT_TRUE(waitForLog(recorder, 2));
    server.setAnswer(kNowShowingPath, {200, filmsAnswer({})});
    provider->sendRequest();
    ASSERT_TRUE(waitForLog(recorder, 4));
    EXPECT_EQ(recorder.log, QStringList({"failure", "posted", "failure", "posted"}));
}

TEST_F(Transport, TwoIdenticalRequestsInFlightBothArriveOnce)
{
    server.setAnswer(kNowShowingPath, {200, filmsAnswer({"A"}), "text/xml", 200});
    provider->playListDelegate = &recorder;
    provider->sendRequest();
    provider->sendRequest();
    QMConnectionRequestor &requestor = QMDataProvider::DataProvider()->connectionRequestor();
    EXPECT_EQ(requestor.requestsInFlight(), 2);
    ASSERT_TRUE(waitForLog(recorder, 4));
    QTest::qWait(300);
    EXPECT_EQ(recorder.log, QStringList({"list", "posted", "list", "posted"}));
    EXPECT_EQ(requestor.requestsInFlight(), 0);

    // Once nothing is in flight the transport no longer holds the provider.
    std::weak_ptr<QMOnPlayListProvider> weak = provider;
    provider.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(weak.expired());
}

TEST_F(Transport, KeepsTheProviderAliveWhileInFlight)
{
    server.setAnswer(kNowShowingPath, {200, filmsAnswer({"A"}), "text/xml", 100});
    provider->playListDelegate = &recorder;
    provider->sendRequest();
    std::weak_ptr<QMOnPlayListProvider> weak = provider;
    provider.reset();
    EXPECT_FALSE(weak.expired());
    ASSERT_TRUE(waitForLog(recorder, 2));
    EXPECT_EQ(recorder.log, QStringList({"list", "posted"}));
}

TEST_F(Transport, RefusedConnectionFailsWithTheTransportError)
{
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost, 0);
    const quint16 port = closed.serverPort();
    closed.close();
    QMDataProvider::setBaseAddressForTesting(
        QStringLiteral("http://127.0.0.1:%1/shanghai/api/").arg(port));
    provider->playListDelegate = &recorder;
    provider->sendRequest();
    ASSERT_TRUE(waitForLog(recorder, 2));
    EXPECT_EQ(recorder.log, QStringList({"error", "posted"}));
    ASSERT_TRUE(recorder.error);
    EXPECT_NE(recorder.error->code(), -1);
}

TEST_F(Transport, AnswerOverTheCapFailsWithoutError)
{
    QByteArray huge = filmsAnswer({"A"});
    huge.append(QByteArray(QMRequestData::kMaxAnswerBytes, ' '));
    server.setAnswer(kNowShowingPath, {200, huge});
    provider->playListDelegate = &recorder;
    provider->sendRequest();
    ASSERT_TRUE(waitForLog(recorder, 2));
    EXPECT_EQ(recorder.log, QStringList({"failure", "posted"}));
    EXPECT_FALSE(recorder.error);
}

TEST_F(Transport, InvalidAddressFailsFromTheRunLoopWithoutSending)
{
    QMDataProvider::setBaseAddressForTesting(QStringLiteral("http://bad host/shanghai/api/"));
    provider->sendRequest();
    // The delegate is set after the call and still hears of the failure.
    provider->playListDelegate = &recorder;
    ASSERT_TRUE(waitForLog(recorder, 2));
    EXPECT_EQ(recorder.log, QStringList({"failure", "posted"}));
    EXPECT_TRUE(server.requests().isEmpty());
}

TEST_F(Transport, AnswerForAGoneDelegateIsDroppedAndStillAnnounced)
{
    server.setAnswer(kNowShowingPath, {200, filmsAnswer({"A"}), "text/xml", 50});
    int posted = 0;
    QObject observer;
    QMNotificationCenter::defaultCenter().addObserver(&observer, kOnPlayListNotification,
                                                      [&](QObject *) { ++posted; });
    {
        auto gone = std::make_unique<NowShowingRecorder>();
        provider->playListDelegate = gone.get();
        provider->sendRequest();
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return posted == 1; }, 15000));
}

TEST_F(Transport, CancelledRequestDeliversNothing)
{
    server.setAnswer(kNowShowingPath, {200, filmsAnswer({"A"}), "text/xml", 100});
    provider->playListDelegate = &recorder;
    provider->sendRequest();
    QMConnectionRequestor &requestor = QMDataProvider::DataProvider()->connectionRequestor();
    ASSERT_EQ(requestor.requestsInFlight(), 1);
    requestor.cancelRequest(1);
    QTest::qWait(400);
    EXPECT_TRUE(recorder.log.isEmpty());
    EXPECT_EQ(requestor.requestsInFlight(), 0);
}

TEST_F(Transport, ClosingTheRequestBuilderWithRequestsInFlightIsSilent)
{
    server.setAnswer(kNowShowingPath, {200, filmsAnswer({"A"}), "text/xml", 100});
    provider->playListDelegate = &recorder;
    provider->sendRequest();
    QMDataProvider::CloseDataProvider();
    QTest::qWait(400);
    EXPECT_TRUE(recorder.log.isEmpty());
}

TEST_F(Transport, ABodyCutOffBeforeItsAnnouncedLengthFailsWithTheTransportError)
{
    QMTestHttpServer::Answer reset{200, filmsAnswer({"A", "B", "C"})};
    reset.delivery = QMTestHttpServer::Delivery::ResetMidBody;
    server.setAnswer(kNowShowingPath, reset);
    provider->playListDelegate = &recorder;
    provider->sendRequest();
    ASSERT_TRUE(waitForLog(recorder, 2));
    EXPECT_EQ(recorder.log, QStringList({"error", "posted"}));
    EXPECT_EQ(recorder.error->code(), int(QNetworkReply::RemoteHostClosedError));
}

TEST_F(Transport, SilenceAfterTheHeadersAndATrickleBothEndWithATimeOut)
{
    QMConnectionRequestor &requestor = QMDataProvider::DataProvider()->connectionRequestor();
    provider->playListDelegate = &recorder;
    const QByteArray films = filmsAnswer({"A", "B", "C"});

    QMTestHttpServer::Answer silence{200, films};
    silence.delivery = QMTestHttpServer::Delivery::Silence;
    server.setAnswer(kNowShowingPath, silence);
    requestor.setTimeouts(200, 60000);
    provider->sendRequest();
    ASSERT_TRUE(waitForLog(recorder, 2));
    EXPECT_EQ(recorder.error->code(), int(QNetworkReply::TimeoutError));

    // A byte every 20 ms never lets the silence time-out fire: only the deadline ends it, long
    // before the body is through.
    QMTestHttpServer::Answer trickle{200, films};
    trickle.delivery = QMTestHttpServer::Delivery::Trickle;
    trickle.trickleIntervalMs = 20;
    server.setAnswer(kNowShowingPath, trickle);
    requestor.setTimeouts(2000, 300);
    const qint64 sentBefore = server.bytesSent();
    provider->sendRequest();
    ASSERT_TRUE(waitForLog(recorder, 4));
    EXPECT_EQ(recorder.log, QStringList({"error", "posted", "error", "posted"}));
    EXPECT_EQ(recorder.error->code(), int(QNetworkReply::TimeoutError));
    EXPECT_LT(server.bytesSent() - sentBefore, films.size());
    EXPECT_EQ(requestor.requestsInFlight(), 0);
}

TEST_F(Transport, ARedirectLoopEndsAfterFiveRedirectsWithOneFailure)
{
    server.setHandler([&](const QByteArray &target) {
        const int hop = target.startsWith("/loop/") ? target.mid(6).toInt() : 0;
        QMTestHttpServer::Answer redirect{302, {}};
        redirect.location = server.url(QStringLiteral("/loop/%1").arg(hop + 1)).toUtf8();
        return redirect;
    });
    provider->playListDelegate = &recorder;
    provider->sendRequest();
    ASSERT_TRUE(waitForLog(recorder, 2));
    QTest::qWait(100);
    EXPECT_EQ(recorder.log, QStringList({"error", "posted"}));
    EXPECT_EQ(recorder.error->code(), int(QNetworkReply::TooManyRedirectsError));
    EXPECT_EQ(server.requests().size(), 1 + QMRequestData::kMaxRedirects);
}

TEST_F(Transport, AnEndlessAnswerIsNotReadFarPastTheCap)
{
    // Whatever the system buffers between the two ends comes on top of the cap; an answer read
    // to its end would be a gigabyte.
    constexpr qint64 kSlack = 8 * 1024 * 1024;
    QMTestHttpServer::Answer endless{200, {}};
    endless.delivery = QMTestHttpServer::Delivery::Endless;
    server.setAnswer(kNowShowingPath, endless);
    provider->playListDelegate = &recorder;
    provider->sendRequest();
    ASSERT_TRUE(waitForLog(recorder, 2));
    EXPECT_EQ(recorder.log, QStringList({"failure", "posted"}));
    EXPECT_LT(server.bytesSent(), QMRequestData::kMaxAnswerBytes + kSlack);

    // One that announces a gigabyte is refused at its headers.
    endless.declaredLength = qint64(1) << 30;
    server.setAnswer(kNowShowingPath, endless);
    const qint64 sentBefore = server.bytesSent();
    provider->sendRequest();
    ASSERT_TRUE(waitForLog(recorder, 4));
    EXPECT_EQ(recorder.log.mid(2), QStringList({"failure", "posted"}));
    EXPECT_LT(server.bytesSent() - sentBefore, kSlack);
}
