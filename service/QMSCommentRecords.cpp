#include "QMSCommentRecords.h"

#include "QMSStatement.h"

namespace {

const char *const commentSelect =
    "SELECT c.id, c.body, c.tag, c.relatedid, c.transfer, t.body, t.member, tm.nickname, "
    "c.mark, c.flowernum, c.member, m.nickname, c.addtime, "
    "CASE c.tag WHEN 'movie' THEN (SELECT name FROM films WHERE id = c.relatedid) "
    "WHEN 'cinema' THEN (SELECT name FROM cinemas WHERE id = c.relatedid) "
    "WHEN 'member' THEN (SELECT nickname FROM members WHERE id = c.relatedid) END, "
    "c.comefrom, p.body, p.member, pm.nickname, ci.name, f.name, h.name, "
    "s.playdate || ' ' || s.playtime, c.parent "
    "FROM comments c JOIN members m ON m.id = c.member "
    "LEFT JOIN comments t ON t.id = c.transfer LEFT JOIN members tm ON tm.id = t.member "
    "LEFT JOIN comments p ON p.id = c.parent LEFT JOIN members pm ON pm.id = p.member "
    "LEFT JOIN screenings s ON s.id = c.screening LEFT JOIN cinemas ci ON ci.id = s.cinema "
    "LEFT JOIN films f ON f.id = s.film LEFT JOIN halls h ON h.id = s.hall ";

void writeComment(QMSContext &context, const QMSStatement &row, std::string_view item,
                  QMSCommentRecords::Ids ids)
{
    QMSXmlWriter &xml = context.xml;
    const bool reply = !row.isNull(22);
    xml.open(item);
    xml.integer("commentid",
                reply && ids == QMSCommentRecords::Ids::Thread ? row.integer(22) : row.integer(0));
    xml.text("body", row.text(1));
    xml.textIfAny("tag", row.text(2));
    xml.textIfAny("relatedid", row.text(3));
    if (!row.isNull(4) && !row.isNull(6)) {
        xml.integer("transferid", row.integer(4));
        xml.text("transferbody", row.text(5));
        xml.integer("transfermemberid", row.integer(6));
        xml.text("transfernickname", row.text(7));
    }
    xml.integer("mark", row.integer(8));
    xml.integer("flowernum", row.integer(9));
    xml.integer("memberid", row.integer(10));
    xml.text("nickname", row.text(11));
    xml.text("addtime", row.text(12));
    xml.text("logo", context.picture('u', row.integer(10)));
    xml.textIfAny("objectname", row.text(13));
    xml.textIfAny("comefrom", row.text(14));
    if (reply && !row.isNull(16)) {
        xml.text("commentbody", row.text(15));
        xml.integer("commentmemberid", row.integer(16));
        xml.text("commentnickname", row.text(17));
    }
    if (!row.isNull(18)) {
        xml.text("cinemaname", row.text(18));
        xml.text("moviename", row.text(19));
        xml.text("playroom", row.text(20));
        xml.text("starttime", row.text(21));
    }
    xml.close();
}

} // namespace

void QMSCommentRecords::writeList(QMSContext &context, std::string_view list, std::string_view item,
                                  const std::string &condition,
                                  const std::function<void(QMSStatement &)> &bind, Ids ids,
                                  const char *order)
{
    const QMSContext::Page page = context.page();
    context.xml.open("date");
    context.xml.open(list);
    QMSStatement query(context.db, std::string(commentSelect) + "WHERE " + condition +
                                       " ORDER BY " + order + " LIMIT ? OFFSET ?");
    bind(query);
    query.with(page.maxnum, page.from);
    while (query.step())
        writeComment(context, query, item, ids);
}

bool QMSCommentRecords::writeOne(QMSContext &context, long long id)
{
    QMSStatement query(context.db, std::string(commentSelect) + "WHERE c.id = ?");
    query.with(id);
    if (!query.step())
        return false;
    writeComment(context, query, "comment", Ids::Own);
    return true;
}
