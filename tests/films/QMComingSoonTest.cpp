#include "films/QMFutureMovieListViewController.h"
#include "films/QMToPlayListViewController.h"
#include "films/movie.h"
#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMNavigationController.h"
#include "kit/QMTableView.h"
#include "kit/QMWindow.h"
#include "services/QMImageCache.h"

#include "QMProviderTestCase.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>

#include <gtest/gtest.h>

namespace {
QByteArray comingSoon(int count)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><data><movieList>";
    for (int i = 1; i <= count; ++i) {
        const QByteArray n = QByteArray::number(i);
        xml += "<movie><movieid>" + n + "</movieid><moviename>将映" + n +
               "</moviename><openingdate>2027-01-0" + QByteArray::number(i % 9 + 1) +
               "</openingdate><director>导演" + n + "</director><actors>演员" + n +
               "</actors><smalllogo>http://127.0.0.1:1/none" + n +
               ".jpg</smalllogo><generalmark>7.0</generalmark><length>90分钟</length></movie>";
    }
    return xml + "</movieList></data>";
}

class ComingSoon : public QMProviderTestCase
{
protected:
    void SetUp() override
    {
        QMProviderTestCase::SetUp();
        QMToPlayListViewController::setPlayCount(10);
        server.setHandler([this](const QByteArray &target) {
            const QUrl url = QUrl::fromEncoded(target);
            const QUrlQuery query(url);
            if (url.path().endsWith(QStringLiteral("futureMovieList.xhtml"))) {
                const int maxnum = query.queryItemValue(QStringLiteral("maxnum")).toInt();
                maxnums.append(maxnum);
                return QMTestHttpServer::Answer{200, comingSoon(qMin(maxnum, total))};
            }
            if (url.path().endsWith(QStringLiteral("movie.xhtml"))) {
                return QMTestHttpServer::Answer{
                    200, "<data><movie><movieid>3</movieid><content>一段剧情。</content>"
                         "</movie></data>"};
            }
            return QMTestHttpServer::Answer{404, "no"};
        });
        window->setRootViewController(stack.get());
        window->makeKeyAndVisible();
    }
    void TearDown() override
    {
        for (QMAlertView *alert : QMAlertView::visibleAlerts())
            alert->clickButton();
        window.reset();
        stack.reset();
        QMImageCache::CloseCache();
        QMProviderTestCase::TearDown();
    }

    QMToPlayListViewController *openList()
    {
        auto list = std::make_unique<QMToPlayListViewController>();
        QMToPlayListViewController *raw = list.get();
        stack->push(std::move(list), false);
        return raw;
    }
    bool waitForAnswers(int count)
    {
        return QTest::qWaitFor([&] { return maxnums.size() >= count; }, 10000);
    }
    QPushButton *moreButton(QMToPlayListViewController *list)
    {
        QWidget *row = list->tableView()->cellForRow(list->tableView()->numberOfRows() - 1);
        return row ? row->findChild<QPushButton *>() : nullptr;
    }

    int total = 25;
    QList<int> maxnums;
    std::unique_ptr<QMWindow> window = std::make_unique<QMWindow>();
    std::unique_ptr<QMNavigationController> stack =
        std::make_unique<QMNavigationController>(std::make_unique<QMViewController>());
};
} // namespace

TEST_F(ComingSoon, AFullPageOffersMoreFilms)
{
    QMToPlayListViewController *list = openList();
    ASSERT_TRUE(waitForAnswers(1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->movieArray().size() == 10; }, 5000));
    EXPECT_EQ(maxnums, QList<int>({10}));
    EXPECT_EQ(list->tableView()->numberOfRows(), 11);
    QTest::qWait(50);
    list->tableView()->scrollToRow(10, QMTableView::ScrollPosition::Bottom, false);
    QPushButton *more = moreButton(list);
    ASSERT_TRUE(more);
    EXPECT_EQ(more->text(), QStringLiteral("更多影片"));
    EXPECT_FALSE(more->isHidden());
}

