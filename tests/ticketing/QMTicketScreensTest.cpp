#include "kit/QMActivityIndicatorView.h"
#include "kit/QMAlertView.h"
#include "kit/QMBrowser.h"
#include "kit/QMNavigationController.h"
#include "kit/QMNavigationItem.h"
#include "kit/QMTabBarController.h"
#include "kit/QMWindow.h"
#include "members/MemberCache.h"
#include "members/QMLoginProvider.h"
#include "members/QMLoginViewController.h"
#include "net/QMEncoderProvider.h"
#include "ticketing/QMMovieBuyTicketViewController.h"
#include "ticketing/QMMovieConfirmPewViewController.h"
#include "ticketing/QMMovieSelectPewViewController.h"

#include "KitTestSupport.h"
#include "QMProviderTestCase.h"

#include <QTest>

// The screening choice, seat selection and order screens on the films tab of a phone window,
// against canned answers of the service.
namespace {

class TicketScreens : public QMProviderTestCase
{
protected:
    void SetUp() override
    {
        QMProviderTestCase::SetUp();
        server.setHandler([this](const QByteArray &target) {
            const QString path = QUrl::fromEncoded(target).path();
            for (const auto &[ending, body] : answers.asKeyValueRange()) {
                if (path.endsWith(ending))
                    return QMTestHttpServer::Answer{200, body};
            }
            return QMTestHttpServer::Answer{404, "no"};
        });
        std::vector<std::unique_ptr<QMViewController>> tabs;
        for (int i = 0; i < 3; ++i)
            tabs.push_back(
                std::make_unique<QMNavigationController>(std::make_unique<QMViewController>()));
        tabController->setViewControllers(std::move(tabs));
        window->setRootViewController(tabController.get());
        window->makeKeyAndVisible();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        screening->mpid = QStringLiteral("100");
        screening->quelprice = 40;
    }
    void TearDown() override
    {
        QMBrowser::setHandlerForTesting({});
        for (QMAlertView *alert : QMAlertView::visibleAlerts())
            alert->clickButton();
        window->setRootViewController(nullptr);
        tabController.reset();
        window.reset();
        flushDeletions();
        QMProviderTestCase::TearDown();
    }

    QMNavigationController *stack() const
    {
        return qobject_cast<QMNavigationController *>(tabController->viewControllers().first());
    }
    template<class Screen> Screen *push(std::unique_ptr<Screen> screen)
    {
        Screen *shown = screen.get();
        stack()->push(std::move(screen), false);
        return shown;
    }
    bool settled() const
    {
        return QTest::qWaitFor([&] { return !stack()->isTransitioning(); });
    }
    static void signIn()
    {
        QMLoginProvider *login = context()->loginProvider();
        login->loginMemeber = std::make_shared<MemberCache>();
        login->loginMemeber->memberEncode = QStringLiteral("e5001");
        login->username = QStringLiteral("demo@example.com");
        login->password = QStringLiteral("p&w=1");
        QMDataProvider::DataProvider()->setIsLogged(true);
    }
    static QMAlertView *alert()
    {
        if (!QTest::qWaitFor([] { return !QMAlertView::visibleAlerts().isEmpty(); }, 10000))
            return nullptr;
        return QMAlertView::visibleAlerts().value(0);
    }
    static bool isBusy(QMViewController *screen)
    {
        return !screen->view()
                    ->findChildren<QMActivityIndicatorView *>(Qt::FindDirectChildrenOnly)
                    .isEmpty();
    }
    QMMovieSelectPewViewController *openSeats(const QByteArray &map)
    {
        answers[QStringLiteral("opiSeatInfo.xhtml")] = map;
        auto seats = std::make_unique<QMMovieSelectPewViewController>();
        seats->mpi = screening;
        return push(std::move(seats));
    }
    static void touchSeat(QMMovieSelectPewViewController *seats, int index)
    {
        tap(seats->seatsView(), seats->seatsView()->seatButtonArray().at(index).frame().center());
    }
    static void typeNumber(QMMovieConfirmPewViewController *confirm, const QString &number)
    {
        QTest::mouseClick(confirm->phoneText(), Qt::LeftButton, {}, QPoint(10, 10));
        QTest::keyClicks(confirm->phoneText(), number);
        QTest::mouseClick(confirm->buyTicketButton(), Qt::LeftButton);
    }

