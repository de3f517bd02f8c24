#include "app/QMDataContext.h"
#include "app/QMMainAppDelegate.h"
#include "cinemas/MpiList.h"
#include "cinemas/QMMovieToFSCProvider.h"
#include "films/QMMovieViewController.h"
#include "comments/Comment.h"
#include "comments/QMCommentRow.h"
#include "comments/QMCommentThreadView.h"
#include "comments/QMReplyLabel.h"
#include "members/Agenda.h"
#include "members/Collect.h"
#include "members/MemberInfo.h"
#include "members/CollectList.h"
#include "members/QMAccostView.h"
#include "members/QMAreaSwitcher.h"
#include "members/QMAttentionListView.h"
#include "members/QMCollectListProvider.h"
#include "members/QMMemberPanel.h"
#include "members/QMMyAttentionView.h"
#include "members/QMMyPublishView.h"
#include "members/QMMySayInfoView.h"
#include "members/QMPizzaListView.h"
#include "members/QMTransshipmentView.h"
#include "members/QMUserView.h"
#include "members/QMWhatIDoingView.h"
#include "kit/QMActivityIndicatorView.h"
#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMLabel.h"
#include "kit/QMNavigationController.h"
#include "kit/QMTabBarController.h"
#include "kit/QMIndexButton.h"
#include "kit/QMPickerView.h"
#include "kit/QMTableView.h"
#include "kit/QMTextField.h"
#include "kit/QMTextView.h"
#include "kit/QMWindow.h"
#include "members/QMLoginViewController.h"
#include "members/QMMyLiveView.h"
#include "members/QMMyQuelmaViewController.h"
#include "members/QMPizzaMapView.h"
#include "members/QMResponsionListView.h"
#include "members/QMSendCommentView.h"
#include "members/QMTickButton.h"
#include "members/QMUpdatePhoneView.h"
#include "members/QMUserSetView.h"
#include "net/QMDataProvider.h"
#include "services/QMCachedImageView.h"
#include "services/QMGrayText.h"
#include "services/QMViewNavigation.h"
#include "ticketing/QMMovieBuyTicketViewController.h"

#include "QMAppTestCase.h"
#include "QMMemberViewsTestSupport.h"
#include "QMTestRecorders.h"
#include "QMTestTouch.h"

#include <QDateTime>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

// The member area of the whole client against the stand-in service, as the demo member uses it.
namespace {

class MemberArea : public QMAppTestCase
{
protected:
    QMMyQuelmaViewController *hub() const { return delegate->myQuelmaViewController(); }
    QMNavigationController *memberStack() const
    {
        return qobject_cast<QMNavigationController *>(
            delegate->tabController()->viewControllers().value(2));
    }

