#include "members/MemberCache.h"
#include "members/QMLoginProvider.h"
#include "net/QMEncoderProvider.h"
#include "ticketing/QMBookInfoProvider.h"
#include "ticketing/QMTicketBookProvider.h"

#include "QMProviderTestCase.h"
#include "QMTestRecorders.h"

namespace {

class SeatMaps : public QMProviderTestCase
{
protected:
    // Asks for the seat map of mpid 3000123 answered by body.
    void askFor(const QByteArray &body)
    {
        answer("order/opiSeatInfo.xhtml", body);
        auto *provider = context()->bookInfoProvider();
        provider->bookInfoDelegate = &recorder;
        provider->requestForMpi(QStringLiteral("3000123"));
        ASSERT_TRUE(recorder.waitForCalls());
    }
    SeatMapRecorder recorder;
};

class TicketOrders : public QMProviderTestCase
{
protected:
    void SetUp() override
    {
        QMProviderTestCase::SetUp();
        auto member = std::make_shared<MemberCache>();
        member->memberEncode = QStringLiteral("a7f3c9e2");
        member->memberid = QStringLiteral("5001");
        context()->loginProvider()->loginMemeber = member;
        provider()->orderDelegate = &recorder;
        provider()->mpid = QStringLiteral("3000123");
        provider()->mobile = QStringLiteral("13800138000");
        provider()->seatLabel = QStringLiteral("3:5,3:6");
    }
    static QMTicketBookProvider *provider() { return context()->ticketBookProvider(); }
    void order(const QByteArray &body)
    {
        answer("order/addTicketOrder.xhtml", body);
        const int before = recorder.calls;
        provider()->requestBookInfo();
        ASSERT_TRUE(recorder.waitForCalls(before + 1));
    }
    OrderRecorder recorder;
};

const QByteArray kAccepted = "<data><mpid>3000123</mpid><tradeno>T1</tradeno><amount>70</amount>"
                             "<payurl>http://pay.example.com/pay.xhtml?tradeno=T1</payurl></data>";
} // namespace

TEST_F(SeatMaps, MapRowsKeepTheirCodesAsWritten)
{
    askFor("<data><mpid>3000123</mpid><linenum>3</linenum><ranknum>4</ranknum><seatList>"
           "<row><rownum>1</rownum><rowid>1</rowid><columns>ZL, 5,LK,2</columns></row>"
           "<row><rownum>2</rownum><rowid></rowid><columns>1,2,3,4</columns></row>"
           "<row><rownum>3</rownum><rowid>3</rowid><columns>LK,LK</columns></row>"
           "</seatList></data>");
    ASSERT_TRUE(recorder.record);
    const BookInfo &map = *recorder.record;
    EXPECT_EQ(map.linenum, 3);
    EXPECT_EQ(map.ranknum, 4);
    ASSERT_EQ(map.seatList.size(), 3);

    const QStringList first = map.seatList[0]->positionCodes();
    ASSERT_EQ(first.size(), 4);
    EXPECT_EQ(Row::positionOf(first[0]), Row::Position::Empty);
    EXPECT_EQ(first[1], QStringLiteral(" 5"));
    EXPECT_EQ(Row::positionOf(first[1]), Row::Position::Free);
    EXPECT_EQ(Row::positionOf(first[2]), Row::Position::Locked);
    EXPECT_EQ(Row::positionOf(QStringLiteral("lk")), Row::Position::Free);

    EXPECT_FALSE(map.seatList[1]->hasSeats());
    EXPECT_TRUE(map.seatList[2]->hasSeats());
    for (const QString &code : map.seatList[2]->positionCodes())
        EXPECT_EQ(Row::positionOf(code), Row::Position::Locked);
}

TEST_F(SeatMaps, RefusalIsAnErrorWithTheServicesText)
{
    askFor("<data><error>该场次已停止售票</error></data>");
    EXPECT_EQ(recorder.successes, 0);
    ASSERT_TRUE(recorder.error);
    EXPECT_EQ(recorder.error->code(), -1);
    EXPECT_EQ(recorder.errorText(), QStringLiteral("该场次已停止售票"));
}

TEST_F(SeatMaps, UnreadableAnswerIsAnEmptyMap)
{
    askFor("<html>busy</html>");
    EXPECT_EQ(recorder.successes, 1);
    EXPECT_FALSE(recorder.record);
}

TEST_F(SeatMaps, RequestIsSignedWithTheScreening)
{
    askFor("<data></data>");
    context()->bookInfoProvider()->requestForMpi(QString());
    context()->bookInfoProvider()->requestForMpi(QStringLiteral("3000124"));
    ASSERT_TRUE(recorder.waitForCalls(2));
    ASSERT_EQ(server.requests().size(), 2);
    EXPECT_TRUE(sentQuery(0).startsWith(QStringLiteral("mpid=3000123&key=")));
    const QString first = sentValue(QStringLiteral("encryptCode"), 0);
    const QString second = sentValue(QStringLiteral("encryptCode"), 1);
    EXPECT_EQ(first, QMEncoderProvider::GetEncodeStringWithMpi(QStringLiteral("3000123")));
    EXPECT_NE(first, QMEncoderProvider::GetEncodeString());
    EXPECT_NE(first, second);
}

