#include "cinemas/QMCinemaListView.h"
#include "cinemas/QMCinemaViewController.h"
#include "cinemas/QMDistrictChooser.h"
#include "films/QMMovieOpenFlowView.h"
#include "films/QMMoviePlayCinemaViewController.h"
#include "films/QMMovieViewController.h"
#include "films/QMToPlayListViewController.h"
#include "films/movie.h"
#include "kit/QMActivityIndicatorView.h"
#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMLabel.h"
#include "kit/QMNavigationController.h"
#include "kit/QMPickerView.h"
#include "kit/QMWindow.h"
#include "members/QMLoginViewController.h"
#include "net/QMConnectionRequestor.h"
#include "net/QMRequestData.h"

#include "QMProviderTestCase.h"
#include "QMTestCinemas.h"
#include "QMTransportFault.h"

#include <QDir>
#include <QSet>
#include <QTest>

#include <gtest/gtest.h>

// The screens that ask the service, under the faults that end a request badly: the request ends,
// the busy indicator goes, nothing is shown that was not answered, and the next request the user
// makes works.
namespace {

using Fault = QMTransportFault::Kind;

constexpr int kWaitMs = 15000;

// Canned answers of the service, by the end of the path.
const QList<std::pair<QString, QByteArray>> &goodAnswers()
{
    static const QList<std::pair<QString, QByteArray>> answers = {
        {"playNowMovieList.xhtml",
         "<data><movieList><movie><movieid>1001</movieid><moviename>星际归途</moviename>"
         "<generalmark>8.4</generalmark><cinemanum>120</cinemanum></movie><movie>"
         "<movieid>1002</movieid><moviename>长江之夜</moviename><generalmark>7.9</generalmark>"
         "</movie></movieList></data>"},
        {"futureMovieList.xhtml",
         "<data><movieList><movie><movieid>1101</movieid><moviename>晚秋列车</moviename>"
         "<openingdate>2026-12-24</openingdate></movie></movieList></data>"},
        {"nearCinemaList.xhtml",
         testCinemaListXml({{"1", true, 300}, {"2", false, 400}, {"3", true, 500}})},
        {"playCinemaList.xhtml", testCinemaListXml({{"2", true}, {"5", false}})},
        {"county.xhtml", testCountyListXml({{"黄浦", "310101"}, {"徐汇", "310104"}})},
        {"login.xhtml", "<data><memberEncode>a7f3c9e2b1d04f6e</memberEncode>"
                        "<memberid>5001</memberid></data>"},
    };
    return answers;
}

class ScreenRecovers : public QMProviderTestCase, public ::testing::WithParamInterface<Fault>
{
protected:
    void SetUp() override
    {
        QMProviderTestCase::SetUp();
        server.setHandler([this](const QByteArray &target) {
            const QString path = QUrl::fromEncoded(target).path();
            for (const auto &[end, body] : goodAnswers()) {
                if (path.endsWith(QLatin1Char('/') + end))
                    return m_broken.contains(end) ? QMTransportFault::answer(GetParam(), body)
                                                  : QMTestHttpServer::Answer{200, body};
            }
            return QMTestHttpServer::Answer{404, "no"};
        });
        window->makeKeyAndVisible();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override
    {
        for (QMAlertView *alert : QMAlertView::visibleAlerts())
            alert->clickButton();
        window->setRootViewController(nullptr);
        stack.reset();
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QMProviderTestCase::TearDown();
    }

    // From now on the service answers this path (or everything, when refused) with the fault;
    // silence and trickles end after a short time.
    void breakPath(const QString &end)
    {
        m_broken.insert(end);
        if (GetParam() == QMTransportFault::Refused)
            QMDataProvider::setBaseAddressForTesting(QMTransportFault::closedPortBaseUrl());
        transport().setTimeouts(150, 250);
    }
    void mend()
    {
        m_broken.clear();
        QMDataProvider::setBaseAddressForTesting(server.baseUrl());
        transport().setTimeouts(QMRequestData::kSilenceTimeoutMs, QMRequestData::kDeadlineMs);
    }

    void show(std::unique_ptr<QMViewController> root)
    {
        stack = std::make_unique<QMNavigationController>(std::move(root));
        window->setRootViewController(stack.get());
    }
    static QMConnectionRequestor &transport()
    {
        return QMDataProvider::DataProvider()->connectionRequestor();
    }
    static bool waitForTheEnd()
    {
        return QTest::qWaitFor([] { return transport().requestsInFlight() == 0; }, kWaitMs);
    }
    static bool isBusy(const QWidget *view)
    {
        return !view->findChildren<QMActivityIndicatorView *>(Qt::FindDirectChildrenOnly).isEmpty();
    }
    static void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void screenshot(const QString &name)
    {
        const QString dir = qEnvironmentVariable("QM_SCREENSHOT_DIR");
        if (!dir.isEmpty())
            window->saveScreenshot(QDir(dir).filePath(name));
    }

    std::unique_ptr<QMWindow> window = std::make_unique<QMWindow>();
    std::unique_ptr<QMNavigationController> stack;

private:
    QSet<QString> m_broken;
};

TEST_P(ScreenRecovers, TheFilmShelfShowsNoRatingWithoutAFilmAndFillsOnItsNextAppearance)
{
    breakPath("playNowMovieList.xhtml");
    auto owned = std::make_unique<QMMovieViewController>();
    QMMovieViewController *shelf = owned.get();
    show(std::move(owned));
    ASSERT_TRUE(shelf->shelfView());
    const QMLabel *unit = shelf->shelfView()->scoreUnitLabel();
    EXPECT_FALSE(unit->isVisible()); // while the request is open: no "分" on its own
    if (GetParam() == QMTransportFault::Trickle)
        screenshot(QStringLiteral("recovery-shelf-waiting.png"));
    ASSERT_TRUE(waitForTheEnd());
    EXPECT_TRUE(shelf->movieArray().isEmpty());
    EXPECT_FALSE(unit->isVisible());

    // Back from the coming-soon list, the empty shelf asks again.
    mend();
    stack->push(std::make_unique<QMToPlayListViewController>(), false);
    stack->pop(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return shelf->movieArray().size() == 2; }, kWaitMs));
    EXPECT_TRUE(unit->isVisible());
    EXPECT_EQ(shelf->shelfView()->titleLabel()->text(), QStringLiteral("长江之夜"));
    if (GetParam() == QMTransportFault::Trickle)
        screenshot(QStringLiteral("recovery-shelf-filled.png"));
}

