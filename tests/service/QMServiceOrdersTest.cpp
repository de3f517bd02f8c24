#include "QMServiceDatabase.h"
#include "QMServiceSuite.h"

#include <QThread>
#include <QUrl>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

namespace {

class ServiceOrders : public QMServiceSuite
{
protected:
    QMServiceClient::Answer order(const QString &seats, const QString &mpid = {},
                                  const QString &token = {})
    {
        return client->send(11, {{"memberEncode", token.isEmpty() ? samples->token : token},
                                 {"mpid", mpid.isEmpty() ? samples->mpid : mpid},
                                 {"mobile", "13800138000"},
                                 {"seatLabel", seats}});
    }

    // Seats still free, taken from the back of the hall so tests do not meet.
    QStringList takeSeats(int count)
    {
        QStringList seats;
        while (count-- > 0 && !samples->freeSeats.isEmpty())
            seats.append(samples->freeSeats.takeLast());
        return seats;
    }
};

QString payAddress(const QString &payurl, const QString &user, const QString &password)
{
    return payurl + "&username=" + user + "&password=" + password +
           "&key=" + QMServiceClient::partnerKey() +
           "&encode=" + QMServiceClient::md5(user + password + QMServiceClient::privateKey());
}

QByteArray pathOf(const QString &address)
{
    const QUrl url(address);
    return url.path().toUtf8() + '?' + url.query(QUrl::FullyEncoded).toUtf8();
}

} // namespace

TEST_F(ServiceOrders, AnOrderHoldsItsSeatsAndCarriesItsPaymentPage)
{
    const QStringList seats = takeSeats(2);
    const auto answer = order(seats.join(','));
    const auto record = answer.record();
    ASSERT_TRUE(record) << answer.body.toStdString();
    EXPECT_FALSE(record->has("error"));
    const int unit = record->value("unitprice").toInt();
    EXPECT_GT(unit, 0);
    EXPECT_EQ(record->value("quantity"), "2");
    EXPECT_EQ(record->value("amount").toInt(), unit * 2);
    EXPECT_EQ(record->value("mpid"), samples->mpid);
    EXPECT_EQ(record->value("cinemaname"), "人民广场星河影城");
    EXPECT_TRUE(record->value("tradeno").startsWith('T'));
    EXPECT_EQ(record->value("validtime").size(), 19);
    const QString payurl = record->value("payurl");
    EXPECT_TRUE(payurl.startsWith(QString("http://127.0.0.1:%1/").arg(service->port())));
    EXPECT_TRUE(payurl.contains("?tradeno=" + record->value("tradeno")));

    // The seats now show as locked, and cannot be ordered again.
    const QStringList free = QMServiceSamples::seatsOf(*client, samples->mpid);
    for (const QString &seat : seats)
        EXPECT_FALSE(free.contains(seat)) << seat.toStdString();
    EXPECT_EQ(order(seats.first()).error(), "所选座位已被占用，请重新选择");
    EXPECT_EQ(order(takeSeats(1).first() + ',' + seats.last()).error(),
              "所选座位已被占用，请重新选择");
}

TEST_F(ServiceOrders, OrdersThatCannotBeKeptAreRefused)
{
    const QStringList seats = takeSeats(6);
    EXPECT_EQ(order(seats.join(',')).error(), "每单最多选择5个座位");
    EXPECT_EQ(order(seats.first() + ',' + seats.first()).error(), "座位重复");
    EXPECT_EQ(order("99:99").error(), "座位不存在：99排99座");
    EXPECT_EQ(order("1").error(), "座位格式错误");
    EXPECT_EQ(order("1:ZL").error(), "座位不存在：1排ZL座");
    EXPECT_EQ(client
                  ->send(11, {{"memberEncode", samples->token},
                              {"mpid", samples->mpid},
                              {"mobile", "1380013"},
                              {"seatLabel", seats.first()}})
                  .error(),
              "手机号码格式不正确");
    // Yesterday's screenings sell nothing: neither seat map nor order.
    const auto past =
        QMServiceSamples::screenings(*client, "2001", "1001", QMServiceClient::shanghaiDay(-1));
    ASSERT_FALSE(past.isEmpty());
    const QString closed = past.first().value("mpid");
    EXPECT_EQ(past.first().value("open"), "false");
    EXPECT_EQ(client->send(10, {{"mpid", closed}}).error(), "该场次已停止售票");
    EXPECT_EQ(order("1:1", closed).error(), "该场次已停止售票");
    // None of the refused orders took a seat.
    const QStringList free = QMServiceSamples::seatsOf(*client, samples->mpid);
    for (const QString &seat : seats)
        EXPECT_TRUE(free.contains(seat)) << seat.toStdString();
}