TEST_F(TicketOrders, OrderPutsTheKeyFirstAndSignsTheValuesAsTheServiceReadsThem)
{
    provider()->mobile = QStringLiteral("138 0013&8000");
    order(kAccepted);
    const QString query = sentQuery();
    EXPECT_TRUE(query.startsWith(QStringLiteral("key=") + QMEncoderProvider::CorprationKey() +
                                 QStringLiteral("&memberEncode=a7f3c9e2&mpid=3000123&mobile=")));
    EXPECT_TRUE(query.contains(QStringLiteral("&seatLabel=3:5,3:6&encryptCode=")));
    // The typed number arrives whole, and the digest covers it as it arrives.
    EXPECT_EQ(sentValue(QStringLiteral("mobile")), QStringLiteral("138 0013&8000"));
    EXPECT_EQ(
        sentValue(QStringLiteral("encryptCode")),
        QMEncoderProvider::GetEncodeStringWithMpi(QStringLiteral("3000123138 0013&80003:5,3:6")));
    ASSERT_TRUE(recorder.record);
    EXPECT_EQ(recorder.record->amount, 70);
}

TEST_F(TicketOrders, SeatNamesOfAnyKindTravelAsOneValueEach)
{
    // A Chinese row with a space, a seat whose name would start a parameter of its own, and
    // one holding "%2B", "+", "#", "?" and "/".
    const QString label = QStringLiteral("贵宾 A:1&seatLabel=9,贵宾 A:5%2B+#?/");
    provider()->seatLabel = label;
    order(kAccepted);
    const QString query = sentQuery();
    EXPECT_EQ(query.count(QStringLiteral("seatLabel=")), 1) << query.toStdString();
    EXPECT_TRUE(query.contains(
        QStringLiteral("&mobile=13800138000&seatLabel=%E8%B4%B5%E5%AE%BE%20A:1%26seatLabel%3D9,"
                       "%E8%B4%B5%E5%AE%BE%20A:5%252B%2B%23%3F%2F&encryptCode=")))
        << query.toStdString();
    EXPECT_EQ(sentValue(QStringLiteral("seatLabel")), label);

    // MD5 of "3000123" "13800138000", the label, then the development keys, worked out apart
    // from the client (printf '%s' ... | md5sum).
    ASSERT_EQ(QMEncoderProvider::CorprationKey(), QStringLiteral("sh2026client"));
    ASSERT_EQ(QMEncoderProvider::PrivateKey(), QStringLiteral("cinema-shkeys"));
    EXPECT_EQ(sentValue(QStringLiteral("encryptCode")),
              QStringLiteral("ed23383565a16137de3e26176124cc32"));

    // The typed number follows the same rule.
    provider()->mobile = QStringLiteral("138 0013&8000");
    order(kAccepted);
    EXPECT_TRUE(sentQuery(1).contains(QStringLiteral("&mobile=138%200013%268000&seatLabel=")));
    EXPECT_EQ(sentValue(QStringLiteral("encryptCode"), 1),
              QStringLiteral("0d68002920a493033e0a04c46bcc07a1"));
}

TEST_F(TicketOrders, NothingIsSentWithoutScreeningNumberOrSeats)
{
    provider()->seatLabel.clear();
    provider()->requestBookInfo();
    provider()->seatLabel = QStringLiteral("1:1");
    provider()->mobile.clear();
    provider()->requestBookInfo();
    QTest::qWait(50);
    EXPECT_TRUE(server.requests().isEmpty());
    EXPECT_EQ(recorder.calls, 0);
}

TEST_F(TicketOrders, RefusedOrUnusableAnswersAreFailures)
{
    order("<data><error>所选座位已被占用，请重新选择</error></data>");
    ASSERT_TRUE(recorder.error);
    EXPECT_EQ(recorder.error->code(), -1);
    EXPECT_EQ(recorder.errorText(), QStringLiteral("所选座位已被占用，请重新选择"));

    order("<error>签名错误</error>");
    EXPECT_FALSE(recorder.error);

    // An accepted order must name a web page: nothing else is opened in the browser.
    order("<data><tradeno>T2</tradeno></data>");
    order("<data><payurl>javascript:alert(1)</payurl></data>");
    order("<data><payurl>file:///etc/passwd?x=1</payurl></data>");
    EXPECT_EQ(recorder.failures, 5);
    EXPECT_EQ(recorder.successes, 0);
}

TEST_F(TicketOrders, PaymentAddressAppendsTheCredentialsAndTheirDigest)
{
    Order accepted;
    accepted.payurl = QStringLiteral("http://pay.example.com/shanghai/pay.xhtml?tradeno=T1");
    const QUrl address = QMTicketBookProvider::paymentAddress(
        accepted, QStringLiteral("user@example.com"), QStringLiteral("se&cret 1"));
    ASSERT_TRUE(address.isValid());
    const QString text = QString::fromLatin1(address.toEncoded());
    EXPECT_TRUE(text.startsWith(accepted.payurl + QStringLiteral("&username=user%40example.com")));
    const QUrlQuery query(address);
    EXPECT_EQ(query.queryItemValue(QStringLiteral("password"), QUrl::FullyDecoded),
              QStringLiteral("se&cret 1"));
    EXPECT_EQ(query.queryItemValue(QStringLiteral("key")), QMEncoderProvider::CorprationKey());
    EXPECT_EQ(query.queryItemValue(QStringLiteral("encode")),
              QMEncoderProvider::GetMD5EncodeString(QStringLiteral("user@example.comse&cret 1") +
                                                    QMEncoderProvider::PrivateKey()));

    context()->loginProvider()->username = QStringLiteral("demo@example.com");
    context()->loginProvider()->password = QStringLiteral("demo123");
    EXPECT_TRUE(QString::fromLatin1(QMTicketBookProvider::paymentAddress(accepted).toEncoded())
                    .contains(QStringLiteral("&username=demo%40example.com&password=demo123&")));

    accepted.payurl = QStringLiteral("javascript:alert(1)");
    EXPECT_FALSE(QMTicketBookProvider::paymentAddress(accepted, {}, {}).isValid());
    accepted.payurl.clear();
    EXPECT_FALSE(QMTicketBookProvider::paymentAddress(accepted, {}, {}).isValid());
}