    QHash<QString, QByteArray> answers = {
        {QStringLiteral("login.xhtml"),
         "<data><memberEncode>e5001</memberEncode><memberid>5001</memberid></data>"},
        {QStringLiteral("addAgenda.xhtml"), "<data><result>ture</result></data>"}};
    std::shared_ptr<Mpi> screening = std::make_shared<Mpi>();
    std::unique_ptr<QMWindow> window = std::make_unique<QMWindow>();
    std::unique_ptr<QMTabBarController> tabController = std::make_unique<QMTabBarController>();
};

} // namespace

TEST_F(TicketScreens, TheScreeningChoiceShowsThePricesAndButtonsOfItsCase)
{
    const auto shown = [&](bool withCinema, int quelprice, int price, bool open) {
        auto screen = std::make_unique<QMMovieBuyTicketViewController>();
        screen->selectCiname = withCinema ? std::make_shared<SimpleCinema>() : nullptr;
        screen->selectMpi = std::make_shared<Mpi>();
        screen->selectMpi->quelprice = quelprice;
        screen->selectMpi->price = price;
        screen->selectMpi->open = open;
        screen->view();
        return screen;
    };
    auto sale = shown(true, 35, 60, true);
    EXPECT_EQ(sale->priceLabel()->text(), QStringLiteral("35元"));
    EXPECT_EQ(sale->originalPriceLabel()->text(), QStringLiteral("60元"));
    EXPECT_TRUE(
        sale->originalPriceLabel()->geometry().contains(sale->strikeBar()->geometry().center()));
    ASSERT_TRUE(sale->buyButton());
    EXPECT_GT(sale->addMyLiveButton()->y(), sale->buyButton()->y());

    auto notSold = shown(true, 35, 60, false);
    EXPECT_FALSE(notSold->buyButton());
    EXPECT_EQ(notSold->addMyLiveButton()->geometry(), sale->buyButton()->geometry());
    EXPECT_FALSE(shown(true, 0, 60, true)->priceLabel());
    EXPECT_FALSE(shown(false, 35, 0, true)->priceLabel());
    auto ownPrice = shown(false, 35, 50, true);
    EXPECT_EQ(ownPrice->priceLabel()->text(), QStringLiteral("50元"));
    EXPECT_FALSE(ownPrice->originalPriceLabel());
}

TEST_F(TicketScreens, TheScreeningChoiceStandsBehindTheSignInScreenWheneverItShows)
{
    auto owned = std::make_unique<QMMovieBuyTicketViewController>();
    owned->selectMpi = screening;
    QMMovieBuyTicketViewController *screen = push(std::move(owned));
    ASSERT_TRUE(settled());
    auto *login = qobject_cast<QMLoginViewController *>(stack()->topViewController());
    ASSERT_TRUE(login);
    EXPECT_TRUE(login->navigationItem()->hidesBackButton());
    QTest::mouseClick(login->loginButton(), Qt::LeftButton);
    // Signed in, back on this very screen: no second copy of it.
    ASSERT_TRUE(QTest::qWaitFor([&] { return stack()->topViewController() == screen; }, 10000));
    ASSERT_TRUE(settled());
    EXPECT_EQ(stack()->viewControllers().size(), 2);

    QMDataProvider::DataProvider()->setIsLogged(false); // a later sign-in failed
    push(std::make_unique<QMViewController>());
    ASSERT_TRUE(settled());
    stack()->pop(false);
    ASSERT_TRUE(settled());
    EXPECT_TRUE(qobject_cast<QMLoginViewController *>(stack()->topViewController()));
}

