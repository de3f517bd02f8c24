#include "app/QMDataContext.h"
#include "comments/Comment.h"
#include "comments/QMCommentRow.h"
#include "comments/QMCommentThreadView.h"
#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMIndexButton.h"
#include "kit/QMLabel.h"
#include "kit/QMMapView.h"
#include "kit/QMNavigationController.h"
#include "kit/QMPickerView.h"
#include "kit/QMTableView.h"
#include "kit/QMTextView.h"
#include "kit/QMWindow.h"
#include "members/MemberInfo.h"
#include "members/QMAccostView.h"
#include "members/QMAreaSwitcher.h"
#include "members/QMMySayInfoView.h"
#include "members/QMPizzaListCell.h"
#include "members/QMPizzaListView.h"
#include "members/QMPizzaMapView.h"
#include "members/QMTickButton.h"
#include "members/QMTransshipmentView.h"
#include "members/QMUserAnnotation.h"
#include "members/QMUserSayView.h"
#include "members/QMUserView.h"
#include "members/QMWhatIDoingView.h"
#include "net/QMDataProvider.h"
#include "services/QMImageCache.h"
#include "services/QMLocationProvider.h"
#include "services/QMViewNavigation.h"

#include "QMMemberViewsTestSupport.h"
#include "QMScreenTestCase.h"
#include "QMTestRecorders.h"

#include <QDateTime>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The demo member at People's Square, with the square in the member tab's place, against the
// real service.
class NearbyService : public QMScreenTestCase
{
protected:
    void SetUp() override
    {
        QMScreenTestCase::SetUp();
        QMDataContext::CurrentDataContext()->locationProvider()->setCurrentLocation(
            {31.2304, 121.4737});
        signIn();
        auto root = std::make_unique<QMViewController>();
        root->setTitle(QStringLiteral("叽喳"));
        hub = showStack(std::move(root));
    }

    static bool answered(const QString &message)
    {
        if (!QTest::qWaitFor([] { return topAlert(); }, 15000))
            return false;
        const bool success =
            topAlert()->title() == QStringLiteral("成功") && topAlert()->message() == message;
        EXPECT_TRUE(success) << topAlert()->message().toStdString();
        QTest::mouseClick(topAlert()->button(), Qt::LeftButton);
        return success;
    }
    // The demo member's own posts, newest first.
    static QList<std::shared_ptr<Comment>> demoPosts()
    {
        UserCommentsRecorder posts;
        QMUserCommentListProvider *provider =
            QMDataContext::CurrentDataContext()->userCommentListProvider();
        provider->memberid = QStringLiteral("5001");
        provider->from = 0;
        provider->maxnum = 5;
        provider->userCommentListDelegate = &posts;
        provider->requestUserCommentList();
        return posts.waitForCalls() && posts.record ? posts.record->commentArray
                                                    : QList<std::shared_ptr<Comment>>();
    }

    QMViewController *hub = nullptr;
};

} // namespace

