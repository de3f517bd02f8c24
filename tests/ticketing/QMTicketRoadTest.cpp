#include "cinemas/QMCinemaFilmStrip.h"
#include "cinemas/QMCinemaListView.h"
#include "cinemas/QMCinemaViewController.h"
#include "cinemas/QmCinemaInfoViewController.h"
#include "films/QMMovieOpenFlowView.h"
#include "films/QMMoviePlayCinemaViewController.h"
#include "films/QMMovieTaxisCell.h"
#include "films/QMMovieTaxisViewController.h"
#include "films/QMMovieViewController.h"
#include "films/QMToPlayInfoViewController.h"
#include "films/openflow/TPOpenFlowView.h"
#include "kit/QMAlertView.h"
#include "kit/QMBrowser.h"
#include "kit/QMNavigationBar.h"
#include "kit/QMNavigationController.h"
#include "kit/QMTabBarController.h"
#include "members/QMLoginViewController.h"
#include "net/QMEncoderProvider.h"
#include "ticketing/QMMovieBuyTicketViewController.h"
#include "ticketing/QMMovieConfirmPewViewController.h"
#include "ticketing/QMMovieSelectPewViewController.h"

#include "KitTestSupport.h"
#include "QMAppTestCase.h"
#include "QMServiceDatabase.h"
#include "QMTestCinemas.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QTest>
#include <QUrlQuery>

// The road of a ticket order through the whole client, touched as a member would, against the
// stand-in service; the service's database is read beside it.
namespace {

const QString kUser = QStringLiteral("demo@example.com");
const QString kPassword = QStringLiteral("demo123");
const QString kDemoMember = QStringLiteral("5001");

class TicketRoad : public QMAppTestCase
{
protected:
    void TearDown() override
    {
        QMBrowser::setHandlerForTesting({});
        QMAppTestCase::TearDown();
    }

    QStringList sql(const QString &statement) const
    {
        return QMServiceDatabase::rows(service->databasePath(), statement);
    }
    // A screening on sale the day after tomorrow (in the future whatever the device's time zone)
    // at a cinema that sells, as "film|cinema|mpid" rows.
    QStringList screeningsOnSale(const QString &condition) const
    {
        return sql(
            QStringLiteral("SELECT s.film || '|' || s.cinema || '|' || s.id FROM screenings s "
                           "JOIN cinemas c ON c.id = s.cinema WHERE c.open = 1 AND s.open = 1 "
                           "AND s.playdate = '%1' AND %2 ORDER BY s.film, s.cinema, s.playtime")
                .arg(QDate::currentDate().addDays(2).toString(Qt::ISODate), condition));
    }
    static QMAlertView *waitForAlert()
    {
        if (!QTest::qWaitFor([] { return !QMAlertView::visibleAlerts().isEmpty(); }, 20000))
            return nullptr;
        return QMAlertView::visibleAlerts().value(0);
    }
    static void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    static void typeInto(QLineEdit *field, const QString &text)
    {
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::keyClicks(field, text);
    }
    // Touches a row of a list of cinemas.
    static void touchRow(QMCinemaListView *list, int row)
    {
        list->tableView()->scrollToRow(row, QMTableView::ScrollPosition::Top, false);
        tap(list->tableView()->cellForRow(row), QPoint(150, 50));
    }
    // The seats of the map that are free and fully in view, row by row.
    static QList<QMSeatButton> freeSeatsInView(QMMovieSelectPewViewController *seats)
    {
        const QRect view(seats->seatScrollView()->contentOffset(), seats->seatScrollView()->size());
        QList<QMSeatButton> found;
        for (const QMSeatButton &seat : seats->seatsView()->seatButtonArray()) {
            if (seat.isSelectable() && seat.seatStatus() == QMSeatButton::Free &&
                view.contains(seat.frame()))
                found.append(seat);
        }
        return found;
    }
    static void touch(QMMovieSelectPewViewController *seats, const QMSeatButton &seat)
    {
        tap(seats->seatsView(), seat.frame().center());
    }
    static QString entry(const QMSeatButton &seat) { return seat.row() + ':' + seat.column(); }