TEST_F(ServiceOrders, ThePaymentPageServesOnlyTheMemberWhoOrdered)
{
    const auto placed = order(takeSeats(1).first()).record();
    ASSERT_TRUE(placed);
    const QString payurl = placed->value("payurl");

    const auto wrongEncode =
        client->get(pathOf(payurl + "&username=demo@example.com&password=demo123&key=" +
                           QMServiceClient::partnerKey() + "&encode=0"));
    EXPECT_EQ(wrongEncode.status, 403);
    EXPECT_FALSE(wrongEncode.body.contains("确认支付"));
    const auto stranger =
        client->get(pathOf(payAddress(payurl, "user02@example.com", "member123")));
    EXPECT_EQ(stranger.status, 403);

    const auto page = client->get(pathOf(payAddress(payurl, "demo@example.com", "demo123")));
    ASSERT_EQ(page.status, 200);
    EXPECT_TRUE(page.body.contains("确认支付"));
    EXPECT_TRUE(page.body.contains(placed->value("tradeno").toUtf8()));
    EXPECT_FALSE(page.body.contains("demo123")) << "the password never goes into the page";
    const QByteArray marker = "name=\"token\" value=\"";
    const int at = page.body.indexOf(marker) + marker.size();
    const QByteArray token = page.body.mid(at, page.body.indexOf('"', at) - at);
    ASSERT_EQ(token.size(), 32);

    const QByteArray tradeno = placed->value("tradeno").toUtf8();
    EXPECT_EQ(client->post("/shanghai/pay.xhtml", "tradeno=" + tradeno + "&token=0").status, 403);
    const auto paid = client->post("/shanghai/pay.xhtml", "tradeno=" + tradeno + "&token=" + token);
    EXPECT_EQ(paid.status, 200);
    EXPECT_TRUE(paid.body.contains("支付成功"));
    EXPECT_TRUE(service->log().contains("collection code"));
    EXPECT_EQ(
        QMServiceDatabase::number(
            service->databasePath(),
            ("SELECT COUNT(*) FROM orders WHERE state = 'paid' AND tradeno = '" + tradeno + "'")
                .constData()),
        1);
}

TEST_F(ServiceOrders, OfManyOrdersRacingForOneSeatExactlyOneWins)
{
    const QString contested = takeSeats(2).join(',');
    constexpr int racers = 16;
    std::atomic<int> won{0};
    std::atomic<int> lost{0};
    std::atomic<int> other{0};
    std::vector<std::thread> threads;
    for (int i = 0; i < racers; ++i) {
        threads.emplace_back([&] {
            const auto answer = order(contested);
            const auto record = answer.record();
            if (record && record->has("tradeno"))
                ++won;
            else if (answer.error() == "所选座位已被占用，请重新选择")
                ++lost;
            else
                ++other;
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    EXPECT_EQ(won, 1);
    EXPECT_EQ(lost, racers - 1);
    EXPECT_EQ(other, 0);
}

TEST_F(ServiceOrders, OverlappingOrdersNeverShareASeatAndNoneIsLost)
{
    // Racers ask for seat pairs (0,1), (1,2), (2,3)…: winners must be disjoint.
    const QStringList row = takeSeats(13);
    const long long before = QMServiceDatabase::number(
        service->databasePath(),
        ("SELECT COUNT(*) FROM order_seats WHERE screening = " + samples->mpid.toUtf8())
            .constData());
    std::vector<QStringList> wins(12);
    std::vector<std::thread> threads;
    for (int i = 0; i < 12; ++i) {
        threads.emplace_back([&, i] {
            const QString pair = row.at(i) + ',' + row.at(i + 1);
            const auto record = order(pair).record();
            if (record && record->has("tradeno"))
                wins[static_cast<size_t>(i)] = pair.split(',');
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    QStringList taken;
    for (const QStringList &win : wins)
        taken += win;
    EXPECT_GE(taken.size(), 2);
    EXPECT_EQ(taken.removeDuplicates(), 0) << taken.join(' ').toStdString();
    const long long after = QMServiceDatabase::number(
        service->databasePath(),
        ("SELECT COUNT(*) FROM order_seats WHERE screening = " + samples->mpid.toUtf8())
            .constData());
    EXPECT_EQ(after - before, taken.size());
    const QStringList free = QMServiceSamples::seatsOf(*client, samples->mpid);
    for (const QString &seat : taken)
        EXPECT_FALSE(free.contains(seat));
}

TEST(ServiceHolds, AnUnpaidOrderGivesItsSeatsBackWhenItsTimeRunsOut)
{
    QMTestService service({"--hold-seconds", "1"});
    ASSERT_TRUE(service.isRunning()) << service.log().toStdString();
    QMServiceClient client(service.port());
    QMServiceSamples samples(client);
    ASSERT_TRUE(samples.isReady());
    const QString seat = samples.freeSeats.last();
    auto order = [&](const QString &token) {
        return client.send(11, {{"memberEncode", token},
                                {"mpid", samples.mpid},
                                {"mobile", "13800138000"},
                                {"seatLabel", seat}});
    };
    const auto first = order(samples.token).record();
    ASSERT_TRUE(first && first->has("payurl"));
    const QString other = client.signIn("user02@example.com", "member123").first;
    EXPECT_EQ(order(other).error(), "所选座位已被占用，请重新选择");

    QThread::msleep(2200);
    EXPECT_TRUE(QMServiceSamples::seatsOf(client, samples.mpid).contains(seat));
    const auto second = order(other).record();
    ASSERT_TRUE(second);
    EXPECT_TRUE(second->has("tradeno")) << "the lapsed hold gave the seat back";
    const auto late =
        client.get(pathOf(payAddress(first->value("payurl"), "demo@example.com", "demo123")));
    EXPECT_EQ(late.status, 410);
}
