#include "QMServiceDatabase.h"
#include "QMServiceSuite.h"

#include <QImage>
#include <QSet>
#include <QUrl>

#include <httplib.h>

#include <gtest/gtest.h>

namespace {

using ServiceAnswers = QMServiceSuite;

QByteArray fetch(const QString &address)
{
    const QUrl url(address);
    httplib::Client http(url.host().toStdString(), url.port());
    auto response = http.Get(url.path().toStdString());
    return response && response->status == 200 ? QByteArray::fromStdString(response->body)
                                               : QByteArray();
}

} // namespace

TEST_F(ServiceAnswers, EveryKindAnswersWithTheRecordTheClientMaps)
{
    for (const QMServiceClient::Kind &kind : QMServiceClient::kinds()) {
        SCOPED_TRACE("kind " + std::to_string(kind.number));
        const auto answer = client->send(kind.number, samples->values(kind.number));
        EXPECT_EQ(answer.status, 200) << answer.body.toStdString();
        const auto record = answer.record();
        ASSERT_TRUE(record) << answer.body.toStdString();
        EXPECT_FALSE(record->find("error")) << answer.body.toStdString();
        if (!kind.array.isEmpty()) {
            const QList<QMXmlNode> items = answer.items();
            EXPECT_FALSE(items.isEmpty()) << answer.body.toStdString();
            for (const QMXmlNode &item : items)
                EXPECT_EQ(item.name, kind.item);
        }
        if (kind.rewrites.contains({"<result>", "<data><insertData><result>"})) {
            EXPECT_EQ(answer.result(), "ture");
        }
    }
}

TEST_F(ServiceAnswers, SingleRecordsCarryTheFieldsTheScreensShow)
{
    const auto cinema = client->send(3, samples->values(3)).record();
    ASSERT_TRUE(cinema);
    for (const char *field : {"cinemaid", "cinemaname", "address", "contactphone", "transport",
                              "opentime", "content", "generalmark", "pointx", "pointy", "open"})
        EXPECT_FALSE(cinema->find(field)->text.isEmpty()) << field;
    EXPECT_EQ(cinema->find("cinemaname")->text, "人民广场星河影城");

    const auto film = client->send(6, samples->values(6)).record();
    ASSERT_TRUE(film);
    for (const char *field :
         {"movieid", "moviename", "generalmark", "director", "actors", "length", "content", "logo",
          "smalllogo", "releasedate", "cinemanum", "ordercinemanum"})
        EXPECT_FALSE(film->find(field)->text.isEmpty()) << field;
    // The poster a late answer is matched by is the one the shelf loaded.
    EXPECT_EQ(film->find("logo")->text, film->find("smalllogo")->text);
    EXPECT_GE(film->find("cinemanum")->text.toInt(), film->find("ordercinemanum")->text.toInt());

    const auto member = client->send(26, samples->values(26)).record();
    ASSERT_TRUE(member);
    EXPECT_EQ(member->find("nickname")->text, "影迷小林");
    EXPECT_EQ(member->find("mobile")->text, "138****8000");
    EXPECT_EQ(member->find("email")->text, "de**@example.com");
    EXPECT_TRUE(member->find("banlance"));
}

TEST_F(ServiceAnswers, FilmListsCarryTheShelfFieldsAndPicturesOfTheirOwn)
{
    const auto now = client->send(7, {}).items();
    ASSERT_GE(now.size(), 25);
    EXPECT_EQ(now.first().value("moviename"), "星际归途");
    EXPECT_GE(now.first().value("actors").size(), 16);
    QSet<QString> posters;
    for (const QMXmlNode &film : now) {
        EXPECT_EQ(film.children.size(), 12) << film.childNames().join(',').toStdString();
        posters.insert(film.value("smalllogo"));
    }
    EXPECT_EQ(posters.size(), now.size());

    // Absolute addresses on the service's own port, each a distinct picture.
    const QString first = now.first().value("smalllogo");
    EXPECT_TRUE(first.startsWith(QString("http://127.0.0.1:%1/").arg(service->port())));
    const QByteArray a = fetch(first);
    const QByteArray b = fetch(now.at(1).value("smalllogo"));
    EXPECT_FALSE(QImage::fromData(a).isNull());
    EXPECT_EQ(QImage::fromData(a).size(), QSize(180, 240));
    EXPECT_NE(a, b);
    const auto member = client->send(26, {{"memberid", "5002"}}).record();
    EXPECT_FALSE(QImage::fromData(fetch(member->find("logo")->text)).isNull());
    EXPECT_TRUE(
        fetch(QString("http://127.0.0.1:%1/pictures/none.jpg").arg(service->port())).isEmpty());

    const QMServiceClient::Values soon = {{"charging", "times"}, {"from", "0"}, {"maxnum", "100"}};
    EXPECT_GE(client->send(8, soon).items().size(), 12);
}

