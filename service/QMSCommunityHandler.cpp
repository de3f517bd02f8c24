#include "QMSCommunityHandler.h"

#include "QMSClock.h"
#include "QMSCommentHandler.h"
#include "QMSConnection.h"
#include "QMSContext.h"
#include "QMSGeo.h"
#include "QMSRefusal.h"
#include "QMSStatement.h"
#include "QMSTransaction.h"

#include <algorithm>

namespace {

// The follow's target and whether it exists. Tags run member, cinema, movie.
void checkFollowTarget(QMSContext &context, long long member, const std::string &tag,
                       long long target)
{
    const char *sql = nullptr;
    if (tag == "member")
        sql = "SELECT 1 FROM members WHERE id = ?";
    else if (tag == "cinema")
        sql = "SELECT 1 FROM cinemas WHERE id = ?";
    else if (tag == "movie")
        sql = "SELECT 1 FROM films WHERE id = ?";
    else
        throw QMSRefusal(400, "参数格式错误：tag");
    QMSStatement query(context.db, sql);
    query.with(target);
    if (!query.step())
        throw QMSRefusal(404, "关注对象不存在");
    if (tag == "member" && target == member)
        throw QMSRefusal(400, "不能关注自己");
}

} // namespace

void QMSCommunityHandler::nearbyMembers(QMSContext &context)
{
    const double longitude = context.coordinate("pointx", 180);
    const double latitude = context.coordinate("pointy", 90);
    const long long radius = context.integer("R", 0, 40000000);
    const bool located = QMSGeo::isKnown(latitude, longitude);

    struct Nearby
    {
        long long id;
        std::string nickname;
        double pointx;
        double pointy;
        double metres;
    };
    std::vector<Nearby> members;
    QMSStatement query(context.db, "SELECT id, nickname, pointx, pointy FROM members "
                                   "WHERE pointx IS NOT NULL AND pointy IS NOT NULL ORDER BY id");
    while (query.step()) {
        Nearby member{query.integer(0), query.text(1), query.real(2), query.real(3), 0};
        if (!QMSGeo::isKnown(member.pointy, member.pointx))
            continue;
        if (located) {
            member.metres = QMSGeo::metres(latitude, longitude, member.pointy, member.pointx);
            if (member.metres > static_cast<double>(radius))
                continue;
        }
        members.push_back(std::move(member));
    }
    std::stable_sort(members.begin(), members.end(),
                     [](const Nearby &a, const Nearby &b) { return a.metres < b.metres; });
    if (members.size() > 200)
        members.resize(200);

    QMSXmlWriter &xml = context.xml;
    xml.open("data");
    xml.open("memberList");
    for (const Nearby &member : members) {
        xml.open("member");
        xml.integer("memberid", member.id);
        xml.text("nickname", member.nickname);
        xml.real("pointx", member.pointx);
        xml.real("pointy", member.pointy);
        xml.text("logo", context.picture('u', member.id));
        xml.close();
    }
}

void QMSCommunityHandler::plans(QMSContext &context)
{
    const long long member = context.id("memberid").value_or(-1);
    const std::string type = context.required("datetype");
    int weeks = 0;
    if (type == "nextweek")
        weeks = 1;
    else if (type == "lastweek")
        weeks = -1;
    else if (type != "thisweek")
        throw QMSRefusal(400, "参数格式错误：datetype");
    // Weeks run Monday to Sunday.
    const QDate today = context.now.date();
    const QDate monday = today.addDays(1 - today.dayOfWeek() + 7 * weeks);

    QMSStatement query(context.db, "SELECT body, time FROM agendas WHERE member = ? AND "
                                   "time >= ? AND time < ? ORDER BY time, id");
    query.with(member, QMSClock::day(monday), QMSClock::day(monday.addDays(7)));
    QMSXmlWriter &xml = context.xml;
    xml.open("date");
    xml.open("agendaList");
    while (query.step()) {
        xml.open("agenda");
        xml.text("body", query.text(0));
        xml.text("time", query.text(1));
        xml.close();
    }
}

void QMSCommunityHandler::follow(QMSContext &context)
{
    const long long member = context.signedInMember();
    const std::string tag = context.required("tag");
    const auto target = context.id("relatedid");
    checkFollowTarget(context, member, tag, target.value_or(-1));
    // Following twice is no error: the follow simply stands.
    QMSStatement insert(context.db, "INSERT OR IGNORE INTO follows (member, tag, relatedid, time) "
                                    "VALUES (?, ?, ?, ?)");
    insert.with(member, tag, std::to_string(*target), QMSClock::stamp(context.now));
    QMSTransaction transaction(context.db);
    insert.run();
    transaction.commit();
    QMSCommentHandler::acknowledge(context);
}

void QMSCommunityHandler::unfollow(QMSContext &context)
{
    const long long member = context.signedInMember();
    const std::string tag = context.required("tag");
    const std::string target = context.required("relatedid");
    QMSStatement remove(context.db,
                        "DELETE FROM follows WHERE member = ? AND tag = ? AND relatedid = ?");
    remove.with(member, tag, target);
    QMSTransaction transaction(context.db);
    remove.run();
    transaction.commit();
    QMSCommentHandler::acknowledge(context);
}