    // The client quits and starts again on the same documents and service.
    void relaunch()
    {
        delegate.reset();
        delegate = std::make_unique<QMMainAppDelegate>();
        ASSERT_TRUE(delegate->applicationDidFinishLaunching());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !delegate->loadingView(); }, 20000));
    }
    // Opens the member tab and signs in there as the demo member.
    void signInOnTheMemberTab()
    {
        tapTab(2);
        auto *login = qobject_cast<QMLoginViewController *>(memberStack()->topViewController());
        ASSERT_TRUE(login) << "the member tab asks for a member first";
        typeInto(login->userNameField(), QStringLiteral("demo@example.com"));
        typeInto(login->passwordField(), QStringLiteral("demo123"));
        click(login->loginButton());
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return memberStack()->topViewController() == hub() || alert(); }, 15000));
        ASSERT_FALSE(alert()) << alert()->message().toStdString();
        ASSERT_EQ(hub()->frontSection(), hub()->pizzaMapView());
    }
    // Opens the settings and waits for the profile.
    QMUserSetView *openSettings()
    {
        click(hub()->setButton());
        QMUserSetView *settings = hub()->userSetView();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !isBusy(hub()->view()); }, 15000));
        return settings;
    }

    // The members the demo member follows now, by id.
    static QStringList followedMembers()
    {
        FollowsRecorder recorder;
        QMCollectListProvider *provider =
            QMDataContext::CurrentDataContext()->collectListProvider();
        provider->memberid = QStringLiteral("5001");
        provider->type = 0;
        provider->from = 0;
        provider->maxnum = 100;
        provider->collectListDelegate = &recorder;
        provider->requestCollectList();
        QStringList ids;
        if (recorder.waitForCalls() && recorder.record) {
            for (const std::shared_ptr<Collect> &follow : recorder.record->collectArray)
                ids.append(follow->relatedid);
        }
        return ids;
    }
    // The row of a follow list that holds a member; -1 when none does.
    static int rowOfMember(const QMMyAttentionView *follows, const QString &memberid)
    {
        const QList<std::shared_ptr<Collect>> &rows = follows->myAttentionArray();
        for (int row = 0; row < rows.size(); ++row) {
            if (rows[row]->relatedid == memberid)
                return row;
        }
        return -1;
    }

    // A screening of today at a cinema of the service, and the cinema.
    static std::pair<std::shared_ptr<Mpi>, std::shared_ptr<SimpleCinema>> screeningOfToday()
    {
        for (const std::shared_ptr<SimpleCinema> &cinema : serviceCatalogue()) {
            ScreeningRecorder recorder;
            QMMovieToFSCProvider *provider =
                QMDataContext::CurrentDataContext()->movieToFSCProvider();
            provider->fscDelegate = &recorder;
            provider->requestToPlayInfoForCinema(cinema->cinemaid, QString());
            if (!recorder.waitForCalls() || !recorder.record)
                continue;
            for (const std::shared_ptr<Mpi> &screening : recorder.record->mpiArray) {
                if (screening && !screening->mpid.isEmpty())
                    return {screening, cinema};
            }
        }
        return {};
    }

    // The page of the member area on top, once it has come to rest.
    template<class Page> Page *topPage() const
    {
        QMMemberPanel *page = nullptr;
        const bool shown = QTest::qWaitFor([&] {
            page = QMMemberPanel::topPanel(delegate->window());
            return page && page->pos() == QMMemberPanel::kFrame.topLeft();
        });
        return shown ? qobject_cast<Page *>(page) : nullptr;
    }
    static void goBack(QMMemberPanel *page)
    {
        QPointer<QMMemberPanel> leaving = page;
        tap(page->returnButton());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !leaving; }));
    }
    static void tap(QWidget *widget) { tapWhereSeen(widget); }
    static void tapRow(QMTableView *table, int row)
    {
        table->scrollToRow(row, QMTableView::ScrollPosition::Top, false);
        QWidget *cell = table->cellForRow(row);
        ASSERT_TRUE(cell);
        tap(cell);
    }
    // The success alert of a write, read and dismissed.
    static bool answered(const QString &message)
    {
        if (!QTest::qWaitFor([] { return alert(); }, 15000))
            return false;
        const bool success =
            alert()->title() == QStringLiteral("成功") && alert()->message() == message;
        EXPECT_TRUE(success) << alert()->message().toStdString();
        alert()->clickButton();
        return success;
    }
    // The row of a list that shows a comment, brought into view.
    static QMCommentRow *commentRow(QMTableView *table, int row)
    {
        table->scrollToRow(row, QMTableView::ScrollPosition::Top, false);
        return qobject_cast<QMCommentRow *>(table->cellForRow(row));
    }

    static void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    static void typeInto(QMTextField *field, const QString &text)
    {
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(10, 10));
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }
    static bool isBusy(QWidget *view)
    {
        return !view->findChildren<QMActivityIndicatorView *>(Qt::FindDirectChildrenOnly).isEmpty();
    }
    static QMAlertView *alert()
    {
        const QList<QMAlertView *> shown = QMAlertView::visibleAlerts();
        return shown.isEmpty() ? nullptr : shown.last();
    }
};

