#include "QMSPaymentPage.h"

#include "QMSClock.h"
#include "QMSConnection.h"
#include "QMSMemberHandler.h"
#include "QMSPasswords.h"
#include "QMSQuery.h"
#include "QMSSignature.h"
#include "QMSStatement.h"
#include "QMSTransaction.h"
#include "QMSXmlWriter.h"

#include <cstdio>

namespace {

std::string html(const std::string &title, const std::string &body)
{
    return "<!DOCTYPE html>\n<html lang=\"zh-CN\"><head><meta charset=\"utf-8\">"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
           "<title>" +
           QMSXmlWriter::escaped(title) +
           "</title><style>body{font-family:sans-serif;margin:16px;color:#222}"
           "h1{font-size:20px;color:#e8641b}table{border-collapse:collapse}"
           "td{padding:4px 8px 4px 0;vertical-align:top}"
           "button{font-size:18px;padding:8px 24px;background:#e8641b;color:#fff;border:0;"
           "border-radius:4px}</style></head><body><h1>" +
           QMSXmlWriter::escaped(title) + "</h1>" + body + "</body></html>\n";
}

QMSPaymentPage::Page message(int status, const std::string &title, const std::string &text,
                             const std::string &outcome)
{
    return {status, html(title, "<p>" + QMSXmlWriter::escaped(text) + "</p>"), outcome};
}

struct Order
{
    long long id = 0;
    long long member = 0;
    std::string tradeno;
    std::string mobile;
    std::string seats;
    int amount = 0;
    long long validUntil = 0;
    std::string state;
    std::string film;
    std::string cinema;
    std::string playtime;
    std::string token;
};

bool loadOrder(QMSConnection &db, const std::string &tradeno, Order &order)
{
    QMSStatement query(db,
                       "SELECT o.id, o.member, o.tradeno, o.mobile, o.seats, o.amount, "
                       "o.validuntil, o.state, f.name, c.name, s.playdate || ' ' || s.playtime, "
                       "COALESCE(o.paytoken, '') FROM orders o "
                       "JOIN screenings s ON s.id = o.screening JOIN films f ON f.id = s.film "
                       "JOIN cinemas c ON c.id = s.cinema WHERE o.tradeno = ?");
    query.with(tradeno);
    if (!query.step())
        return false;
    order = {query.integer(0), query.integer(1), query.text(2),
             query.text(3),    query.text(4),    static_cast<int>(query.integer(5)),
             query.integer(6), query.text(7),    query.text(8),
             query.text(9),    query.text(10),   query.text(11)};
    return true;
}

std::string details(const Order &order)
{
    auto row = [](const char *label, const std::string &value) {
        return std::string("<tr><td>") + label + "</td><td>" + QMSXmlWriter::escaped(value) +
               "</td></tr>";
    };
    return "<table>" + row("订单号", order.tradeno) + row("影片", order.film) +
           row("影院", order.cinema) + row("场次", order.playtime) + row("座位", order.seats) +
           row("金额", std::to_string(order.amount) + "元") +
           row("取票短信发送至", QMSMemberHandler::maskedMobile(order.mobile)) +
           row("请在此时间前支付", QMSClock::stamp(QMSClock::fromUnix(order.validUntil))) +
           "</table>";
}

bool expired(const Order &order)
{
    return order.state == "expired" ||
           (order.state == "held" && order.validUntil <= QMSClock::now().toSecsSinceEpoch());
}

} // namespace

QMSPaymentPage::Page QMSPaymentPage::show(QMSConnection &db, const QMSSignature &signature,
                                          const QMSQuery &query)
{
    const std::string user = query.value("username");
    const std::string password = query.value("password");
    Order order;
    if (!loadOrder(db, query.value("tradeno"), order))
        return message(404, "订单不存在", "没有找到这个订单。", "no such order");

    // The encode proves the page was opened by the client; the password, that the member who
    // placed the order is the one looking at it.
    bool verified = QMSSignature::sameText(query.value("key"), signature.partnerKey()) &&
                    signature.acceptsPayment(user, password, query.value("encode"));
    if (verified) {
        QMSStatement member(db, "SELECT id, password FROM members "
                                "WHERE email = ? COLLATE NOCASE OR mobile = ? LIMIT 1");
        member.with(user, user);
        verified = member.step() && member.integer(0) == order.member &&
                   QMSPasswords::verify(password, member.text(1));
    }
    if (!verified)
        return message(403, "支付验证失败", "无法确认您的身份，请回到应用重新下单。",
                       "payment refused: bad credentials");

    if (order.state == "paid")
        return {200, html("订单已支付", details(order)), "already paid"};
    if (expired(order))
        return message(410, "订单已过期", "订单超过支付时间，座位已释放，请重新选座。",
                       "order expired");

    const std::string token = QMSPasswords::randomHex(16);
    QMSStatement store(db, "UPDATE orders SET paytoken = ? WHERE id = ?");
    store.with(token, order.id);
    QMSTransaction transaction(db);
    store.run();
    transaction.commit();
    const std::string form = "<form method=\"post\" action=\"/shanghai/pay.xhtml\">"
                             "<input type=\"hidden\" name=\"tradeno\" value=\"" +
                             QMSXmlWriter::escaped(order.tradeno) +
                             "\"><input type=\"hidden\" name=\"token\" value=\"" + token +
                             "\"><p><button type=\"submit\">确认支付</button></p></form>";
    return {200, html("确认支付", details(order) + form), "payment page"};
}

QMSPaymentPage::Page QMSPaymentPage::confirm(QMSConnection &db, const QMSQuery &form)
{
    QMSTransaction transaction(db);
    Order order;
    if (!loadOrder(db, form.value("tradeno"), order))
        return message(404, "订单不存在", "没有找到这个订单。", "no such order");
    if (order.state == "paid")
        return {200, html("订单已支付", details(order)), "already paid"};
    if (order.token.empty() || !QMSSignature::sameText(form.value("token"), order.token))
        return message(403, "支付验证失败", "请从订单页面确认支付。", "payment refused: bad token");
    if (expired(order))
        return message(410, "订单已过期", "订单超过支付时间，座位已释放，请重新选座。",
                       "order expired");

    char code[8];
    std::snprintf(code, sizeof code, "%06lu",
                  std::stoul(QMSPasswords::randomHex(4), nullptr, 16) % 1000000);
    QMSStatement paid(db,
                      "UPDATE orders SET state = 'paid', paytoken = NULL, code = ? WHERE id = ?");
    paid.with(code, order.id);
    paid.run();
    transaction.commit();
    // Standing in for the text message with the collection code.
    std::fprintf(stderr, "collection code %s for order %s sent to %s\n", code,
                 order.tradeno.c_str(), QMSMemberHandler::maskedMobile(order.mobile).c_str());
    return {200,
            html("支付成功", details(order) + "<p>取票码已通过短信发送，请凭短信到影院取票。</p>"),
            "paid"};
}