TEST_P(ScreenRecovers, TheComingSoonListStopsWaitingAndWorksWhenOpenedAgain)
{
    show(std::make_unique<QMMovieViewController>());
    ASSERT_TRUE(waitForTheEnd());
    breakPath("futureMovieList.xhtml");
    auto owned = std::make_unique<QMToPlayListViewController>();
    QPointer<QMToPlayListViewController> list = owned.get();
    stack->push(std::move(owned), false);
    EXPECT_TRUE(isBusy(list->view()));
    ASSERT_TRUE(waitForTheEnd());
    EXPECT_FALSE(isBusy(list->view()));
    EXPECT_TRUE(list->movieArray().isEmpty());

    mend();
    stack->pop(false);
    owned = std::make_unique<QMToPlayListViewController>();
    list = owned.get();
    stack->push(std::move(owned), false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->movieArray().size() == 1; }, kWaitMs));
    EXPECT_FALSE(isBusy(list->view()));
}

TEST_P(ScreenRecovers, TheCinemaListStopsWaitingAndTheNearbyButtonAsksAgain)
{
    breakPath("nearCinemaList.xhtml");
    auto owned = std::make_unique<QMCinemaViewController>();
    QMCinemaViewController *cinemas = owned.get();
    show(std::move(owned));
    EXPECT_TRUE(isBusy(cinemas->view()));
    ASSERT_TRUE(waitForTheEnd());
    EXPECT_FALSE(isBusy(cinemas->view()));
    EXPECT_TRUE(cinemas->cinemaArray().isEmpty());

    mend();
    click(cinemas->nameButton());
    ASSERT_TRUE(QTest::qWaitFor([&] { return cinemas->cinemaArray().size() == 3; }, kWaitMs));
    EXPECT_FALSE(isBusy(cinemas->view()));
}

