#include "QMXMLTestRecords.h"

#include "films/MovieList.h"
#include "xml/QMXMLDeserializer.h"

#include <QTimeZone>

#include <gtest/gtest.h>

#include <limits>

namespace {
std::shared_ptr<XTAll> mapAll(const QByteArray &inner)
{
    return QMXMLDeserializer::map<XTAll>("<?xml version=\"1.0\" encoding=\"UTF-8\"?><data>" +
                                             inner + "</data>",
                                         QStringLiteral("data"));
}

QDateTime utc(int y, int mo, int d, int h, int mi, int s)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), QTimeZone::utc());
}

const QByteArray kTwoFilms = "<root><data><movieList><movieListArray>"
                             "<simplemovie><moviename>A</moviename></simplemovie>"
                             "<simplemovie><moviename>B</moviename></simplemovie>"
                             "</movieListArray></movieList></data></root>";
} // namespace

TEST(XMLDeserializer, MapsListsByElementNameThroughTransparentWrappers)
{
    const auto list = QMXMLDeserializer::map<MovieList>(kTwoFilms, QStringLiteral("data"));
    ASSERT_TRUE(list);
    ASSERT_EQ(list->movieListArray.size(), 2);
    EXPECT_EQ(list->movieListArray[0]->moviename, QStringLiteral("A"));
    EXPECT_EQ(list->movieListArray[1]->moviename, QStringLiteral("B"));

    EXPECT_FALSE(QMXMLDeserializer::map<MovieList>(kTwoFilms, QStringLiteral("other")));
}

TEST(XMLDeserializer, ParsesOnceAndReturnsTheSameRecordAgain)
{
    auto deserializer = QMXMLDeserializer::create(&MovieList::staticRecordClass(), kTwoFilms,
                                                  QStringLiteral("data"));
    ASSERT_TRUE(deserializer);
    EXPECT_EQ(deserializer->status(), QMXMLDeserializer::NotRun);
    const auto first = deserializer->deserialize();
    ASSERT_TRUE(first);
    EXPECT_EQ(deserializer->status(), QMXMLDeserializer::FinishedWithResult);
    EXPECT_EQ(deserializer->deserialize(), first);
}

TEST(XMLDeserializer, RefusesToStartWithoutClassOrBytes)
{
    EXPECT_FALSE(QMXMLDeserializer::create(nullptr, kTwoFilms));
    EXPECT_FALSE(QMXMLDeserializer::create(&MovieList::staticRecordClass(), QByteArray()));
    // Without an element name, the root element is the one named after the class.
    const auto list = QMXMLDeserializer::map<MovieList>(
        "<MovieList><movieListArray><simplemovie><moviename>A</moviename></simplemovie>"
        "</movieListArray></MovieList>");
    ASSERT_TRUE(list);
    EXPECT_EQ(list->movieListArray.size(), 1);
}

TEST(XMLDeserializer, KeepsTextExactlyAndTellsEmptyFromAbsent)
{
    auto all = mapAll("<text>  x \n</text>");
    ASSERT_TRUE(all);
    EXPECT_EQ(all->text, QStringLiteral("  x \n"));

    all = mapAll("<text></text>");
    ASSERT_TRUE(all);
    EXPECT_FALSE(all->text.isNull());
    EXPECT_TRUE(all->text.isEmpty());

    all = mapAll("<integer>3</integer>");
    ASSERT_TRUE(all);
    EXPECT_TRUE(all->text.isNull());

    all = mapAll("<text>a &amp; &lt;b&gt; &#x4E2D;<![CDATA[ignored]]><!-- no --><?pi no?>z</text>");
    ASSERT_TRUE(all);
    EXPECT_EQ(all->text, QStringLiteral("a & <b> 中z"));

    // A nested element contributes its characters only; the later occurrence of a field wins.
    all = mapAll("<text>first</text><text>a<i>b</i>c</text>");
    ASSERT_TRUE(all);
    EXPECT_EQ(all->text, QStringLiteral("abc"));
}