TEST_F(ServiceAnswers, DistrictsAreShanghaisSixteenAndEveryOneHasCinemas)
{
    const auto districts = client->send(9, {{"citycode", "310000"}}).items();
    QStringList codes;
    for (const QMXmlNode &district : districts)
        codes.append(district.value("countycode"));
    EXPECT_EQ(codes, QStringList({"310101", "310104", "310105", "310106", "310107", "310109",
                                  "310110", "310112", "310113", "310114", "310115", "310116",
                                  "310117", "310118", "310120", "310151"}));
    EXPECT_EQ(districts.first().value("briefname"), "黄浦");
    EXPECT_EQ(districts.last().value("briefname"), "崇明");
    EXPECT_TRUE(client->send(9, {{"citycode", "110000"}}).items().isEmpty());

    QSet<QString> cinemas;
    int open = 0;
    int unplaced = 0;
    for (const QString &code : codes) {
        const auto list = client->send(0, {{"countycode", code}}).items();
        EXPECT_FALSE(list.isEmpty()) << code.toStdString();
        for (const QMXmlNode &cinema : list) {
            cinemas.insert(cinema.value("cinemaid"));
            open += cinema.value("open") == "true";
            const double x = cinema.value("pointx").toDouble();
            const double y = cinema.value("pointy").toDouble();
            if (x == 0 && y == 0) {
                ++unplaced;
                continue;
            }
            EXPECT_TRUE(x > 120.8 && x < 122.1 && y > 30.6 && y < 31.9) << x << "," << y;
        }
    }
    EXPECT_GE(cinemas.size(), 40);
    EXPECT_GT(open, 10);
    EXPECT_LT(open, cinemas.size());
    EXPECT_EQ(unplaced, 1);
    EXPECT_TRUE(client->send(0, {{"countycode", "999999"}}).items().isEmpty());
    EXPECT_TRUE(client->send(0, {}).record()) << "no district: an empty list, not a failure";
}

TEST_F(ServiceAnswers, NearbyCinemasComeNearestFirst)
{
    const auto near = client->send(1, {{"pointx", "121.475"}, {"pointy", "31.229"}}).items();
    ASSERT_FALSE(near.isEmpty());
    EXPECT_EQ(near.first().value("cinemaid"), "2001");
    int previous = 0;
    for (const QMXmlNode &cinema : near) {
        const int distance = cinema.value("distance").toInt();
        EXPECT_GE(distance, std::max(previous, 1));
        EXPECT_LE(distance, 5000);
        previous = distance;
    }
    // Before the first fix every cinema is listed and the client measures the distance.
    const auto all = client->send(1, {{"pointx", "0.000"}, {"pointy", "0.000"}}).items();
    EXPECT_GE(all.size(), 40);
    for (const QMXmlNode &cinema : all)
        EXPECT_EQ(cinema.value("distance"), "0");
}

TEST_F(ServiceAnswers, ScreeningsRunFromTodayToSixDaysAhead)
{
    for (int day = 0; day <= 6; ++day) {
        const QString date = QMServiceClient::shanghaiDay(day);
        EXPECT_GE(client->send(27, {{"playdate", date}}).items().size(), 40) << day;
        const auto showing = client->send(2, {{"movieid", "1001"}, {"playdate", date}}).items();
        EXPECT_FALSE(showing.isEmpty()) << day;
    }
    EXPECT_TRUE(
        client->send(27, {{"playdate", QMServiceClient::shanghaiDay(30)}}).items().isEmpty());

    QSet<QString> editions;
    bool priced = false;
    for (const QMXmlNode &screening :
         QMServiceSamples::screenings(*client, "2001", "1001", QMServiceClient::shanghaiDay(1))) {
        EXPECT_EQ(screening.value("playdate"), QMServiceClient::shanghaiDay(1));
        EXPECT_EQ(screening.value("movieid"), "1001");
        EXPECT_EQ(screening.value("playtime").size(), 5);
        editions.insert(screening.value("edition"));
        priced = priced ||
                 (screening.value("price").toInt() > 0 && screening.value("quelprice").toInt() > 0);
    }
    EXPECT_TRUE(priced);
    EXPECT_GE(editions.size(), 2);
    // The films a cinema shows are the films of its screenings.
    const auto films = client->send(4, {{"cinemaid", "2001"}}).items();
    EXPECT_GE(films.size(), 3);
    EXPECT_EQ(films.first().value("movieid"), "1001");
}

TEST_F(ServiceAnswers, SeatMapsFitTheirGrid)
{
    int aisleRows = 0;
    int locked = 0;
    for (const QMXmlNode &screening :
         QMServiceSamples::screenings(*client, "2001", "1001", QMServiceClient::shanghaiDay(2))) {
        if (screening.value("open") != "true")
            continue;
        const auto answer = client->send(10, {{"mpid", screening.value("mpid")}});
        const auto map = answer.record();
        ASSERT_TRUE(map);
        const QList<QMXmlNode> rows = answer.items();
        EXPECT_EQ(map->find("linenum")->text.toInt(), rows.size());
        EXPECT_EQ(map->find("mpid")->text, screening.value("mpid"));
        for (const QMXmlNode &row : rows) {
            const QStringList codes = row.value("columns").split(',');
            EXPECT_LE(codes.size(), map->find("ranknum")->text.toInt());
            aisleRows += row.value("rowid").isEmpty();
            for (const QString &code : codes) {
                locked += code == "LK";
                EXPECT_TRUE(code == "ZL" || code == "LK" || code.toInt() > 0) << code.toStdString();
            }
        }
    }
    EXPECT_GT(locked, 0);
    EXPECT_GT(aisleRows, 0) << "some hall of the cinema has a cross aisle";
    EXPECT_GE(samples->freeSeats.size(), 30);
}

TEST_F(ServiceAnswers, SeededTextsHaveEveryPlaceholderFilledIn)
{
    const QStringList left = QMServiceDatabase::rows(
        service->databasePath(),
        "SELECT body FROM comments WHERE body LIKE '%{film}%' OR body LIKE '%{cinema}%' "
        "OR body LIKE '%{nick}%'");
    EXPECT_TRUE(left.isEmpty()) << left.join('\n').toStdString();
}
