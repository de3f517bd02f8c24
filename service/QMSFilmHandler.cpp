#include "QMSFilmHandler.h"

#include "QMSContext.h"
#include "QMSRefusal.h"
#include "QMSStatement.h"

namespace {

// Lists carry the shelf's twelve fields of each film as "movie" items of "movieList".
void writeFilmList(QMSContext &context, const char *state, int from, int maxnum)
{
    QMSStatement query(context.db,
                       "SELECT id, name, language, director, actors, releasedate, cinemanum, "
                       "ordercinemanum, length, generalmark FROM films WHERE state = ? "
                       "ORDER BY position LIMIT ? OFFSET ?");
    query.with(state, maxnum, from);

    QMSXmlWriter &xml = context.xml;
    xml.open("data");
    xml.open("movieList");
    while (query.step()) {
        xml.open("movie");
        xml.integer("movieid", query.integer(0));
        xml.text("moviename", query.text(1));
        xml.text("language", query.text(2));
        xml.text("director", query.text(3));
        xml.text("actors", query.text(4));
        xml.text("openingdate", query.text(5));
        context.posters(query.integer(0));
        xml.integer("cinemanum", query.integer(6));
        xml.integer("ordercinemanum", query.integer(7));
        xml.text("length", query.text(8));
        xml.text("generalmark", query.text(9));
        xml.close();
    }
}

} // namespace

void QMSFilmHandler::film(QMSContext &context)
{
    const auto id = context.id("movieid");
    QMSStatement query(context.db, "SELECT id, name, englishname, generalmark, language, type, "
                                   "CASE state WHEN 'now' THEN '热映' ELSE '即将上映' END, "
                                   "director, actors, honor, length, content, hotvalue, storymark, "
                                   "performmark, audiomark, screenmark, releasedate, cinemanum, "
                                   "ordercinemanum FROM films WHERE id = ?");
    query.with(id.value_or(-1));
    if (!query.step())
        throw QMSRefusal(404, "影片不存在");

    QMSXmlWriter &xml = context.xml;
    xml.open("data");
    xml.open("movie");
    xml.integer("movieid", query.integer(0));
    static const char *const texts[] = {"moviename", "englishname", "generalmark", "language",
                                        "type",      "state",       "director",    "actors",
                                        "honor",     "length",      "content",     "hotvalue",
                                        "storymark", "performmark", "audiomark",   "screenmark"};
    for (int i = 0; i < 16; ++i)
        xml.text(texts[i], query.text(i + 1));
    context.posters(query.integer(0));
    xml.text("releasedate", query.text(17));
    xml.integer("cinemanum", query.integer(18));
    xml.integer("ordercinemanum", query.integer(19));
}

void QMSFilmHandler::nowShowing(QMSContext &context)
{
    writeFilmList(context, "now", 0, 1000);
}

void QMSFilmHandler::comingSoon(QMSContext &context)
{
    const QMSContext::Page page = context.page();
    writeFilmList(context, "soon", page.from, page.maxnum);
}