TEST_F(ComingSoon, AShortPageHidesMoreFilms)
{
    total = 7;
    QMToPlayListViewController *list = openList();
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->movieArray().size() == 7; }, 10000));
    EXPECT_EQ(list->tableView()->numberOfRows(), 8);
    list->tableView()->scrollToRow(7, QMTableView::ScrollPosition::Bottom, false);
    QPushButton *more = moreButton(list);
    ASSERT_TRUE(more);
    EXPECT_TRUE(more->isHidden());
    EXPECT_FALSE(more->isEnabled());
}

TEST_F(ComingSoon, ScrollingToTheEndAsksForTheNextPageFromTheStart)
{
    QMToPlayListViewController *list = openList();
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->movieArray().size() == 10; }, 10000));
    QMTableView *table = list->tableView();
    table->setContentOffset(table->maximumContentOffset());
    list->scrollViewDidEndDecelerating(table);
    ASSERT_TRUE(waitForAnswers(2));
    EXPECT_EQ(maxnums, QList<int>({10, 20}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->movieArray().size() == 20; }, 5000));

    // Resting in the middle of a long list asks for nothing.
    table->setContentOffset(QPoint(0, 0));
    list->scrollViewDidEndDecelerating(table);
    QTest::qWait(200);
    EXPECT_EQ(maxnums.size(), 2);
}

TEST_F(ComingSoon, TenPagesAtMostThenAnAlertEveryTime)
{
    QMToPlayListViewController::setPlayCount(90);
    QMToPlayListViewController *list = openList();
    ASSERT_TRUE(waitForAnswers(1));
    list->nextPage();
    ASSERT_TRUE(waitForAnswers(2));
    EXPECT_EQ(maxnums, QList<int>({90, 100}));

    for (int attempt = 0; attempt < 2; ++attempt) {
        list->nextPage();
        const auto alerts = QMAlertView::visibleAlerts();
        ASSERT_EQ(alerts.size(), 1);
        EXPECT_EQ(alerts[0]->title(), QStringLiteral("提示"));
        EXPECT_EQ(alerts[0]->message(), QStringLiteral("只能显示10页!"));
        QTest::mouseClick(alerts[0]->button(), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([] { return QMAlertView::visibleAlerts().isEmpty(); }, 3000));
    }
    QTest::qWait(200);
    EXPECT_EQ(maxnums.size(), 2);
}

TEST_F(ComingSoon, AListOpenedAgainAsksForAsManyAsTheLastReached)
{
    QMToPlayListViewController *list = openList();
    ASSERT_TRUE(waitForAnswers(1));
    list->nextPage();
    ASSERT_TRUE(waitForAnswers(2));
    list->nextPage();
    ASSERT_TRUE(waitForAnswers(3));
    stack->pop(false);
    openList();
    ASSERT_TRUE(waitForAnswers(4));
    EXPECT_EQ(maxnums, QList<int>({10, 20, 30, 30}));
}

TEST_F(ComingSoon, ARowOpensTheFilmWithItsOpeningDateAndSynopsis)
{
    QMToPlayListViewController *list = openList();
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->movieArray().size() == 10; }, 10000));
    list->tableViewDidSelectRow(list->tableView(), 2);
    auto *details = qobject_cast<QMFutureMovieListViewController *>(stack->topViewController());
    ASSERT_TRUE(details);
    ASSERT_TRUE(details->selectsMovie);
    EXPECT_EQ(details->selectsMovie->releasedate, list->movieArray().at(2)->openingdate);
    EXPECT_TRUE(details->creditsLabel()->text().startsWith(QStringLiteral("首映日期：") +
                                                           list->movieArray().at(2)->openingdate));
    EXPECT_FALSE(details->logoImage.isNull()); // the placeholder the row showed
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return details->synopsisLabel()->text() == QStringLiteral("一段剧情。"); }, 10000));
}
