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

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>

#include <gtest/gtest.h>

namespace {
// The first film has texts too long for their frames.
const QString kLongName = QStringLiteral("上海弄堂里那个最长也最热的夏天");
const QString kLongCast = QStringLiteral("陈一鸣,王晓燕,张海峰,李思远,刘子涵,周文博,孙雨桐,胡浩然");

QByteArray comingSoon(int count)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><data><movieList>";
    for (int i = 1; i <= count; ++i) {
        const QByteArray n = QByteArray::number(i);
        const bool first = i == 1;
        xml += "<movie><movieid>" + n + "</movieid><moviename>" +
               (first ? kLongName.toUtf8() : "将映" + n) + "</moviename><openingdate>2027-01-0" +
               QByteArray::number(i % 9 + 1) + "</openingdate><director>导演" + n +
               "</director><actors>" + (first ? kLongCast.toUtf8() : "演员" + n) +
               "</actors><smalllogo>http://127.0.0.1:1/none" + n + ".jpg</smalllogo><generalmark>" +
               (first ? "10.0" : "7.0") + "</generalmark><length>90分钟</length></movie>";
    }
    return xml + "</movieList></data>";
}

// The cast wraps, and only after the comma that ends a name.
void expectCastBreaksBetweenNames(const QMLabel *label)
{
    const QStringList lines = label->displayedLines();
    const auto isCast = [](const QString &line) {
        return line.startsWith(QStringLiteral("主演"));
    };
    const auto first = std::find_if(lines.cbegin(), lines.cend(), isCast);
    ASSERT_NE(first, lines.cend()) << label->text().toStdString();
    auto end = first + 1;
    while (end != lines.cend() && !end->startsWith(QStringLiteral("片长")))
        ++end;
    ASSERT_GT(end - first, 1) << "the cast fits one line";
    for (auto line = first; line + 1 != end; ++line)
        EXPECT_TRUE(line->endsWith(QLatin1Char(','))) << line->toStdString();
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

TEST_F(ComingSoon, LongTextsEndInAnEllipsisRatingsStayWholeAndCastsBreakBetweenNames)
{
    QMToPlayListViewController *list = openList();
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->movieArray().size() == 10; }, 10000));
    QWidget *row = list->tableView()->cellForRow(0);
    ASSERT_TRUE(row);
    const auto labelOf = [](QWidget *parent, const QString &prefix) -> QMLabel * {
        for (QMLabel *label : parent->findChildren<QMLabel *>()) {
            if (label->text().startsWith(prefix))
                return label;
        }
        return nullptr;
    };

    QMLabel *title = labelOf(row, kLongName);
    ASSERT_TRUE(title);
    EXPECT_EQ(title->geometry(), QRect(120, 14, 120, 20));
    EXPECT_TRUE(title->displayedLines().first().endsWith(QChar(0x2026)));
    QMLabel *rating = labelOf(row, QStringLiteral("10.0"));
    ASSERT_TRUE(rating);
    EXPECT_EQ(rating->displayedLines(), QStringList{QStringLiteral("10.0分")});
    EXPECT_EQ(rating->pos(), QPoint(250, 14));
    QMLabel *cast = labelOf(row, QStringLiteral("主演:"));
    ASSERT_TRUE(cast);
    EXPECT_EQ(cast->geometry(), QRect(120, 74, 180, 40));
    expectCastBreaksBetweenNames(cast);
    EXPECT_TRUE(cast->isTruncated()); // eight names do not fit two lines
    if (const QString dir = qEnvironmentVariable("QM_SCREENSHOT_DIR"); !dir.isEmpty())
        window->saveScreenshot(QDir(dir).filePath(QStringLiteral("coming-soon-long-texts.png")));

    list->tableViewDidSelectRow(list->tableView(), 0);
    auto *details = qobject_cast<QMFutureMovieListViewController *>(stack->topViewController());
    ASSERT_TRUE(details);
    QMLabel *credits = details->creditsLabel();
    expectCastBreaksBetweenNames(credits);
    // Eight names take the running time's line: the last line shown says there is more.
    EXPECT_TRUE(credits->isTruncated());
    EXPECT_TRUE(credits->displayedLines().last().endsWith(QChar(0x2026)));
    QMLabel *detailsRating = labelOf(details->view(), QStringLiteral("10.0"));
    ASSERT_TRUE(detailsRating);
    EXPECT_EQ(detailsRating->displayedLines(), QStringList{QStringLiteral("10.0分")});
    if (const QString dir = qEnvironmentVariable("QM_SCREENSHOT_DIR"); !dir.isEmpty()) {
        QTest::qWait(400);
        window->saveScreenshot(QDir(dir).filePath(QStringLiteral("coming-soon-film-long.png")));
    }
}
