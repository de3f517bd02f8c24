#include "films/MovieList.h"
#include "films/QMMovieInfoProvider.h"
#include "films/QMOnPlayListProvider.h"
#include "films/QMToPlayListProvider.h"
#include "films/movie.h"
#include "net/QMDataProvider.h"

#include "QMTestHttpServer.h"

#include <QTest>
#include <QUrlQuery>

#include <gtest/gtest.h>

namespace {
class ComingSoonRecorder : public QObject, public QMToPlayListProviderDelegate
{
public:
    void listProviderDidReceivedMovieList(QMToPlayListProvider *,
                                          const std::shared_ptr<MovieList> &l) override
    {
        list = l;
        ++calls;
    }
    void listProviderDidRunIntoError(QMToPlayListProvider *,
                                     const std::optional<QMError> &) override
    {
        ++failures;
        ++calls;
    }
    std::shared_ptr<MovieList> list;
    int calls = 0;
    int failures = 0;
};

class FilmRecorder : public QObject, public QMMovieInfoProviderDelegate
{
public:
    void movieInfoProviderDidReceivedMovieInfo(QMMovieInfoProvider *,
                                               const std::shared_ptr<movie> &m) override
    {
        film = m;
        ++calls;
    }
    void movieInfoProviderDidRunInfoError(QMMovieInfoProvider *,
                                          const std::optional<QMError> &) override
    {
        ++failures;
        ++calls;
    }
    std::shared_ptr<movie> film;
    int calls = 0;
    int failures = 0;
};

class FilmProviders : public ::testing::Test
{
protected:
    void SetUp() override { QMDataProvider::setBaseAddressForTesting(server.baseUrl()); }
    void TearDown() override
    {
        QMDataProvider::CloseDataProvider();
        QMDataProvider::setBaseAddressForTesting({});
    }
    QMTestHttpServer server;
};
} // namespace

TEST_F(FilmProviders, NowShowingRenamesEveryElementEndingInMovie)
{
    QMOnPlayListProvider provider;
    const QString rewritten = provider.trimXMLString(QStringLiteral(
        "<data><movieList><movie><moviename>x</moviename></movie></movieList></data>"));
    EXPECT_EQ(rewritten, QStringLiteral("<data><movieList><movieListArray><simplemovie><moviename>x"
                                        "</moviename></simplemovie></movieListArray></movieList>"
                                        "</data>"));
    QMToPlayListProvider soon;
    EXPECT_EQ(soon.trimXMLString(QStringLiteral("<newmovie></newmovie>")),
              QStringLiteral("<newSimplemovie></newSimplemovie>"));
}

TEST_F(FilmProviders, ComingSoonSendsPagingAndTakesAnEmptyListAsSuccess)
{
    server.setAnswer(QStringLiteral("/shanghai/api/movie/futureMovieList.xhtml"),
                     {200, "<data><movieList></movieList></data>"});
    auto provider = std::make_shared<QMToPlayListProvider>();
    ComingSoonRecorder recorder;
    provider->playListDelegate = &recorder;
    provider->from = 0;
    provider->maxnum = 20;
    provider->sendRequest();
    ASSERT_TRUE(QTest::qWaitFor([&] { return recorder.calls == 1; }, 15000));
    EXPECT_EQ(recorder.failures, 0);
    ASSERT_TRUE(recorder.list);
    EXPECT_TRUE(recorder.list->movieListArray.isEmpty());

    const QUrlQuery query(QUrl::fromEncoded(server.requests().at(0)));
    EXPECT_EQ(query.queryItemValue(QStringLiteral("charging")), QStringLiteral("times"));
    EXPECT_EQ(query.queryItemValue(QStringLiteral("from")), QStringLiteral("0"));
    EXPECT_EQ(query.queryItemValue(QStringLiteral("maxnum")), QStringLiteral("20"));
    EXPECT_EQ(query.queryItems().last().first, QStringLiteral("encryptCode"));
}

TEST_F(FilmProviders, ComingSoonWithoutRootIsAFailure)
{
    server.setAnswer(QStringLiteral("/shanghai/api/movie/futureMovieList.xhtml"),
                     {200, "<error>no</error>"});
    auto provider = std::make_shared<QMToPlayListProvider>();
    ComingSoonRecorder recorder;
    provider->playListDelegate = &recorder;
    provider->sendRequest();
    ASSERT_TRUE(QTest::qWaitFor([&] { return recorder.calls == 1; }, 15000));
    EXPECT_EQ(recorder.failures, 1);
}

TEST_F(FilmProviders, FilmRecordIsMappedThroughItsWrapper)
{
    server.setAnswer(QStringLiteral("/shanghai/api/movie/movie.xhtml"),
                     {200, "<?xml version=\"1.0\" encoding=\"UTF-8\"?><data><movie>"
                           "<movieid>42</movieid><moviename>长安</moviename>"
                           "<content>一段&gt;剧情</content><cinemanum>12</cinemanum>"
                           "</movie></data>"});
    auto provider = std::make_shared<QMMovieInfoProvider>();
    FilmRecorder recorder;
    provider->movieInfoDelegate = &recorder;
    provider->requestForMovie(QString());
    QTest::qWait(100);
    EXPECT_EQ(recorder.calls, 0);
    EXPECT_TRUE(server.requests().isEmpty());

    provider->requestForMovie(QStringLiteral("42"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return recorder.calls == 1; }, 15000));
    ASSERT_TRUE(recorder.film);
    EXPECT_EQ(recorder.film->moviename, QStringLiteral("长安"));
    EXPECT_EQ(recorder.film->content, QStringLiteral("一段>剧情"));
    EXPECT_EQ(recorder.film->cinemanum, 12);
    EXPECT_TRUE(server.requests().at(0).contains("movieid=42&service=all&charging=times&key="));
}