    // On the schedule: the day after tomorrow, the row of the screening scrolled to the top.
    int showScreening(QMMovieTaxisViewController *schedule, const QString &mpid)
    {
        click(schedule->dayButton(QMMovieTaxisViewController::AfterTomorrow));
        if (!QTest::qWaitFor(
                [&] {
                    return schedule->shownDay() == QMMovieTaxisViewController::AfterTomorrow &&
                           !schedule->playMovieArray().isEmpty();
                },
                20000))
            return -1;
        for (int row = 0; row < schedule->playMovieArray().size(); ++row) {
            if (schedule->playMovieArray()[row]->mpid == mpid) {
                schedule->tableView()->scrollToRow(row, QMTableView::ScrollPosition::Top, false);
                return row;
            }
        }
        return -1;
    }
    // From the schedule's row, signed out, through the sign-in screen to the screening choice.
    QMMovieBuyTicketViewController *signInForScreening(QMMovieTaxisViewController *schedule,
                                                       int row)
    {
        QMMovieTaxisCell *cell = schedule->cellForRow(row);
        if (!cell || !cell->checkMark())
            return nullptr;
        click(cell->checkMark());
        auto *login = waitForTop<QMLoginViewController>();
        if (!login)
            return nullptr;
        typeInto(login->userNameField(), kUser);
        typeInto(login->passwordField(), kPassword);
        click(login->loginButton());
        return waitForTop<QMMovieBuyTicketViewController>();
    }
    // On the confirmation screen, the mobile number typed: the order; the address the browser
    // was given, if any.
    QUrl order(QMMovieConfirmPewViewController *confirm)
    {
        QList<QUrl> opened;
        QMBrowser::setHandlerForTesting([&](const QUrl &url) { opened.append(url); });
        click(confirm->buyTicketButton());
        const bool answered = QTest::qWaitFor(
            [&] { return !opened.isEmpty() || !QMAlertView::visibleAlerts().isEmpty(); }, 20000);
        QMBrowser::setHandlerForTesting({});
        return answered ? opened.value(0) : QUrl();
    }
    QStringList heldSeats(const QString &mpid) const
    {
        QStringList held = sql(QStringLiteral("SELECT s.rowid_text || ':' || s.seat FROM "
                                              "order_seats s JOIN orders o ON o.id = s.orderid "
                                              "WHERE o.member = %1 AND s.screening = %2")
                                   .arg(kDemoMember, mpid));
        held.sort();
        return held;
    }
    static QStringList sorted(QStringList entries)
    {
        entries.sort();
        return entries;
    }
};

} // namespace