TEST(XMLDeserializer, ReadsDates)
{
    EXPECT_EQ(mapAll("<date>2011-03-05T10:20:30Z</date>")->date, utc(2011, 3, 5, 10, 20, 30));
    EXPECT_EQ(mapAll("<date>2011-03-05T10:20:30.123Z</date>")->date, utc(2011, 3, 5, 10, 20, 30));
    EXPECT_EQ(mapAll("<date>2011-03-05T10:20:30+0800</date>")->date, utc(2011, 3, 5, 2, 20, 30));
    for (const char *bad : {"2011-03-05", "2011-03-05Z", "Z", "", "2011-03-05T10:20:30",
                            "2011-03-05T10:20:30+0800 trailing", "2011-13-45T10:20:30Z"}) {
        const auto all = mapAll(QByteArray("<date>") + bad + "</date>");
        ASSERT_TRUE(all) << bad;
        EXPECT_FALSE(all->date.isValid()) << bad;
    }
}

TEST(XMLDeserializer, ReadsIntegersWithSaturation)
{
    EXPECT_EQ(mapAll("<integer>40000</integer>")->integer, 40000);
    EXPECT_EQ(mapAll("<integer> \n -12x</integer>")->integer, -12);
    EXPECT_EQ(mapAll("<integer>abc</integer>")->integer, 0);
    EXPECT_EQ(mapAll("<integer></integer>")->integer, 0);
    EXPECT_EQ(mapAll("<integer>99999999999</integer>")->integer,
              std::numeric_limits<qint32>::max());
    EXPECT_EQ(mapAll("<integer>-99999999999</integer>")->integer,
              std::numeric_limits<qint32>::min());

    EXPECT_EQ(mapAll("<longInteger>12abc</longInteger>")->longInteger, 12);
    // A "long" keeps the low 32 bits of its 64-bit reading.
    EXPECT_EQ(mapAll("<longInteger>4294967301</longInteger>")->longInteger, 5);
    EXPECT_EQ(mapAll("<longInteger>99999999999999999999999</longInteger>")->longInteger, -1);

    EXPECT_EQ(mapAll("<longLong>-9223372036854775808</longLong>")->longLong,
              std::numeric_limits<qint64>::min());
    EXPECT_EQ(mapAll("<longLong>99999999999999999999</longLong>")->longLong,
              std::numeric_limits<qint64>::max());

    EXPECT_EQ(mapAll("<shortInteger>-7</shortInteger>")->shortInteger, -7);
    EXPECT_EQ(mapAll("<shortInteger>70000</shortInteger>")->shortInteger, qint16(70000 & 0xffff));
}

TEST(XMLDeserializer, ReadsDoublesAndBooleans)
{
    EXPECT_DOUBLE_EQ(mapAll("<number>121.4752</number>")->number, 121.4752);
    EXPECT_DOUBLE_EQ(mapAll("<number> -3.5e2xyz</number>")->number, -350);
    EXPECT_DOUBLE_EQ(mapAll("<number></number>")->number, 0);
    for (const char *nonFinite : {"1e999", "-1e999", "inf", "nan", "NaN", "Infinity"})
        EXPECT_DOUBLE_EQ(mapAll(QByteArray("<number>") + nonFinite + "</number>")->number, 0)
            << nonFinite;

    for (const char *yes : {"true", "YES", "1", "  t", "-1", "007", "y"})
        EXPECT_TRUE(mapAll(QByteArray("<flag>") + yes + "</flag>")->flag) << yes;
    for (const char *no : {"false", "0", "", "NO", "000", "+0", "x"})
        EXPECT_FALSE(mapAll(QByteArray("<flag>") + no + "</flag>")->flag) << no;
}