TEST_F(TicketScreens, AddingToMyLifeShowsTheMemberAreaOnlyWhenTheServiceSaysTure)
{
    signIn();
    auto owned = std::make_unique<QMMovieBuyTicketViewController>();
    owned->selectMpi = screening;
    QMMovieBuyTicketViewController *screen = push(std::move(owned));
    ASSERT_TRUE(settled());
    QTest::mouseClick(screen->addMyLiveButton(), Qt::LeftButton);
    QMAlertView *done = alert();
    ASSERT_TRUE(done);
    EXPECT_EQ(done->title() + done->message(), QStringLiteral("成功添加到我的生活成功！"));
    EXPECT_EQ(sentValue("memberEncode", 0), QStringLiteral("e5001"));
    EXPECT_EQ(sentValue("mpid", 0), QStringLiteral("100"));
    done->clickButton();
    EXPECT_EQ(tabController->selectedIndex(), 2);

    tabController->setSelectedIndex(0);
    answers[QStringLiteral("addAgenda.xhtml")] = "<data><result>true</result></data>";
    QTest::mouseClick(screen->addMyLiveButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !isBusy(screen); }, 10000));
    EXPECT_TRUE(QMAlertView::visibleAlerts().isEmpty());
}

TEST_F(TicketScreens, ChosenSeatsAreListedInOrderAndEachReleaseTakesOnlyItsOwnEntry)
{
    // Row 3 has two seats named 5 (the service's names are not checked).
    QMMovieSelectPewViewController *seats = openSeats(
        "<data><mpid>100</mpid><linenum>1</linenum><ranknum>4</ranknum><seatList><row><rowid>3"
        "</rowid><columns>5,6,5,LK</columns></row></seatList></data>");
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return seats->seatsView()->seatButtonArray().size() == 4; }, 10000));
    EXPECT_FALSE(seats->confirmButton()->isEnabled());
    touchSeat(seats, 0);
    touchSeat(seats, 1);
    EXPECT_EQ(seats->selectionLabel()->text(), QStringLiteral("3排5座     3排6座     "));
    EXPECT_EQ(seats->selectSeats(), QStringList({"3:5", "3:6"}));
    touchSeat(seats, 2);
    touchSeat(seats, 0);
    EXPECT_EQ(seats->selectSeats(), QStringList({"3:6", "3:5"}));
    EXPECT_EQ(seats->selectionLabel()->text(), QStringLiteral("3排6座     3排5座     "));
    EXPECT_TRUE(seats->confirmButton()->isEnabled());
    touchSeat(seats, 1);
    touchSeat(seats, 2);
    EXPECT_TRUE(seats->selectSeats().isEmpty());
    EXPECT_TRUE(seats->selectionLabel()->text().isEmpty());
    EXPECT_FALSE(seats->confirmButton()->isEnabled());
}

TEST_F(TicketScreens, ASeatMapOfAnotherScreeningIsIgnoredAndARefusalIsShown)
{
    QMMovieSelectPewViewController *seats = openSeats(
        "<data><mpid>999</mpid><linenum>1</linenum><ranknum>1</ranknum><seatList><row><rowid>1"
        "</rowid><columns>1</columns></row></seatList></data>");
    QTest::qWait(500);
    EXPECT_TRUE(seats->seatsView()->seatButtonArray().empty());
    EXPECT_TRUE(isBusy(seats)) << "still waiting for its own";

    seats = openSeats("<data><error>该场次已停止售票</error></data>");
    QMAlertView *refusal = alert();
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->title() + refusal->message(), QStringLiteral("出错了！该场次已停止售票"));
    EXPECT_FALSE(isBusy(seats));
}

TEST_F(TicketScreens, TheRowNamesFollowTheMapUpAndDownButNotSideways)
{
    QByteArray rows;
    for (int i = 1; i <= 12; ++i)
        rows += "<row><rowid>" + QByteArray::number(i) +
                "</rowid><columns>1,2,3,4,5,6,7,8,9,10,11,12</columns></row>";
    QMMovieSelectPewViewController *seats =
        openSeats("<data><mpid>100</mpid><linenum>12</linenum><ranknum>12</ranknum><seatList>" +
                  rows + "</seatList></data>");
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !seats->seatsView()->seatButtonArray().empty(); }, 10000));
    QMScrollView *map = seats->seatScrollView();
    QMScrollView *names = seats->indexScrollView();
    EXPECT_EQ(names->contentSize(), QMRowIndexView::columnSize(12));

    // The map goes up by the drag (less the few points a press may wobble before it drags).
    drag(map, QPoint(150, 180), QPoint(150, 100), 8, 16, 200);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !map->isDecelerating(); }));
    const int down = map->contentOffset().y();
    EXPECT_GT(down, 60);
    EXPECT_EQ(map->contentOffset().x(), 0);
    EXPECT_EQ(names->contentOffset(), QPoint(0, down));
    EXPECT_EQ(names->palette().color(QPalette::Window), QColor(Qt::white));

    drag(map, QPoint(200, 100), QPoint(100, 100), 8, 16, 200);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !map->isDecelerating(); }));
    EXPECT_GT(map->contentOffset().x(), 60);
    EXPECT_EQ(map->contentOffset().y(), down);
    EXPECT_EQ(names->contentOffset(), QPoint(0, down));
    EXPECT_EQ(names->palette().color(QPalette::Window), QColor::fromRgbF(0.6f, 0.6f, 0.6f, 0.4f));
}

