#include "films/MovieList.h"
#include "films/QMMovieInfoProvider.h"
#include "films/QMOnPlayListProvider.h"
#include "films/QMToPlayListProvider.h"
#include "films/movie.h"

#include "QMProviderTestCase.h"
#include "QMTestRecorders.h"

#include <QTest>
#include <QUrlQuery>

#include <gtest/gtest.h>

using FilmProviders = QMProviderTestCase;

TEST_F(FilmProviders, NowShowingRenamesEveryElementEndingInMovie)
{
    QMOnPlayListProvider provider;
    const QByteArray rewritten = provider.trimXMLString(
        "<data><movieList><movie><moviename>x</moviename></movie></movieList></data>");
    EXPECT_EQ(rewritten, QByteArray("<data><movieList><movieListArray><simplemovie><moviename>x"
                                    "</moviename></simplemovie></movieListArray></movieList>"
                                    "</data>"));
    QMToPlayListProvider soon;
    EXPECT_EQ(soon.trimXMLString("<newmovie></newmovie>"),
              QByteArray("<newSimplemovie></newSimplemovie>"));
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
    ASSERT_TRUE(recorder.record);
    EXPECT_TRUE(recorder.record->movieListArray.isEmpty());

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
    ASSERT_TRUE(recorder.record);
    EXPECT_EQ(recorder.record->moviename, QStringLiteral("长安"));
    EXPECT_EQ(recorder.record->content, QStringLiteral("一段>剧情"));
    EXPECT_EQ(recorder.record->cinemanum, 12);
    EXPECT_TRUE(server.requests().at(0).contains("movieid=42&service=all&charging=times&key="));
}
