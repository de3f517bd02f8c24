#include "films/QMMoviePlayCinemaViewController.h"
#include "films/QMMovieTaxisCell.h"
#include "films/QMMovieTaxisViewController.h"
#include "films/QMMovieViewController.h"
#include "films/Simplemovie.h"
#include "kit/QMAlertView.h"
#include "kit/QMBrowser.h"
#include "kit/QMNavigationBar.h"
#include "kit/QMNavigationController.h"
#include "members/QMLoginViewController.h"
#include "net/QMEncoderProvider.h"
#include "ticketing/QMMovieBuyTicketViewController.h"
#include "ticketing/QMMovieConfirmPewViewController.h"
#include "ticketing/QMMovieSelectPewViewController.h"

#include "KitTestSupport.h"
#include "QMAppTestCase.h"
#include "QMServiceDatabase.h"

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
        for (QMAlertView *alert : QMAlertView::visibleAlerts())
            alert->clickButton();
        QMAppTestCase::TearDown();
    }

    QStringList sql(const QString &statement) const
    {
        return QMServiceDatabase::rows(service->databasePath(), statement);
    }
    QMNavigationController *filmsTab() const
    {
        return delegate->movieViewController()->navigationController();
    }
    template<class Screen> Screen *waitForTop() const
    {
        Screen *top = nullptr;
        const bool shown = QTest::qWaitFor(
            [&] {
                top = qobject_cast<Screen *>(filmsTab()->topViewController());
                return top && !filmsTab()->isTransitioning();
            },
            20000);
        return shown ? top : nullptr;
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
};

} // namespace