TEST_P(ScreenRecovers, TheDistrictChoiceStopsWaitingAndOpensOnTheNextTouch)
{
    auto owned = std::make_unique<QMCinemaViewController>();
    QMCinemaViewController *cinemas = owned.get();
    show(std::move(owned));
    ASSERT_TRUE(waitForTheEnd());
    breakPath("county.xhtml");
    click(cinemas->districtButton());
    EXPECT_TRUE(isBusy(cinemas->view()));
    ASSERT_TRUE(waitForTheEnd());
    EXPECT_FALSE(isBusy(cinemas->view()));
    EXPECT_FALSE(cinemas->districtChooser()->pickerView()->isInWindow());

    mend();
    click(cinemas->districtButton());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return cinemas->districtChooser()->pickerView()->isInWindow(); }, kWaitMs));
    EXPECT_FALSE(isBusy(cinemas->view()));
}

TEST_P(ScreenRecovers, AFilmsCinemasStopWaitingAndTheAllCinemasButtonAsksAgain)
{
    breakPath("playCinemaList.xhtml");
    auto owned = std::make_unique<QMMoviePlayCinemaViewController>();
    QMMoviePlayCinemaViewController *screen = owned.get();
    screen->selectMovie = std::make_shared<movie>();
    screen->selectMovie->movieid = QStringLiteral("1001");
    screen->selectMovie->moviename = QStringLiteral("星际归途");
    show(std::move(owned));
    EXPECT_TRUE(isBusy(screen->view()));
    ASSERT_TRUE(waitForTheEnd());
    EXPECT_FALSE(isBusy(screen->view()));
    EXPECT_TRUE(screen->cinemaArray().isEmpty());

    mend();
    click(screen->allCinemaButton());
    ASSERT_TRUE(QTest::qWaitFor([&] { return screen->cinemaArray().size() == 2; }, kWaitMs));
    EXPECT_FALSE(isBusy(screen->view()));
}

TEST_P(ScreenRecovers, TheSignInScreenSaysWhatWentWrongAndTheNextSignInWorks)
{
    breakPath("login.xhtml");
    auto owned = std::make_unique<QMLoginViewController>();
    QMLoginViewController *login = owned.get();
    show(std::move(owned));
    click(login->loginButton());
    EXPECT_TRUE(isBusy(login->view()));
    ASSERT_TRUE(waitForTheEnd());
    EXPECT_FALSE(isBusy(login->view()));
    const QList<QMAlertView *> alerts = QMAlertView::visibleAlerts();
    ASSERT_EQ(alerts.size(), 1);
    EXPECT_EQ(alerts[0]->title(), QStringLiteral("错误"));
    EXPECT_FALSE(QMDataProvider::DataProvider()->isLogged());
    alerts[0]->clickButton();

    mend();
    click(login->loginButton());
    ASSERT_TRUE(waitForTheEnd());
    EXPECT_TRUE(QMDataProvider::DataProvider()->isLogged());
    EXPECT_TRUE(QMAlertView::visibleAlerts().isEmpty());
    EXPECT_FALSE(isBusy(login->view()));
}

INSTANTIATE_TEST_SUITE_P(TransferFaults, ScreenRecovers,
                         ::testing::Values(QMTransportFault::Refused,
                                           QMTransportFault::ResetMidBody,
                                           QMTransportFault::SilenceAfterHeaders,
                                           QMTransportFault::Trickle, QMTransportFault::Malformed),
                         [](const ::testing::TestParamInfo<Fault> &info) {
                             return std::string(QMTransportFault::name(info.param));
                         });

} // namespace