TEST(XMLDeserializer, SetsValuesOnlyOfTheDeclaredKind)
{
    const QByteArray xsi = " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"";
    // Read as text because of xsi:type, but a text does not go into a record field.
    auto all = mapAll("<item" + xsi + " xsi:type=\"NSString\"><name>n</name></item><text>t</text>");
    ASSERT_TRUE(all);
    EXPECT_FALSE(all->item);
    EXPECT_EQ(all->text, QStringLiteral("t"));

    // xsi:type changes nothing on a scalar field.
    all = mapAll("<integer" + xsi + " xsi:type=\"NSString\">5</integer>");
    EXPECT_EQ(all->integer, 5);

    // A record of another class is refused; a subclass is accepted.
    all = mapAll("<item" + xsi + " xsi:type=\"XTOther\"><name>n</name></item>");
    EXPECT_FALSE(all->item);
    all =
        mapAll("<item" + xsi + " xsi:type=\"XTSpecialItem\"><name>n</name><extra>4</extra></item>");
    ASSERT_TRUE(all->item);
    EXPECT_EQ(std::dynamic_pointer_cast<XTSpecialItem>(all->item)->extra, 4);

    // List items: declared class and subclasses only; any record in an untyped list.
    all = mapAll("<items><xTItem><name>a</name></xTItem><xTOther><name>b</name></xTOther>"
                 "<xTSpecialItem><name>c</name></xTSpecialItem></items>"
                 "<anything><xTOther><name>d</name></xTOther></anything>");
    ASSERT_EQ(all->items.size(), 2);
    EXPECT_EQ(all->items[0]->name, QStringLiteral("a"));
    EXPECT_EQ(all->items[1]->name, QStringLiteral("c"));
    ASSERT_EQ(all->anything.size(), 1);
    EXPECT_TRUE(std::dynamic_pointer_cast<XTOther>(all->anything[0]));

    // Only record classes are looked up: other names are not items, their children are.
    all = mapAll("<items><qObject><xTItem><name>e</name></xTItem></qObject>"
                 "<QMXMLDeserializer/><NSString>x</NSString></items>");
    ASSERT_EQ(all->items.size(), 1);
    EXPECT_EQ(all->items[0]->name, QStringLiteral("e"));
}

TEST(XMLDeserializer, StopsAtTheEndOfTheRootRecord)
{
    auto all = QMXMLDeserializer::map<XTAll>(
        "<a><skip><text>no</text></skip><data><text>yes</text></data><broken <<<&&",
        QStringLiteral("data"));
    ASSERT_TRUE(all);
    EXPECT_EQ(all->text, QStringLiteral("yes"));
}

TEST(XMLDeserializer, GivesNothingForBrokenOrHostileDocuments)
{
    const QList<QByteArray> hostile = {
        "",
        "<data><text>cut",
        "<html><body>500 Internal Server Error</body></html>",
        "<data><text>a\xff\xfe</text></data>",
        "<data><text>\xc0\xaf</text></data>",
        "<?xml version=\"1.0\"?><!DOCTYPE lolz [<!ENTITY lol \"lol\">"
        "<!ENTITY lol2 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">"
        "<!ENTITY lol3 \"&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;\">]>"
        "<data><text>&lol3;</text></data>",
        "<!DOCTYPE data [<!ENTITY ext SYSTEM "
        "\"file:///etc/passwd\">]><data><text>&ext;</text></data>",
        "<!DOCTYPE data><data><text>x</text></data>",
        "<data><text>&undefined;</text></data>",
        "<data xmlns:p=\"u\"><p:text>x</p:text><q:text>y</q:text></data>",
    };
    for (const QByteArray &doc : hostile)
        EXPECT_FALSE(QMXMLDeserializer::map<XTAll>(doc, QStringLiteral("data"))) << doc.constData();
}

TEST(XMLDeserializer, LimitsNesting)
{
    auto nested = [](int depth) {
        QByteArray doc = "<data>";
        for (int i = 1; i < depth; ++i)
            doc += "<w>";
        doc += "<text>deep</text>";
        for (int i = 1; i < depth; ++i)
            doc += "</w>";
        return doc + "</data>";
    };
    // The text element itself is one level below the deepest wrapper.
    const auto ok = QMXMLDeserializer::map<XTAll>(nested(QMXMLDeserializer::maxDepth - 1),
                                                  QStringLiteral("data"));
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->text, QStringLiteral("deep"));
    EXPECT_FALSE(QMXMLDeserializer::map<XTAll>(nested(QMXMLDeserializer::maxDepth + 1),
                                               QStringLiteral("data")));
}

TEST(XMLDeserializer, MapsElementsInNamespacesByLocalName)
{
    const auto all = QMXMLDeserializer::map<XTAll>(
        "<p:data xmlns:p=\"urn:x\"><p:text>t</p:text><integer>2</integer></p:data>",
        QStringLiteral("data"));
    ASSERT_TRUE(all);
    EXPECT_EQ(all->text, QStringLiteral("t"));
    EXPECT_EQ(all->integer, 2);
}