TEST_F(TicketRoad, TwoSeatsFromTheShelfToThePaidOrder)
{
    // A film of the shelf, at a cinema showing it today, on sale there the day after tomorrow.
    const QMMovieViewController *shelf = delegate->movieViewController();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shelf->movieArray().isEmpty(); }, 20000));
    const QStringList found =
        screeningsOnSale(QStringLiteral("EXISTS (SELECT 1 FROM screenings t WHERE t.film = s.film "
                                        "AND t.cinema = s.cinema AND t.playdate = '%1')")
                             .arg(QDate::currentDate().toString(Qt::ISODate)));
    ASSERT_FALSE(found.isEmpty());
    const QStringList chosen = found.first().split('|');
    const QString filmId = chosen[0], cinemaId = chosen[1], mpid = chosen[2];
    int cover = -1;
    for (int i = 0; i < shelf->movieArray().size(); ++i) {
        if (shelf->movieArray()[i]->movieid == filmId)
            cover = i;
    }
    ASSERT_GE(cover, 0) << filmId.toStdString();

    // The film's cover, its details, its cinemas, and the row of the cinema.
    TPOpenFlowView *flow = shelf->shelfView()->openFlowView();
    flow->setSelectedCover(cover);
    QTest::mouseClick(flow, Qt::LeftButton, {},
                      flow->coverOutline(cover).boundingRect().center().toPoint());
    auto *details = waitForTop<QMToPlayInfoViewController>();
    ASSERT_TRUE(details && details->cinemasButton());
    click(details->cinemasButton());
    auto *cinemas = waitForTop<QMMoviePlayCinemaViewController>();
    ASSERT_TRUE(cinemas);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !cinemas->awaitsFilmList(); }, 20000));
    const int row = int(cinemaIds(cinemas->cinemaArray()).indexOf(cinemaId));
    ASSERT_GE(row, 0);
    touchRow(cinemas->cinemaTableView(), row);

    auto *schedule = waitForTop<QMMovieTaxisViewController>();
    ASSERT_TRUE(schedule);
    EXPECT_EQ(schedule->selectCinema->cinemaid, cinemaId);
    const int screeningRow = showScreening(schedule, mpid);
    ASSERT_GE(screeningRow, 0);
    const int quelprice = schedule->playMovieArray()[screeningRow]->quelprice;
    QTest::qWait(300);
    screenshot(QStringLiteral("road-1-schedule.png"));

    QMMovieBuyTicketViewController *screening = signInForScreening(schedule, screeningRow);
    ASSERT_TRUE(screening);
    ASSERT_TRUE(QMAlertView::visibleAlerts().isEmpty());
    EXPECT_EQ(screening->selectMpi->mpid, mpid);
    EXPECT_EQ(tab()->viewControllers().size(), 5)
        << "shelf, film, cinemas, schedule, screening: the sign-in screen is gone";
    QTest::qWait(300);
    screenshot(QStringLiteral("road-2-screening.png"));

    // Two seats chosen on the map; a sixth is refused by the map itself.
    ASSERT_TRUE(screening->buyButton());
    click(screening->buyButton());
    auto *seats = waitForTop<QMMovieSelectPewViewController>();
    ASSERT_TRUE(seats);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !seats->seatsView()->seatButtonArray().empty(); }, 20000));
    const QList<QMSeatButton> free = freeSeatsInView(seats);
    ASSERT_GE(free.size(), 6);
    for (const QMSeatButton &seat : free.mid(0, 6))
        touch(seats, seat);
    QMAlertView *limit = waitForAlert();
    ASSERT_TRUE(limit);
    EXPECT_EQ(limit->message(), QStringLiteral("已经达到最大可选座位数"));
    limit->clickButton();
    EXPECT_EQ(seats->seatsView()->ticketCount(), 5);
    for (const QMSeatButton &seat : free.mid(2, 3))
        touch(seats, seat);
    const QStringList two = {entry(free[0]), entry(free[1])};
    ASSERT_EQ(seats->selectSeats(), two);
    EXPECT_EQ(seats->selectionLabel()->text(),
              QMMovieSelectPewViewController::seatText(free[0].row(), free[0].column()) +
                  QMMovieSelectPewViewController::seatText(free[1].row(), free[1].column()));
    QTest::qWait(300);
    screenshot(QStringLiteral("road-3-seats.png"));

    // The mobile number and the order: the browser is handed the payment page.
    click(seats->confirmButton());
    auto *confirm = waitForTop<QMMovieConfirmPewViewController>();
    ASSERT_TRUE(confirm);
    EXPECT_EQ(confirm->totalLabel()->text(), QStringLiteral(" 售价: %1元").arg(quelprice * 2));
    typeInto(confirm->phoneText(), QStringLiteral("13800138000"));
    screenshot(QStringLiteral("road-4-confirm.png"));
    const QUrl payment = order(confirm);
    ASSERT_TRUE(payment.isValid()) << waitForAlert()->message().toStdString();
    const QUrlQuery paymentQuery(payment);
    EXPECT_EQ(
        paymentQuery.queryItemValue("encode"),
        QMEncoderProvider::GetMD5EncodeString(kUser + kPassword + QMEncoderProvider::PrivateKey()));
    EXPECT_FALSE(confirm->buyTicketButton()->isEnabled());
    EXPECT_EQ(heldSeats(mpid), sorted(two)) << "exactly those two seats, for this member";

    // The same seats again, from the seat map kept as it was: the service refuses them.
    click(tab()->navigationBar()->backButton());
    ASSERT_EQ(waitForTop<QMMovieSelectPewViewController>(), seats);
    EXPECT_EQ(seats->selectSeats(), two);
    click(seats->confirmButton());
    confirm = waitForTop<QMMovieConfirmPewViewController>();
    ASSERT_TRUE(confirm);
    typeInto(confirm->phoneText(), QStringLiteral("13800138000"));
    EXPECT_FALSE(order(confirm).isValid());
    QMAlertView *refusal = waitForAlert();
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->title(), QStringLiteral("出错了！"));
    EXPECT_EQ(refusal->message(), QStringLiteral("所选座位已被占用，请重新选择"));
    refusal->clickButton();
    EXPECT_TRUE(confirm->phoneText()->text().isEmpty());
    EXPECT_TRUE(confirm->buyTicketButton()->isEnabled());

    // Paying on the page the browser was given marks the order paid.
    const QString tradeno = paymentQuery.queryItemValue("tradeno");
    QNetworkAccessManager network;
    std::unique_ptr<QNetworkReply> page(network.get(QNetworkRequest(payment)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return page->isFinished(); }, 20000));
    const QString html = QString::fromUtf8(page->readAll());
    const QString token = QRegularExpression(QStringLiteral("name=\"token\" value=\"([0-9a-f]+)\""))
                              .match(html)
                              .captured(1);
    ASSERT_FALSE(token.isEmpty()) << html.toStdString();
    QUrl confirmPage = payment;
    confirmPage.setQuery(QString());
    QNetworkRequest post(confirmPage);
    post.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
    std::unique_ptr<QNetworkReply> paid(
        network.post(post, QStringLiteral("tradeno=%1&token=%2").arg(tradeno, token).toUtf8()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return paid->isFinished(); }, 20000));
    EXPECT_EQ(sql(QStringLiteral("SELECT state FROM orders WHERE tradeno = '%1'").arg(tradeno)),
              QStringList{QStringLiteral("paid")});
}