void QMSCommunityHandler::follows(QMSContext &context)
{
    const long long member = context.id("memberid").value_or(-1);
    const std::string tag = context.required("tag");
    const QMSContext::Page page = context.page();
    std::string sql;
    char picture = 0;
    if (tag == "member") {
        sql = "SELECT t.id, t.body, t.nickname, f.time FROM follows f JOIN members t "
              "ON t.id = CAST(f.relatedid AS INTEGER) ";
        picture = 'u';
    } else if (tag == "cinema") {
        sql = "SELECT t.id, t.address, t.name, f.time FROM follows f JOIN cinemas t "
              "ON t.id = CAST(f.relatedid AS INTEGER) ";
        picture = 'c';
    } else if (tag == "movie") {
        sql = "SELECT t.id, t.type, t.name, f.time FROM follows f JOIN films t "
              "ON t.id = CAST(f.relatedid AS INTEGER) ";
        picture = 'm';
    } else {
        throw QMSRefusal(400, "参数格式错误：tag");
    }
    sql += "WHERE f.member = ? AND f.tag = ? ORDER BY f.time DESC, f.relatedid LIMIT ? OFFSET ?";
    QMSStatement query(context.db, sql);
    query.with(member, tag, page.maxnum, page.from);

    QMSXmlWriter &xml = context.xml;
    xml.open("date");
    xml.open("collectList");
    while (query.step()) {
        xml.open("collect");
        xml.text("body", query.text(1));
        xml.text("time", query.text(3));
        xml.text("tag", tag);
        xml.integer("relatedid", query.integer(0));
        xml.text("name", query.text(2));
        xml.text("logo", context.picture(picture, query.integer(0)));
        xml.close();
    }
}

void QMSCommunityHandler::addPlan(QMSContext &context)
{
    const long long member = context.signedInMember();
    const auto screening = context.id("mpid");
    std::string body;
    std::string time;
    {
        // Let go of the read before the transaction: a read still open would have to become
        // the write, which fails at once when another request wrote meanwhile.
        QMSStatement query(context.db,
                           "SELECT s.id, c.name, h.name, f.name, s.playdate || ' ' || s.playtime "
                           "FROM screenings s JOIN cinemas c ON c.id = s.cinema "
                           "JOIN halls h ON h.id = s.hall JOIN films f ON f.id = s.film "
                           "WHERE s.id = ?");
        query.with(screening.value_or(-1));
        if (!query.step())
            throw QMSRefusal(404, "场次不存在");
        body = "在" + query.text(1) + " " + query.text(2) + " 看《" + query.text(3) + "》";
        time = query.text(4);
    }

    QMSTransaction transaction(context.db);
    QMSStatement known(context.db, "SELECT 1 FROM agendas WHERE member = ? AND screening = ?");
    known.with(member, *screening);
    if (!known.step()) {
        QMSStatement insert(context.db, "INSERT INTO agendas (member, screening, body, time) "
                                        "VALUES (?, ?, ?, ?)");
        insert.with(member, *screening, body, time);
        insert.run();
    }
    transaction.commit();
    QMSCommentHandler::acknowledge(context);
}

void QMSCommunityHandler::checkIn(QMSContext &context)
{
    // The client sends the member's public id here, not a credential.
    const long long member = context.id("memberid").value_or(-1);
    const double longitude = context.coordinate("pointx", 180);
    const double latitude = context.coordinate("pointy", 90);
    if (!QMSGeo::isKnown(latitude, longitude))
        throw QMSRefusal(400, "无法确定你的位置");
    {
        QMSStatement known(context.db, "SELECT 1 FROM members WHERE id = ?");
        known.with(member);
        if (!known.step())
            throw QMSRefusal(404, "会员不存在");
    }

    long long nearest = -1;
    double nearestMetres = checkInMetres;
    QMSStatement cinemas(context.db, "SELECT id, pointy, pointx FROM cinemas");
    while (cinemas.step()) {
        if (!QMSGeo::isKnown(cinemas.real(1), cinemas.real(2)))
            continue;
        const double metres = QMSGeo::metres(latitude, longitude, cinemas.real(1), cinemas.real(2));
        if (metres <= nearestMetres) {
            nearest = cinemas.integer(0);
            nearestMetres = metres;
        }
    }
    if (nearest < 0)
        throw QMSRefusal(404, "附近没有影院");

    // Points once per cinema and day; checking in again is recorded without points.
    const std::string stamp = QMSClock::stamp(context.now);
    QMSTransaction transaction(context.db);
    QMSStatement today(context.db, "SELECT 1 FROM checkins WHERE member = ? AND cinema = ? AND "
                                   "substr(time, 1, 10) = ?");
    today.with(member, nearest, stamp.substr(0, 10));
    const int points = today.step() ? 0 : checkInPoints;
    QMSStatement insert(context.db, "INSERT INTO checkins (member, cinema, time, points) "
                                    "VALUES (?, ?, ?, ?)");
    insert.with(member, nearest, stamp, points);
    insert.run();
    QMSStatement update(context.db, "UPDATE members SET pointvalue = pointvalue + ?, pointx = ?, "
                                    "pointy = ? WHERE id = ?");
    update.with(points, longitude, latitude, member);
    update.run();
    transaction.commit();
    QMSCommentHandler::acknowledge(context);
}