TEST_F(MemberArea, APlanAddedOnTheScreeningChoiceIsFoundInMyLife)
{
    signInOnTheMemberTab();
    const auto [screening, cinema] = screeningOfToday();
    ASSERT_TRUE(screening) << "the service plans screenings for today";

    tapTab(0);
    auto owned = std::make_unique<QMMovieBuyTicketViewController>();
    owned->selectMpi = screening;
    owned->selectCiname = cinema;
    QMMovieBuyTicketViewController *choice = owned.get();
    QMNavigationController *films = delegate->movieViewController()->navigationController();
    films->push(std::move(owned), false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return choice->addMyLiveButton(); }));
    click(choice->addMyLiveButton());
    ASSERT_TRUE(QTest::qWaitFor([] { return alert(); }, 15000));
    EXPECT_EQ(alert()->message(), QStringLiteral("添加到我的生活成功！"));
    alert()->clickButton();

    EXPECT_EQ(delegate->tabController()->selectedIndex(), 2);
    QMMyLiveView *plans = hub()->myLiveView();
    EXPECT_EQ(hub()->frontSection(), plans);
    const QString words =
        QStringLiteral("在%1 ").arg(cinema->cinemaname) +
        QStringLiteral("%1 看《%2》").arg(screening->playroom, screening->moviename);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            for (const auto &plan : plans->myLiveArray()) {
                if (plan->body == words)
                    return true;
            }
            return false;
        },
        15000))
        << words.toStdString();
}

TEST_F(MemberArea, TheDemoMembersProfilePlansAndRepliesThroughTheTab)
{
    signInOnTheMemberTab();
    QMPizzaMapView *square = hub()->pizzaMapView();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !square->annotationArray().isEmpty(); }, 15000));
    ASSERT_TRUE(waitUntilIdle(square));
    QTest::qWait(500); // head pictures
    screenshot(QStringLiteral("member-square.png"));

    // Settings: a new mobile number and the other sex.
    QMUserSetView *settings = openSettings();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !settings->headView()->isLoading(); }, 15000));
    const bool wasWoman = settings->isWomanTicked();
    click(wasWoman ? settings->relatingManButton() : settings->relatingWomanButton());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !isBusy(settings); }, 15000));
    EXPECT_EQ(settings->isWomanTicked(), !wasWoman);
    screenshot(QStringLiteral("member-settings.png"));

    click(settings->updatePhoneButton());
    QPointer<QMUpdatePhoneView> editor = settings->updatePhoneView();
    ASSERT_TRUE(editor);
    typeInto(editor->phoneText(), QStringLiteral("13612345678"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return editor->pos() == QPoint(0, 0); }));
    screenshot(QStringLiteral("member-phone.png"));
    click(editor->confirmButton());
    ASSERT_TRUE(QTest::qWaitFor([] { return alert(); }, 15000));
    EXPECT_EQ(alert()->message(), QStringLiteral("修改手机号成功！"));
    alert()->clickButton();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !editor; }));

    // Plans of this week.
    click(hub()->liveButton());
    QMMyLiveView *plans = hub()->myLiveView();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !plans->myLiveArray().isEmpty(); }, 15000));
    screenshot(QStringLiteral("member-plans.png"));

    // Replies the member wrote.
    click(hub()->restoreButton());
    QMSendCommentView *sent = hub()->responsionListView()->sendCommentView();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sent->sendCommentArray().isEmpty(); }, 15000));

    // After a restart the member signs in again, and the profile shows both changes.
    relaunch();
    signInOnTheMemberTab();
    settings = openSettings();
    EXPECT_EQ(settings->mobileLabel()->text(), QStringLiteral("手机号码：136****5678"));
    EXPECT_EQ(settings->isWomanTicked(), !wasWoman);
    EXPECT_EQ(settings->isManTicked(), wasWoman);
}

} // namespace

