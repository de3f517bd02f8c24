#include "QMSCinemaHandler.h"

#include "QMSClock.h"
#include "QMSContext.h"
#include "QMSGeo.h"
#include "QMSQuery.h"
#include "QMSRefusal.h"
#include "QMSStatement.h"

#include <algorithm>
#include <cmath>

namespace {

const char *const simpleCinemaColumns =
    "SELECT c.id, c.name, c.address, c.generalmark, c.pointx, c.pointy, c.open FROM cinemas c ";

struct SimpleCinema
{
    long long id;
    std::string name;
    std::string address;
    std::string generalmark;
    double pointx;
    double pointy;
    bool open;
    int distance = 0;
};

SimpleCinema readSimpleCinema(const QMSStatement &row)
{
    return {row.integer(0), row.text(1), row.text(2),        row.text(3),
            row.real(4),    row.real(5), row.integer(6) != 0};
}

// "cinema" items inside "cinemaList": the client renames every "cinema>" and wraps the list.
void writeCinemaList(QMSContext &context, const std::vector<SimpleCinema> &cinemas)
{
    QMSXmlWriter &xml = context.xml;
    xml.open("data");
    xml.open("cinemaList");
    for (const SimpleCinema &cinema : cinemas) {
        xml.open("cinema");
        xml.integer("cinemaid", cinema.id);
        xml.text("cinemaname", cinema.name);
        xml.text("address", cinema.address);
        xml.text("generalmark", cinema.generalmark);
        xml.real("pointx", cinema.pointx);
        xml.real("pointy", cinema.pointy);
        xml.integer("distance", cinema.distance);
        xml.boolean("open", cinema.open);
        xml.close();
    }
}

std::vector<SimpleCinema> readAll(QMSStatement &query)
{
    std::vector<SimpleCinema> cinemas;
    while (query.step())
        cinemas.push_back(readSimpleCinema(query));
    return cinemas;
}

std::string minuteNow(const QMSContext &context)
{
    return QMSClock::stamp(context.now).substr(0, 16);
}

// A screening can be bought while it sells through the service, its cinema does, and it has not
// started yet.
const char *const screeningOpen =
    "(s.open = 1 AND c.open = 1 AND s.playdate || ' ' || s.playtime > ?)";

} // namespace

void QMSCinemaHandler::districts(QMSContext &context)
{
    QMSXmlWriter &xml = context.xml;
    xml.open("data");
    xml.open("countyList");
    // The service covers one city; another region has no districts here.
    if (context.text("citycode") != "310000")
        return;
    QMSStatement query(context.db, "SELECT code, briefname FROM districts ORDER BY position");
    while (query.step()) {
        xml.open("county");
        xml.text("countycode", query.text(0));
        xml.text("briefname", query.text(1));
        xml.close();
    }
}

void QMSCinemaHandler::cinemasOfDistrict(QMSContext &context)
{
    QMSStatement query(context.db, std::string(simpleCinemaColumns) +
                                       "WHERE c.district = ? ORDER BY c.open DESC, c.id");
    query.with(context.text("countycode"));
    writeCinemaList(context, readAll(query));
}

void QMSCinemaHandler::cinemasNearby(QMSContext &context)
{
    const double longitude = context.coordinate("pointx", 180);
    const double latitude = context.coordinate("pointy", 90);
    QMSStatement query(context.db, std::string(simpleCinemaColumns) + "ORDER BY c.id");
    std::vector<SimpleCinema> cinemas = readAll(query);
    // Without a fix every cinema is listed and the client measures the distances itself.
    if (!QMSGeo::isKnown(latitude, longitude)) {
        writeCinemaList(context, cinemas);
        return;
    }
    std::vector<SimpleCinema> near;
    for (SimpleCinema &cinema : cinemas) {
        if (!QMSGeo::isKnown(cinema.pointy, cinema.pointx))
            continue;
        const double metres = QMSGeo::metres(latitude, longitude, cinema.pointy, cinema.pointx);
        if (metres > nearMetres)
            continue;
        // 0 means "not given" to the client, so a cinema on the spot is 1 metre away.
        cinema.distance = std::max(1, static_cast<int>(std::lround(metres)));
        near.push_back(cinema);
    }
    std::stable_sort(near.begin(), near.end(), [](const SimpleCinema &a, const SimpleCinema &b) {
        return a.distance < b.distance;
    });
    writeCinemaList(context, near);
}

void QMSCinemaHandler::cinemasShowingFilm(QMSContext &context)
{
    // The client sends whatever it holds here; an id or day that means nothing lists nothing.
    const auto film = QMSContext::parseId(context.text("movieid"));
    const QDate day = QMSClock::parseDay(context.text("playdate"));
    if (!film || !day.isValid()) {
        writeCinemaList(context, {});
        return;
    }
    QMSStatement query(context.db,
                       std::string(simpleCinemaColumns) +
                           "WHERE c.id IN (SELECT cinema FROM screenings WHERE film = ? AND "
                           "playdate = ?) ORDER BY c.open DESC, c.id");
    query.with(*film, QMSClock::day(day));
    writeCinemaList(context, readAll(query));
}