TEST_F(TicketRoad, TwoSeatsFromAFilmsCinemasToThePaidOrder)
{
    // A film the shelf shows, at a cinema that sells it, with a screening on sale the day after
    // tomorrow (in the future whatever the device's time zone).
    const QMMovieViewController *shelf = delegate->movieViewController();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shelf->movieArray().isEmpty(); }, 20000));
    const QDate today = QDate::currentDate();
    const QStringList found = sql(
        QStringLiteral(
            "SELECT s.film || '|' || s.cinema || '|' || s.id FROM screenings s "
            "JOIN cinemas c ON c.id = s.cinema WHERE c.open = 1 AND s.open = 1 AND s.playdate = "
            "'%1' "
            "AND EXISTS (SELECT 1 FROM screenings t WHERE t.film = s.film AND t.cinema = s.cinema "
            "AND t.playdate = '%2') ORDER BY s.film, s.cinema, s.playtime")
            .arg(today.addDays(2).toString(Qt::ISODate), today.toString(Qt::ISODate)));
    ASSERT_FALSE(found.isEmpty());
    const QStringList chosen = found.first().split('|');
    const QString filmId = chosen[0], cinemaId = chosen[1], mpid = chosen[2];
    std::shared_ptr<Simplemovie> film;
    for (const auto &candidate : shelf->movieArray()) {
        if (candidate->movieid == filmId)
            film = candidate;
    }
    ASSERT_TRUE(film) << filmId.toStdString();

    // The film's cinemas; the row of the chosen cinema opens the film's schedule there.
    auto cinemasOwned = std::make_unique<QMMoviePlayCinemaViewController>();
    QMMoviePlayCinemaViewController *cinemas = cinemasOwned.get();
    cinemas->selectMovie = std::make_shared<movie>(*film);
    filmsTab()->push(std::move(cinemasOwned), false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !cinemas->awaitsFilmList(); }, 20000));
    int row = -1;
    for (int i = 0; i < cinemas->cinemaArray().size(); ++i) {
        if (cinemas->cinemaArray()[i]->cinemaid == cinemaId)
            row = i;
    }
    ASSERT_GE(row, 0);
    QMTableView *cinemaTable = cinemas->cinemaTableView()->tableView();
    cinemaTable->scrollToRow(row, QMTableView::ScrollPosition::Top, false);
    QWidget *cinemaRow = cinemaTable->cellForRow(row);
    ASSERT_TRUE(cinemaRow);
    tap(cinemaRow, QPoint(150, 50));

    auto *schedule = waitForTop<QMMovieTaxisViewController>();
    ASSERT_TRUE(schedule);
    EXPECT_EQ(schedule->selectCinema->cinemaid, cinemaId);
    click(schedule->dayButton(QMMovieTaxisViewController::AfterTomorrow));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return schedule->shownDay() == QMMovieTaxisViewController::AfterTomorrow &&
                   !schedule->playMovieArray().isEmpty();
        },
        20000));
    int screeningRow = -1;
    for (int i = 0; i < schedule->playMovieArray().size(); ++i) {
        if (schedule->playMovieArray()[i]->mpid == mpid)
            screeningRow = i;
    }
    ASSERT_GE(screeningRow, 0);
    const int quelprice = schedule->playMovieArray()[screeningRow]->quelprice;
    schedule->tableView()->scrollToRow(screeningRow, QMTableView::ScrollPosition::Top, false);
    QTest::qWait(300);
    screenshot(QStringLiteral("road-1-schedule.png"));

    // Signed out, the screening's check mark leads through the sign-in screen to the screening.
    QMMovieTaxisCell *cell = schedule->cellForRow(screeningRow);
    ASSERT_TRUE(cell && cell->checkMark());
    click(cell->checkMark());
    auto *login = waitForTop<QMLoginViewController>();
    ASSERT_TRUE(login);
    typeInto(login->userNameField(), kUser);
    typeInto(login->passwordField(), kPassword);
    click(login->loginButton());
    auto *screening = waitForTop<QMMovieBuyTicketViewController>();
    ASSERT_TRUE(screening);
    ASSERT_TRUE(QMAlertView::visibleAlerts().isEmpty());
    EXPECT_EQ(screening->selectMpi->mpid, mpid);
    EXPECT_EQ(filmsTab()->viewControllers().size(), 4) << "shelf, cinemas, schedule, screening";
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
    QList<QUrl> opened;
    QMBrowser::setHandlerForTesting([&](const QUrl &url) { opened.append(url); });
    click(seats->confirmButton());
    auto *confirm = waitForTop<QMMovieConfirmPewViewController>();
    ASSERT_TRUE(confirm);
    EXPECT_EQ(confirm->totalLabel()->text(), QStringLiteral(" 售价: %1元").arg(quelprice * 2));
    typeInto(confirm->phoneText(), QStringLiteral("13800138000"));
    screenshot(QStringLiteral("road-4-confirm.png"));
    click(confirm->buyTicketButton());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !opened.isEmpty() || !QMAlertView::visibleAlerts().isEmpty(); }, 20000));
    ASSERT_EQ(opened.size(), 1) << QMAlertView::visibleAlerts().value(0)->message().toStdString();
    const QUrlQuery payment(opened.first());
    EXPECT_EQ(
        payment.queryItemValue("encode"),
        QMEncoderProvider::GetMD5EncodeString(kUser + kPassword + QMEncoderProvider::PrivateKey()));
    EXPECT_FALSE(confirm->buyTicketButton()->isEnabled());

    // The service holds exactly those two seats for this member.
    QStringList held = sql(QStringLiteral("SELECT s.rowid_text || ':' || s.seat FROM order_seats s "
                                          "JOIN orders o ON o.id = s.orderid "
                                          "WHERE o.member = %1 AND s.screening = %2")
                               .arg(kDemoMember, mpid));
    held.sort();
    QStringList expected = two;
    expected.sort();
    EXPECT_EQ(held, expected);

    // The same seats again, from the seat map kept as it was: the service refuses them.
    click(filmsTab()->navigationBar()->backButton());
    ASSERT_EQ(waitForTop<QMMovieSelectPewViewController>(), seats);
    EXPECT_EQ(seats->selectSeats(), two);
    click(seats->confirmButton());
    confirm = waitForTop<QMMovieConfirmPewViewController>();
    ASSERT_TRUE(confirm);
    typeInto(confirm->phoneText(), QStringLiteral("13800138000"));
    click(confirm->buyTicketButton());
    QMAlertView *refusal = waitForAlert();
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->title(), QStringLiteral("出错了！"));
    EXPECT_EQ(refusal->message(), QStringLiteral("所选座位已被占用，请重新选择"));
    refusal->clickButton();
    EXPECT_TRUE(confirm->phoneText()->text().isEmpty());
    EXPECT_TRUE(confirm->buyTicketButton()->isEnabled());
    EXPECT_EQ(opened.size(), 1);

    // Paying on the page the browser was given marks the order paid.
    const QString tradeno = payment.queryItemValue("tradeno");
    QNetworkAccessManager network;
    std::unique_ptr<QNetworkReply> page(network.get(QNetworkRequest(opened.first())));
    ASSERT_TRUE(QTest::qWaitFor([&] { return page->isFinished(); }, 20000));
    const QString html = QString::fromUtf8(page->readAll());
    const QString token = QRegularExpression(QStringLiteral("name=\"token\" value=\"([0-9a-f]+)\""))
                              .match(html)
                              .captured(1);
    ASSERT_FALSE(token.isEmpty()) << html.toStdString();
    QUrl confirmPage = opened.first();
    confirmPage.setQuery(QString());
    QNetworkRequest post(confirmPage);
    post.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
    std::unique_ptr<QNetworkReply> paid(
        network.post(post, QStringLiteral("tradeno=%1&token=%2").arg(tradeno, token).toUtf8()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return paid->isFinished(); }, 20000));
    EXPECT_EQ(sql(QStringLiteral("SELECT state FROM orders WHERE tradeno = '%1'").arg(tradeno)),
              QStringList{QStringLiteral("paid")});
}
