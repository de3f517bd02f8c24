#include "QMSTicketHandler.h"

#include "QMSClock.h"
#include "QMSConnection.h"
#include "QMSContext.h"
#include "QMSRefusal.h"
#include "QMSSeatMap.h"
#include "QMSStatement.h"
#include "QMSTextRules.h"
#include "QMSTransaction.h"

#include <set>

namespace {

struct Screening
{
    long long id = 0;
    std::string layout;
    std::string film;
    std::string cinema;
    std::string playdate;
    std::string playtime;
    int price = 0;
    int quelprice = 0;
    bool open = false;
};

Screening loadScreening(QMSContext &context, const std::optional<long long> &id)
{
    QMSStatement query(context.db,
                       "SELECT s.id, h.layout, f.name, c.name, s.playdate, s.playtime, s.price, "
                       "s.quelprice, (s.open = 1 AND c.open = 1 AND "
                       "s.playdate || ' ' || s.playtime > ?) "
                       "FROM screenings s JOIN halls h ON h.id = s.hall "
                       "JOIN films f ON f.id = s.film JOIN cinemas c ON c.id = s.cinema "
                       "WHERE s.id = ?");
    query.with(QMSClock::stamp(context.now).substr(0, 16), id.value_or(-1));
    if (!query.step())
        throw QMSRefusal(404, "场次不存在");
    return {query.integer(0),
            query.text(1),
            query.text(2),
            query.text(3),
            query.text(4),
            query.text(5),
            static_cast<int>(query.integer(6)),
            static_cast<int>(query.integer(7)),
            query.integer(8) != 0};
}

struct SeatChoice
{
    std::string rowid;
    std::string name;
};

// "3:5,3:6": one to five distinct seats.
std::vector<SeatChoice> parseSeats(const std::string &label)
{
    std::vector<SeatChoice> seats;
    std::set<std::string> seen;
    size_t start = 0;
    while (start <= label.size()) {
        size_t end = label.find(',', start);
        if (end == std::string::npos)
            end = label.size();
        const std::string entry = label.substr(start, end - start);
        start = end + 1;
        const size_t colon = entry.find(':');
        if (colon == std::string::npos || colon == 0 || colon + 1 == entry.size() ||
            entry.find(':', colon + 1) != std::string::npos)
            throw QMSRefusal(400, "座位格式错误");
        if (!seen.insert(entry).second)
            throw QMSRefusal(400, "座位重复");
        seats.push_back({entry.substr(0, colon), entry.substr(colon + 1)});
        if (end == label.size())
            break;
    }
    if (seats.size() > QMSTicketHandler::maxSeats)
        throw QMSRefusal(400, "每单最多选择5个座位");
    return seats;
}

std::string seatText(const SeatChoice &seat)
{
    return seat.rowid + "排" + seat.name + "座";
}

} // namespace

void QMSTicketHandler::seatMap(QMSContext &context)
{
    const Screening screening = loadScreening(context, context.id("mpid"));
    if (!screening.open)
        throw QMSRefusal(409, "该场次已停止售票");
    const QMSSeatMap map(context.db, screening.id, screening.layout,
                         context.now.toSecsSinceEpoch());
    const std::vector<QMSHallLayout::Row> rows = map.rows();

    QMSXmlWriter &xml = context.xml;
    xml.open("data");
    xml.integer("mpid", screening.id);
    xml.integer("linenum", static_cast<long long>(rows.size()));
    xml.integer("ranknum", QMSHallLayout::widest(rows));
    xml.integer("costprice", screening.price);
    xml.integer("quelprice", screening.quelprice);
    xml.open("seatList");
    int number = 0;
    for (const QMSHallLayout::Row &row : rows) {
        xml.open("row");
        xml.integer("rownum", ++number);
        xml.text("rowid", row.rowid);
        xml.text("columns", QMSHallLayout::columns(row));
        xml.close();
    }
}