TEST_F(NearbyService, AStatusOnTheSquareThenARepostAReplyAndAPostToTheAuthor)
{
    // The status, about the first film now showing.
    auto *status = new QMWhatIDoingView();
    QMMemberPanel::presentView(window.get(), status);
    QTest::mouseClick(status->movieTick(), Qt::LeftButton);
    QTest::mouseClick(status->movieButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return status->pickerView()->isInWindow(); }, 15000));
    ASSERT_FALSE(status->pickerNames().isEmpty());
    QTest::qWait(QMViewNavigation::durationMs + 50);
    saveScreenshot(window.get(), QStringLiteral("post-status-picker.png"));
    QTest::mouseClick(status->pickerView()->confirmButton(), Qt::LeftButton);
    const QString film = status->selectId();
    ASSERT_FALSE(film.isEmpty());
    const QString text =
        QStringLiteral("刚看完，推荐给大家 %1").arg(QDateTime::currentMSecsSinceEpoch() % 100000);
    typeText(status->textView(), text);
    saveScreenshot(window.get(), QStringLiteral("post-status.png"));
    QTest::mouseClick(status->submitButton(), Qt::LeftButton);
    ASSERT_TRUE(answered(QStringLiteral("评论成功！")));

    // The members around, on the map; one of them with their latest post.
    auto *square = new QMPizzaMapView(hub->view()->rect(), hub->view());
    square->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !square->annotationArray().isEmpty(); }, 15000));
    ASSERT_TRUE(waitUntilIdle(square));
    for (const auto &annotation : square->annotationArray()) {
        auto *member = static_cast<QMUserAnnotation *>(annotation.get());
        square->mapView()->selectAnnotation(member, false);
        ASSERT_TRUE(waitUntilIdle(square));
        if (square->comment()) {
            EXPECT_EQ(square->comment()->memberid, member->memberid);
            break;
        }
    }
    ASSERT_TRUE(square->bubble()->isVisible()) << "somebody nearby has written";
    QTest::qWait(500); // portraits
    saveScreenshot(window.get(), QStringLiteral("nearby-map.png"));

    // The whole city's square holds the status, about the film.
    QTest::mouseClick(square->listButton(), Qt::LeftButton);
    QMPizzaListView *list = square->pizzaListView();
    ASSERT_TRUE(list && waitUntilIdle(list));
    QTest::mouseClick(list->areaSwitcher()->rightButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->squareType() == 1; }, 5000) &&
                waitUntilIdle(list));
    QTest::mouseClick(list->areaSwitcher()->rightButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->squareType() == 2; }, 5000) &&
                waitUntilIdle(list));
    std::shared_ptr<Comment> posted, other;
    for (const auto &post : list->pizzaListArray()) {
        if (post->body == text)
            posted = post;
        else if (!other && post->memberid != QStringLiteral("5001") && post->transferid.isEmpty())
            other = post;
    }
    ASSERT_TRUE(posted) << "the status is on the square";
    EXPECT_EQ(posted->tag, QStringLiteral("movie"));
    EXPECT_EQ(posted->relatedid, film);
    QTest::qWait(500);
    saveScreenshot(window.get(), QStringLiteral("nearby-list.png"));

    // Another member's post opens from its row; re-posted with a remark from there.
    ASSERT_TRUE(other);
    const int row = int(list->pizzaListArray().indexOf(other));
    list->tableView()->scrollToRow(row, QMTableView::ScrollPosition::Middle, false);
    auto *cell = qobject_cast<QMPizzaListCell *>(list->tableView()->cellForRow(row));
    ASSERT_TRUE(cell);
    QTest::mouseClick(cell->textButton(), Qt::LeftButton);
    auto *details = qobject_cast<QMMySayInfoView *>(QMMemberPanel::topPanel(list));
    ASSERT_TRUE(details);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return details->mySayInfoTableView()->accostButton(); }, 15000));
    ASSERT_TRUE(waitUntilIdle(details));
    QTest::mouseClick(details->mySayInfoTableView()->transshipmentButton(), Qt::LeftButton);
    auto *repost = qobject_cast<QMTransshipmentView *>(QMMemberPanel::topPanel(list));
    ASSERT_TRUE(repost);
    typeText(repost->textView(), QStringLiteral("说得好"));
    QTest::mouseClick(repost->submitButton(), Qt::LeftButton);
    ASSERT_TRUE(answered(QStringLiteral("转载成功！")));
    const QList<std::shared_ptr<Comment>> mine = demoPosts();
    ASSERT_FALSE(mine.isEmpty());
    EXPECT_EQ(mine.first()->body, QStringLiteral("说得好"));
    EXPECT_EQ(mine.first()->transferid, other->commentid);
    EXPECT_EQ(mine.first()->transferbody, other->body);

    // A reply from the same page, found under the post once it is through.
    ASSERT_TRUE(QTest::qWaitFor([&] { return QMMemberPanel::topPanel(list) == details; }, 3000));
    QTest::mouseClick(details->mySayInfoTableView()->accostButton(), Qt::LeftButton);
    auto *reply = qobject_cast<QMAccostView *>(QMMemberPanel::topPanel(list));
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->doLabel()->text(), QStringLiteral("与%1搭话").arg(other->nickname));
    typeText(reply->textView(), QStringLiteral("同感"));
    QTest::mouseClick(reply->submitButton(), Qt::LeftButton);
    ASSERT_TRUE(answered(QStringLiteral("搭话成功！")));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const auto rows = details->mySayInfoTableView()->rows();
            return std::any_of(rows.cbegin() + 1, rows.cend(),
                               [](const auto &row) { return row->body == QStringLiteral("同感"); });
        },
        15000));

    // A post to the author, from the author's page.
    QMUserView *author = QMUserView::showMember(details, MemberInfo(*other));
    ASSERT_TRUE(author);
    QTest::mouseClick(author->sayInfoButton(), Qt::LeftButton);
    auto *say = qobject_cast<QMUserSayView *>(QMMemberPanel::topPanel(list));
    ASSERT_TRUE(say);
    EXPECT_EQ(say->doLabel()->text(), QStringLiteral("对%1说").arg(other->nickname));
    typeText(say->textView(), QStringLiteral("周末一起看电影？"));
    QTest::mouseClick(say->submitButton(), Qt::LeftButton);
    ASSERT_TRUE(answered(QStringLiteral("发表成功！")));
    const QList<std::shared_ptr<Comment>> latest = demoPosts();
    ASSERT_FALSE(latest.isEmpty());
    EXPECT_EQ(latest.first()->tag, QStringLiteral("member"));
    EXPECT_EQ(latest.first()->relatedid, other->memberid);
    EXPECT_TRUE(latest.first()->transferid.isEmpty());
}