TEST_F(TicketScreens, TheOrderNeedsMoreThanTenCharactersAndOpensOnlyAWebPage)
{
    signIn();
    QList<QUrl> opened;
    QMBrowser::setHandlerForTesting([&](const QUrl &url) { opened.append(url); });
    auto owned = std::make_unique<QMMovieConfirmPewViewController>();
    owned->mpi = screening;
    owned->selectSeats = {QStringLiteral("3:5"), QStringLiteral("3:6")};
    owned->selectionCount = 2;
    QMMovieConfirmPewViewController *confirm = push(std::move(owned));
    ASSERT_TRUE(settled());
    EXPECT_EQ(confirm->totalLabel()->text(), QStringLiteral(" 售价: 80元"));

    typeNumber(confirm, QStringLiteral("1380013800"));
    QMAlertView *shortNumber = alert();
    ASSERT_TRUE(shortNumber);
    EXPECT_EQ(shortNumber->title() + shortNumber->message(),
              QStringLiteral("手机号码输入有误，请重新输入"));
    shortNumber->clickButton();
    EXPECT_TRUE(confirm->phoneText()->text().isEmpty());
    EXPECT_TRUE(server.requests().isEmpty());

    // A refusal, then an order whose page is no web page: the alert, nothing opened.
    for (const QByteArray &answer :
         {QByteArray("<data><error>所选座位已被占用，请重新选择</error></data>"),
          QByteArray("<data><tradeno>T2</tradeno><payurl>javascript:alert(1)</payurl></data>")}) {
        answers[QStringLiteral("addTicketOrder.xhtml")] = answer;
        typeNumber(confirm, QStringLiteral("13800138000"));
        QMAlertView *refusal = alert();
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->title(), QStringLiteral("出错了！"));
        EXPECT_TRUE(answer.contains(refusal->message().toUtf8()));
        refusal->clickButton();
        EXPECT_TRUE(confirm->phoneText()->text().isEmpty());
        EXPECT_TRUE(confirm->buyTicketButton()->isEnabled());
    }
    EXPECT_TRUE(opened.isEmpty());

    // Eleven characters go, whatever they are; the service judges them.
    answers[QStringLiteral("addTicketOrder.xhtml")] =
        "<data><tradeno>T1</tradeno><payurl>http://127.0.0.1:9/shanghai/pay.xhtml?tradeno=T1</"
        "payurl></data>";
    typeNumber(confirm, QStringLiteral("abcdefghijk"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !opened.isEmpty(); }, 10000));
    const QUrlQuery sent(sentQuery("order/addTicketOrder.xhtml"));
    EXPECT_EQ(sent.queryItemValue("mobile"), QStringLiteral("abcdefghijk"));
    EXPECT_EQ(sent.queryItemValue("seatLabel", QUrl::FullyDecoded), QStringLiteral("3:5,3:6"));
    EXPECT_EQ(sent.queryItemValue("encryptCode"),
              QMEncoderProvider::GetEncodeStringWithMpi("100abcdefghijk3:5,3:6"));
    EXPECT_TRUE(
        opened.first()
            .toString(QUrl::FullyEncoded)
            .startsWith(
                "http://127.0.0.1:9/shanghai/pay.xhtml?tradeno=T1&username=demo%40example.com"
                "&password=p%26w%3D1&key="));
    EXPECT_FALSE(confirm->buyTicketButton()->isEnabled()) << "until the screen shows again";
}