TEST_F(TicketRoad, TwoSeatsFromTheCinemaListThroughACinemasDetails)
{
    // A cinema of the nearby list with a screening on sale the day after tomorrow.
    tapTab(1);
    auto *list = qobject_cast<QMCinemaViewController *>(tab()->viewControllers().value(0));
    ASSERT_TRUE(list);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !list->cinemaArray().isEmpty(); }, 20000));
    const QStringList nearby = cinemaIds(list->cinemaArray());
    QStringList chosen;
    for (const QString &candidate : screeningsOnSale(QStringLiteral("1"))) {
        if (nearby.contains(candidate.section('|', 1, 1))) {
            chosen = candidate.split('|');
            break;
        }
    }
    ASSERT_FALSE(chosen.isEmpty());
    const QString filmId = chosen[0], cinemaId = chosen[1], mpid = chosen[2];

    // The cinema's details, and the film in its strip.
    touchRow(list->cinemaTableView(), int(nearby.indexOf(cinemaId)));
    auto *details = waitForTop<QmCinemaInfoViewController>();
    ASSERT_TRUE(details);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !details->mpiArray().isEmpty(); }, 20000));
    int film = -1;
    for (int i = 0; i < details->mpiArray().size(); ++i) {
        if (details->mpiArray()[i]->movieid == filmId)
            film = i;
    }
    ASSERT_GE(film, 0);
    QMCinemaFilmStrip *strip = details->filmStrip();
    QWidget *slot = strip->slotViews().value(film);
    ASSERT_TRUE(slot);
    strip->scrollView()->setContentOffset(
        QPoint(qMin(slot->x(), strip->scrollView()->maximumContentOffset().x()), 0));
    tap(slot, slot->rect().center());

    auto *schedule = waitForTop<QMMovieTaxisViewController>();
    ASSERT_TRUE(schedule);
    EXPECT_EQ(schedule->selectCinema->cinemaid, cinemaId);
    EXPECT_EQ(schedule->selectMovie->movieid, filmId);
    const int row = showScreening(schedule, mpid);
    ASSERT_GE(row, 0);
    QMMovieBuyTicketViewController *screening = signInForScreening(schedule, row);
    ASSERT_TRUE(screening && screening->buyButton());
    click(screening->buyButton());
    auto *seats = waitForTop<QMMovieSelectPewViewController>();
    ASSERT_TRUE(seats);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !seats->seatsView()->seatButtonArray().empty(); }, 20000));
    const QList<QMSeatButton> free = freeSeatsInView(seats);
    ASSERT_GE(free.size(), 2);
    touch(seats, free[0]);
    touch(seats, free[1]);
    click(seats->confirmButton());
    auto *confirm = waitForTop<QMMovieConfirmPewViewController>();
    ASSERT_TRUE(confirm);
    typeInto(confirm->phoneText(), QStringLiteral("13800138000"));
    const QStringList before = heldSeats(mpid);
    EXPECT_TRUE(order(confirm).isValid());
    EXPECT_EQ(heldSeats(mpid), sorted(before + QStringList{entry(free[0]), entry(free[1])}));
}