void QMSTicketHandler::order(QMSContext &context)
{
    const long long member = context.signedInMember();
    const auto mpid = context.id("mpid");
    const std::string mobile = context.required("mobile");
    if (!QMSTextRules::isMobile(mobile))
        throw QMSRefusal(400, "手机号码格式不正确");
    const std::vector<SeatChoice> seats = parseSeats(context.required("seatLabel"));

    const long long now = context.now.toSecsSinceEpoch();
    const long long deadline = now + context.holdSeconds;
    QMSTransaction transaction(context.db);
    const Screening screening = loadScreening(context, mpid);
    if (!screening.open)
        throw QMSRefusal(409, "该场次已停止售票");

    // Holds whose time has run out give their seats back.
    {
        QMSStatement release(context.db,
                             "DELETE FROM order_seats WHERE screening = ? AND orderid IN "
                             "(SELECT id FROM orders WHERE screening = ? AND state = 'held' "
                             "AND validuntil <= ?)");
        release.with(screening.id, screening.id, now);
        release.run();
        QMSStatement expire(context.db, "UPDATE orders SET state = 'expired' WHERE screening = ? "
                                        "AND state = 'held' AND validuntil <= ?");
        expire.with(screening.id, now);
        expire.run();
    }
    const QMSSeatMap map(context.db, screening.id, screening.layout, now);
    std::string seatNames;
    for (const SeatChoice &seat : seats) {
        switch (map.seat(seat.rowid, seat.name)) {
        case QMSSeatMap::Seat::Missing:
            throw QMSRefusal(400, "座位不存在：" + seatText(seat));
        case QMSSeatMap::Seat::Taken:
            throw QMSRefusal(409, "所选座位已被占用，请重新选择");
        case QMSSeatMap::Seat::Free:
            break;
        }
        seatNames += (seatNames.empty() ? "" : ",") + seatText(seat);
    }

    const int unitPrice = screening.quelprice > 0 ? screening.quelprice : screening.price;
    const int quantity = static_cast<int>(seats.size());
    const int amount = unitPrice * quantity;
    long long orderId = 0;
    {
        QMSStatement next(context.db, "SELECT COALESCE(MAX(id), 0) + 1 FROM orders");
        next.step();
        orderId = next.integer(0);
    }
    char tradeno[32];
    std::snprintf(tradeno, sizeof tradeno, "T%s%06lld",
                  context.now.toString(QStringLiteral("yyyyMMdd")).toStdString().c_str(), orderId);
    {
        QMSStatement insert(
            context.db, "INSERT INTO orders (id, tradeno, member, screening, mobile, unitprice, "
                        "quantity, discount, amount, seats, created, validuntil, state) "
                        "VALUES (?, ?, ?, ?, ?, ?, ?, 0, ?, ?, ?, ?, 'held')");
        insert.with(orderId, tradeno, member, screening.id, mobile, unitPrice, quantity, amount,
                    seatNames, QMSClock::stamp(context.now), deadline);
        insert.run();
        QMSStatement take(context.db, "INSERT INTO order_seats (screening, rowid_text, seat, "
                                      "orderid) VALUES (?, ?, ?, ?)");
        for (const SeatChoice &seat : seats) {
            take.with(screening.id, seat.rowid, seat.name, orderId);
            take.run();
            take.reset();
        }
    }
    transaction.commit();

    QMSXmlWriter &xml = context.xml;
    xml.open("data");
    xml.integer("mpid", screening.id);
    xml.text("tradeno", tradeno);
    xml.text("mobile", mobile);
    xml.integer("unitprice", unitPrice);
    xml.integer("quantity", quantity);
    xml.integer("discount", 0);
    xml.integer("amount", amount);
    xml.text("validtime", QMSClock::stamp(QMSClock::fromUnix(deadline)));
    xml.text("moviename", screening.film);
    xml.text("cinemaname", screening.cinema);
    xml.text("playtime", screening.playdate + " " + screening.playtime);
    xml.text("seat", seatNames);
    xml.text("payurl", context.address("/shanghai/pay.xhtml?tradeno=" + std::string(tradeno)));
}