namespace {

TEST_F(MemberArea, AStatusAReplyARepostAndAFollowThroughTheTab)
{
    signInOnTheMemberTab();
    const QString stamp = QString::number(QDateTime::currentMSecsSinceEpoch() % 100000);

    // A status about a film, from "你在干嘛" of the interest feed.
    click(hub()->attentionButton());
    QMAttentionListView *feed = hub()->attentionListView();
    EXPECT_EQ(hub()->frontSection(), feed);
    ASSERT_TRUE(waitUntilIdle(feed));
    tap(feed->whatIDoingButton());
    QMWhatIDoingView *status = topPage<QMWhatIDoingView>();
    ASSERT_TRUE(status);
    tap(status->movieTick());
    tap(status->movieButton());
    ASSERT_TRUE(QTest::qWaitFor([&] { return status->pickerView()->isInWindow(); }, 15000));
    QTest::qWait(QMViewNavigation::durationMs + 50);
    tap(status->pickerView()->confirmButton());
    const QString film = status->selectId();
    ASSERT_FALSE(film.isEmpty());
    const QString statusText = QStringLiteral("刚看完这部电影 ") + stamp;
    typeText(status->textView(), statusText);
    QPointer<QMWhatIDoingView> leaving = status;
    tap(status->submitButton());
    ASSERT_TRUE(answered(QStringLiteral("评论成功！")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !leaving; })) << "it closes itself";

    // It is on the whole city's square, about the film.
    click(hub()->piazzaButton());
    ASSERT_TRUE(waitUntilIdle(hub()->pizzaMapView()));
    tap(hub()->pizzaMapView()->listButton());
    QMPizzaListView *square = hub()->pizzaMapView()->pizzaListView();
    ASSERT_TRUE(square && waitUntilIdle(square));
    for (unsigned area = 1; area <= 2; ++area) {
        tap(square->areaSwitcher()->rightButton());
        ASSERT_TRUE(QTest::qWaitFor([&] { return square->squareType() == area; }, 5000));
        ASSERT_TRUE(waitUntilIdle(square));
    }
    // Another member's own post, by somebody the demo member does not follow yet.
    const QStringList followed = followedMembers();
    int postedRow = -1;
    int otherRow = -1;
    const QList<std::shared_ptr<Comment>> posts = square->pizzaListArray();
    for (int row = 0; row < posts.size(); ++row) {
        if (posts[row]->body == statusText)
            postedRow = row;
        else if (otherRow < 0 && posts[row]->memberid != QStringLiteral("5001") &&
                 posts[row]->transferid.isEmpty() && !followed.contains(posts[row]->memberid))
            otherRow = row;
    }
    ASSERT_GE(postedRow, 0) << "the status is on the square";
    EXPECT_EQ(posts[postedRow]->tag, QStringLiteral("movie"));
    EXPECT_EQ(posts[postedRow]->relatedid, film);
    ASSERT_GE(otherRow, 0);
    const std::shared_ptr<Comment> other = posts[otherRow];

