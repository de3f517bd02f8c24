#include "films/MovieList.h"
#include "films/QMOnPlayListProvider.h"
#include "films/Simplemovie.h"
#include "net/QMXMLRewrite.h"

#include "QMTestRecorders.h"

#include <QNetworkRequest>
#include <QString>

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace {
using Pairs = std::initializer_list<QMXMLRewrite::Pair>;

// What the rewrite did before it worked on bytes: decoded text, pair after pair.
QByteArray pairByPair(const QByteArray &utf8, Pairs pairs)
{
    QString text = QString::fromUtf8(utf8);
    for (const auto &[from, to] : pairs)
        text.replace(QLatin1StringView(from), QLatin1StringView(to));
    return text.toUtf8();
}
} // namespace

TEST(XMLRewrite, GivesWhatThePairByPairRewriteOfTheDecodedTextGave)
{
    const Pairs nowShowing = {{"movie>", "simplemovie>"},
                              {"<movieList>", "<movieList><movieListArray>"},
                              {"</movieList>", "</movieListArray></movieList>"}};
    const Pairs wrapOnly = {{"<data>", "<data><bookInfo>"}, {"</data>", "</bookInfo></data>"}};
    const std::vector<QByteArray> answers = {
        // Multi-byte characters right before and after every pattern and in the middle of text.
        "<data><movieList><movie><moviename>星际归途movie>影</moviename></movie>"
        "<movie><actors>李明</actors></movie></movieList></data>",
        // A pattern at the very start and end, matches back to back, a lone '>'.
        "movie>movie><movieList></movieList>>movie>",
        // Entities are not decoded before the rewrite, CDATA is rewritten like any text.
        "<data><x>movie&gt; &lt;movieList&gt;</x><![CDATA[<movie>]]></data>",
        // A 4-byte character (outside the basic plane) and text with no '>' at the end.
        "<data>\xF0\x9F\x8E\xAC<movie>\xF0\x9F\x8E\xAC</movie></data>tail",
        "",
        "no tags at all",
        ">>>",
    };
    for (const QByteArray &answer : answers) {
        EXPECT_EQ(QMXMLRewrite(nowShowing).apply(answer), pairByPair(answer, nowShowing))
            << answer.data();
        EXPECT_EQ(QMXMLRewrite(wrapOnly).apply(answer), pairByPair(answer, wrapOnly))
            << answer.data();
    }
}

TEST(XMLRewrite, LetsTheEarlierPairWinWhereTwoPatternsEndTogether)
{
    const QMXMLRewrite rewrite({{"ie>", "X>"}, {"movie>", "Y>"}});
    EXPECT_EQ(rewrite.apply("<movie>"), QByteArray("<movX>"));
    EXPECT_EQ(rewrite.apply("<movie>"), pairByPair("<movie>", {{"ie>", "X>"}, {"movie>", "Y>"}}));
}

TEST(XMLRewrite, SharesTheBytesWhenNothingMatches)
{
    const QMXMLRewrite rewrite({{"<data>", "<data><x>"}});
    const QByteArray answer("<other>影院</other>");
    const QByteArray same = rewrite.apply(answer);
    EXPECT_EQ(same, answer);
    EXPECT_TRUE(same.isSharedWith(answer));
    EXPECT_TRUE(rewrite.apply(QByteArray()).isNull());
}

// Through the provider, as the transport hands it the answer's bytes.
TEST(XMLRewrite, LeavesAnAnswerThatIsNotUTF8Unmapped)
{
    const QByteArray film = "<movie><movieid>7</movieid><moviename>影</moviename></movie>";
    const auto deliver = [](const QByteArray &answer) {
        auto provider = std::make_shared<QMOnPlayListProvider>();
        NowShowingRecorder recorder;
        provider->playListDelegate = &recorder;
        provider->requestSucceededWithData(QNetworkRequest(), answer);
        EXPECT_EQ(recorder.calls, 1);
        return recorder.record;
    };
    const auto mapped = deliver("\xEF\xBB\xBF<data><movieList>" + film + "</movieList></data>");
    ASSERT_TRUE(mapped); // a byte order mark is no obstacle
    ASSERT_EQ(mapped->movieListArray.size(), 1);
    EXPECT_EQ(mapped->movieListArray.first()->moviename, QStringLiteral("影"));

    // A stray byte, an overlong '<', an encoded surrogate, a character cut at the very end.
    for (const QByteArray &bad : {QByteArray("\xFF"), QByteArray("\xC0\xBC"),
                                  QByteArray("\xED\xA0\x80"), QByteArray("\xE5\xBD")}) {
        EXPECT_FALSE(deliver("<data><movieList>" + film + bad + "</movieList></data>"));
        EXPECT_FALSE(deliver("<data><movieList>" + film + "</movieList></data>" + bad));
    }
}