void QMSCinemaHandler::cinema(QMSContext &context)
{
    const auto id = context.id("cinemaid");
    QMSStatement query(context.db,
                       "SELECT id, name, englishname, address, phone, transport, opentime, park, "
                       "content, indexarea, generalmark, environmentmark, servicemark, audiomark, "
                       "pricemark, feature, discount, pairseat, visacard, playground, pointx, "
                       "pointy, open FROM cinemas WHERE id = ?");
    query.with(id.value_or(-1));
    if (!query.step())
        throw QMSRefusal(404, "影院不存在");

    QMSXmlWriter &xml = context.xml;
    xml.open("data");
    xml.open("cinema");
    xml.integer("cinemaid", query.integer(0));
    static const char *const texts[] = {"cinemaname",   "englishname", "address",
                                        "contactphone", "transport",   "opentime",
                                        "park",         "content",     "indexarea"};
    for (int i = 0; i < 9; ++i)
        xml.text(texts[i], query.text(i + 1));
    xml.text("logo", context.picture('c', query.integer(0)));
    static const char *const marks[] = {
        "generalmark", "environmentmark", "servicemark", "audiomark", "pricemark",
        "feature",     "discount",        "pairseat",    "visacard",  "playground"};
    for (int i = 0; i < 10; ++i)
        xml.text(marks[i], query.text(i + 10));
    xml.real("pointx", query.real(20));
    xml.real("pointy", query.real(21));
    xml.boolean("open", query.integer(22) != 0);
}

void QMSCinemaHandler::filmsAtCinema(QMSContext &context)
{
    const auto id = context.id("cinemaid");
    QMSStatement query(context.db,
                       "SELECT f.id, f.name, f.englishname, f.language, f.generalmark FROM films f "
                       "WHERE f.id IN (SELECT film FROM screenings WHERE cinema = ? AND "
                       "playdate >= ?) ORDER BY f.position");
    query.with(id.value_or(-1), QMSClock::day(context.now.date()));

    QMSXmlWriter &xml = context.xml;
    xml.open("data");
    xml.open("movieList");
    while (query.step()) {
        xml.open("movie");
        xml.integer("movieid", query.integer(0));
        xml.text("moviename", query.text(1));
        xml.text("englishname", query.text(2));
        xml.text("language", query.text(3));
        xml.text("generalmark", query.text(4));
        context.posters(query.integer(0));
        xml.close();
    }
}

void QMSCinemaHandler::screenings(QMSContext &context)
{
    const auto cinema = context.id("cinemaid");
    const QDate day = QMSClock::parseDay(context.required("playdate"));
    if (!day.isValid())
        throw QMSRefusal(400, "参数格式错误：playdate");
    std::optional<long long> film;
    const bool oneFilm = context.query.has("movieid");
    if (oneFilm)
        film = context.id("movieid");

    std::string sql = "SELECT s.id, f.id, f.name, f.englishname, s.language, f.generalmark, "
                      "s.edition, s.playdate, s.playtime, h.name, s.price, s.quelprice, ";
    sql += screeningOpen;
    sql += " FROM screenings s JOIN films f ON f.id = s.film JOIN halls h ON h.id = s.hall "
           "JOIN cinemas c ON c.id = s.cinema WHERE s.cinema = ? AND s.playdate = ?";
    if (oneFilm)
        sql += " AND s.film = ?";
    sql += " ORDER BY s.playtime, s.id";
    QMSStatement query(context.db, sql);
    query.with(minuteNow(context), cinema.value_or(-1), QMSClock::day(day));
    if (oneFilm)
        query.with(film.value_or(-1));

    QMSXmlWriter &xml = context.xml;
    xml.open("data");
    xml.open("mpiList");
    while (query.step()) {
        xml.open("mpi");
        xml.integer("mpid", query.integer(0));
        xml.integer("movieid", query.integer(1));
        xml.text("moviename", query.text(2));
        xml.text("englishname", query.text(3));
        xml.text("language", query.text(4));
        xml.text("generalmark", query.text(5));
        context.posters(query.integer(1));
        xml.text("edition", query.text(6));
        xml.text("playdate", query.text(7));
        xml.text("playtime", query.text(8));
        xml.text("playroom", query.text(9));
        xml.integer("price", query.integer(10));
        xml.integer("quelprice", query.integer(11));
        xml.boolean("open", query.integer(12) != 0);
        xml.close();
    }
}

void QMSCinemaHandler::cinemasOfDay(QMSContext &context)
{
    const QDate day = QMSClock::parseDay(context.required("playdate"));
    if (!day.isValid())
        throw QMSRefusal(400, "参数格式错误：playdate");
    QMSStatement query(context.db, "SELECT c.id, c.name FROM cinemas c WHERE c.id IN "
                                   "(SELECT cinema FROM screenings WHERE playdate = ?) "
                                   "ORDER BY c.id");
    query.with(QMSClock::day(day));

    // The items stand directly in "data": the client wraps them into a list itself.
    QMSXmlWriter &xml = context.xml;
    xml.open("data");
    while (query.step()) {
        const std::string id = std::to_string(query.integer(0));
        xml.open("cinema");
        xml.text("relatedid", id);
        xml.text("cinemaid", id);
        xml.text("cinemaname", query.text(1));
        xml.text("logo", context.picture('c', query.integer(0)));
        xml.close();
    }
}