    // Another member's post: a reply, then a re-post, from its page.
    QMCommentRow *row = commentRow(square->tableView(), otherRow);
    ASSERT_TRUE(row);
    tap(row->textButton());
    QMMySayInfoView *post = topPage<QMMySayInfoView>();
    ASSERT_TRUE(post);
    ASSERT_TRUE(waitUntilIdle(post));
    EXPECT_EQ(post->commentId, other->commentid);
    tap(post->mySayInfoTableView()->accostButton());
    QMAccostView *accost = topPage<QMAccostView>();
    ASSERT_TRUE(accost);
    const QString replyText = QStringLiteral("我也想去看 ") + stamp;
    typeText(accost->textView(), replyText);
    QPointer<QMAccostView> replying = accost;
    tap(accost->submitButton());
    ASSERT_TRUE(answered(QStringLiteral("搭话成功！")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !replying; }));
    ASSERT_TRUE(waitUntilIdle(post));
    EXPECT_EQ(post->mySayInfoTableView()->rows().last()->body, replyText) << "asked for again";

    tap(post->mySayInfoTableView()->transshipmentButton());
    QMTransshipmentView *repost = topPage<QMTransshipmentView>();
    ASSERT_TRUE(repost);
    const QString remark = QStringLiteral("说得好 ") + stamp;
    typeText(repost->textView(), remark);
    QPointer<QMTransshipmentView> reposting = repost;
    tap(repost->submitButton());
    ASSERT_TRUE(answered(QStringLiteral("转载成功！")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !reposting; }));
    goBack(post);

    // The author's page, from the head picture on the square: followed.
    row = commentRow(square->tableView(), otherRow);
    ASSERT_TRUE(row);
    tap(row->headButton());
    QMUserView *author = topPage<QMUserView>();
    ASSERT_TRUE(author);
    ASSERT_TRUE(waitUntilIdle(author));
    EXPECT_EQ(author->selectMemberInfo->memberid, other->memberid);
    tap(author->attentionButton());
    EXPECT_TRUE(author->attentionButton()->isTicked());
    ASSERT_TRUE(answered(QStringLiteral("关注成功！")));
    goBack(author);

    // "我发送的" holds the reply, over the post it answers.
    click(hub()->restoreButton());
    QMSendCommentView *sent = hub()->responsionListView()->sendCommentView();
    ASSERT_TRUE(waitUntilIdle(sent));
    int replyRow = -1;
    for (int i = 0; i < sent->sendCommentArray().size(); ++i) {
        if (sent->sendCommentArray()[i]->body == replyText)
            replyRow = i;
    }
    ASSERT_GE(replyRow, 0) << "the reply is among the replies sent";
    sent->tableView()->scrollToRow(replyRow, QMTableView::ScrollPosition::Top, false);
    QMReplyLabel *bubble = sent->bubbleForRow(replyRow);
    ASSERT_TRUE(bubble && bubble->grayText());
    EXPECT_EQ(bubble->grayText()->reply()->toPlainText(),
              QStringLiteral("搭话 %1 的叽喳: %2").arg(other->nickname, other->body));
    QTest::qWait(300); // head pictures
    screenshot(QStringLiteral("member-replies.png"));

    // The member's own page, from the reply's head picture: the re-post among the posts, the
    // author among the follows.
    tap(sent->headButtonForRow(replyRow));
    QMUserView *own = topPage<QMUserView>();
    ASSERT_TRUE(own);
    ASSERT_TRUE(waitUntilIdle(own));
    EXPECT_EQ(own->selectMemberInfo->memberid, QStringLiteral("5001"));
    tapRow(own->userInfoTableView(), 0);
    QMMyPublishView *mine = topPage<QMMyPublishView>();
    ASSERT_TRUE(mine);
    ASSERT_TRUE(waitUntilIdle(mine));
    ASSERT_FALSE(mine->myPublishArray().isEmpty());
    EXPECT_EQ(mine->myPublishArray().first()->body, remark) << "newest first";
    EXPECT_EQ(mine->myPublishArray().first()->transferid, other->commentid);
    goBack(mine);

    tapRow(own->userInfoTableView(), 1);
    QMMyAttentionView *follows = topPage<QMMyAttentionView>();
    ASSERT_TRUE(follows);
    ASSERT_TRUE(waitUntilIdle(follows));
    ASSERT_FALSE(follows->myAttentionArray().isEmpty());
    EXPECT_EQ(follows->myAttentionArray().first()->relatedid, other->memberid) << "newest first";
    const int followRow = rowOfMember(follows, other->memberid);
    ASSERT_GE(followRow, 0);

    // Unfollowed from the follow's own name, and gone from the follows.
    follows->myAttentionTableView()->scrollToRow(followRow, QMTableView::ScrollPosition::Top,
                                                 false);
    tap(follows->nameButtonForRow(followRow));
    QMUserView *again = topPage<QMUserView>();
    ASSERT_TRUE(again);
    ASSERT_TRUE(waitUntilIdle(again));
    EXPECT_EQ(again->selectMemberInfo->memberid, other->memberid);
    tap(again->noAttentionButton());
    EXPECT_TRUE(again->noAttentionButton()->isTicked());
    EXPECT_FALSE(again->attentionButton()->isTicked());
    ASSERT_TRUE(answered(QStringLiteral("已取消对此用户的关注！")));
    goBack(again);
    follows->myAttentionList();
    ASSERT_TRUE(waitUntilIdle(follows));
    EXPECT_EQ(rowOfMember(follows, other->memberid), -1);
    goBack(follows);
    goBack(own);
    EXPECT_FALSE(QMMemberPanel::topPanel(delegate->window()));
}

} // namespace
