#include "app/QMDataContext.h"
#include "members/QMLoginProvider.h"
#include "net/QMDataProvider.h"
#include "ticketing/QMBookInfoProvider.h"
#include "ticketing/QMSeatsView.h"
#include "ticketing/QMTicketBookProvider.h"

#include "QMTestDocuments.h"
#include "QMTestRecorders.h"
#include "QMTestService.h"

#include <QTest>

#include <gtest/gtest.h>
#include <sqlite3.h>

// Seats with names that need escaping, chosen on the seat map and ordered from the real
// stand-in service; the service's database is read (and the hall laid out) beside it.
namespace {

// Runs one statement on the service's database with text parameters; the first column of each
// row, as text.
QStringList sql(const QString &path, const char *statement, const QStringList &values = {})
{
    QStringList rows;
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) ==
        SQLITE_OK) {
        sqlite3_busy_timeout(db, 5000);
        sqlite3_stmt *query = nullptr;
        if (sqlite3_prepare_v2(db, statement, -1, &query, nullptr) == SQLITE_OK) {
            for (int i = 0; i < values.size(); ++i)
                sqlite3_bind_text(query, i + 1, values[i].toUtf8().constData(), -1,
                                  SQLITE_TRANSIENT);
            while (sqlite3_step(query) == SQLITE_ROW)
                rows.append(QString::fromUtf8(
                    reinterpret_cast<const char *>(sqlite3_column_text(query, 0))));
        }
        sqlite3_finalize(query);
    }
    sqlite3_close(db);
    return rows;
}

// The seat selection screen's part: it writes each chosen seat as "row:seat", in order.
class Chooser : public QObject, public QMSeatViewDelegate
{
public:
    void didSelectSeatAtRowColumn(const QString &rowid, const QString &column) override
    {
        chosen.append(rowid + QLatin1Char(':') + column);
    }
    void didDeselectSeatAtRowColumn(const QString &rowid, const QString &column) override
    {
        chosen.removeAll(rowid + QLatin1Char(':') + column);
    }
    QStringList chosen;
};

template<class Recorder, class Send> void ask(Recorder &recorder, Send &&send)
{
    const int before = recorder.calls;
    send();
    ASSERT_TRUE(recorder.waitForCalls(before + 1)) << "no answer";
}

class SeatOrderService : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(service.isRunning());
        QMDataProvider::setBaseAddressForTesting(service.baseUrl());
    }
    void TearDown() override
    {
        QMDataContext::CloseDataContext();
        QMDataProvider::CloseDataProvider();
        QMDataProvider::setBaseAddressForTesting({});
    }

    QMTestDocuments documents;
    QMTestService service;
};

} // namespace

TEST_F(SeatOrderService, SeatsWithAnyNamesAreOrderedExactlyAsChosen)
{
    QMDataContext *context = QMDataContext::CurrentDataContext();

    LoginRecorder login;
    context->loginProvider()->loginDelegate = &login;
    context->loginProvider()->username = QStringLiteral("demo@example.com");
    context->loginProvider()->password = QStringLiteral("demo123");
    ask(login, [&] { context->loginProvider()->requestLogin(); });
    ASSERT_TRUE(login.record);
    const QString member = login.record->memberid;

    // A screening on sale tomorrow, in a hall whose rows and seats have awkward names.
    const QString db = service.databasePath();
    const QStringList found =
        sql(db,
            "SELECT s.id || '|' || s.hall FROM screenings s JOIN cinemas c ON c.id = s.cinema "
            "WHERE s.open = 1 AND c.open = 1 AND s.playdate = ? ORDER BY s.id LIMIT 1",
            {QDate::currentDate().addDays(1).toString(Qt::ISODate)});
    ASSERT_EQ(found.size(), 1);
    const QString mpid = found[0].section(QLatin1Char('|'), 0, 0);
    const QString hall = found[0].section(QLatin1Char('|'), 1, 1);
    sql(db, "UPDATE halls SET layout = ? WHERE id = ?",
        {QStringLiteral("贵宾 A|LK,1&seatLabel=9,ZL,5%2B+#?/\n|ZL,ZL,ZL,ZL\n2|1,2,3,4\n"), hall});

    SeatMapRecorder seatMap;
    context->bookInfoProvider()->bookInfoDelegate = &seatMap;
    ask(seatMap, [&] { context->bookInfoProvider()->requestForMpi(mpid); });
    ASSERT_TRUE(seatMap.record) << seatMap.errorText().toStdString();
    const BookInfo &map = *seatMap.record;
    ASSERT_EQ(map.seatList.size(), 3);

    QMSeatsView view(QRect(QPoint(), QMSeatsView::gridSize(map.linenum, map.ranknum)));
    Chooser chooser;
    view.seatDelegate = &chooser;
    view.setSeatList(map.seatList);
    for (const char *name : {"5%2B+#?/", "1&seatLabel=9"}) {
        const QRect seat = view.seatRect(QStringLiteral("贵宾 A"), QString::fromUtf8(name));
        ASSERT_FALSE(seat.isEmpty()) << name;
        QTest::mouseClick(&view, Qt::LeftButton, {}, seat.center());
    }
    ASSERT_EQ(chooser.chosen.size(), 2);

    OrderRecorder order;
    QMTicketBookProvider *booking = context->ticketBookProvider();
    booking->orderDelegate = &order;
    booking->mpid = mpid;
    booking->mobile = QStringLiteral("13800138000");
    booking->seatLabel = chooser.chosen.join(QLatin1Char(','));
    ask(order, [&] { booking->requestBookInfo(); });
    ASSERT_TRUE(order.record) << order.errorText().toStdString();
    EXPECT_EQ(order.record->quantity, 2);
    EXPECT_EQ(order.record->seat, QStringLiteral("贵宾 A排5%2B+#?/座,贵宾 A排1&seatLabel=9座"));

    // The service holds exactly those two seats for the member.
    const QStringList held = sql(db,
                                 "SELECT s.rowid_text || ':' || s.seat FROM order_seats s "
                                 "JOIN orders o ON o.id = s.orderid "
                                 "WHERE o.member = ? AND o.screening = ? ORDER BY s.seat",
                                 {member, mpid});
    EXPECT_EQ(held, QStringList({QStringLiteral("贵宾 A:1&seatLabel=9"),
                                 QStringLiteral("贵宾 A:5%2B+#?/")}));

    // And the map shows them taken now.
    ask(seatMap, [&] { context->bookInfoProvider()->requestForMpi(mpid); });
    ASSERT_TRUE(seatMap.record);
    EXPECT_EQ(seatMap.record->seatList[0]->columns, QStringLiteral("LK,LK,ZL,LK"));
}
