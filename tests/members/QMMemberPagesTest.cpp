#include "app/QMDataContext.h"
#include "comments/CommentList.h"
#include "comments/QMCommentAddProvider.h"
#include "comments/QMCommentRow.h"
#include "comments/QMCommentThreadView.h"
#include "comments/QMReplyLabel.h"
#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMIndexButton.h"
#include "kit/QMLabel.h"
#include "kit/QMPageCounter.h"
#include "kit/QMScrollView.h"
#include "kit/QMTableView.h"
#include "kit/QMTextView.h"
#include "members/CollectList.h"
#include "members/MemberCache.h"
#include "members/QMAccostView.h"
#include "members/QMAreaSwitcher.h"
#include "members/QMAttentionListView.h"
#include "members/QMLoginProvider.h"
#include "members/QMMyAttentionView.h"
#include "members/QMMyInterestCommentProvider.h"
#include "members/QMMyPublishView.h"
#include "members/QMMySayInfoView.h"
#include "members/QMTickButton.h"
#include "members/QMTransshipmentView.h"
#include "members/QMUserSayView.h"
#include "members/QMUserCommentListProvider.h"
#include "members/QMUserView.h"
#include "members/QMWhatIDoingView.h"
#include "net/QMDataProvider.h"
#include "services/QMCachedImageView.h"
#include "services/QMResourceImages.h"

#include "QMScreenTestCase.h"
#include "QMTestRecorders.h"
#include "QMTestTouch.h"

#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kDemoMember = QStringLiteral("5001");
// A member the demo member of the seed does not follow.
const QString kStranger = QStringLiteral("5020");

// The screen the hub will be: the interest feed as one of its sections.
class FeedScreen : public QMViewController
{
public:
    FeedScreen() { setTitle(QStringLiteral("与我相关")); }
    QMAttentionListView *feed = nullptr;

protected:
    void viewDidLoad() override { feed = new QMAttentionListView(view()->rect(), view()); }
};

// The member pages in a real window against the real service, as the demo member.
class MemberPages : public QMScreenTestCase
{
protected:
    void SetUp() override
    {
        QMScreenTestCase::SetUp();
        screen = showStack(std::make_unique<FeedScreen>());
    }

    static std::shared_ptr<MemberCache> signIn()
    {
        QMScreenTestCase::signIn();
        return QMDataContext::CurrentDataContext()->loginProvider()->loginMemeber;
    }
    static MemberInfo member(const QString &memberid)
    {
        MemberInfo info;
        info.memberid = memberid;
        return info;
    }
    // The page on top of the window once it has slid into place.
    template<class Page> Page *topPage()
    {
        QMMemberPanel *page = nullptr;
        const bool still = QTest::qWaitFor([&] {
            page = QMMemberPanel::topPanel(window.get());
            return page && page->pos() == QMMemberPanel::kFrame.topLeft();
        });
        return still ? qobject_cast<Page *>(page) : nullptr;
    }
    // Returns from a page as a member would, and waits until it has slid away.
    void goBack(QMMemberPanel *page)
    {
        QPointer<QMMemberPanel> leaving = page;
        tap(page->returnButton());
        EXPECT_NE(QMMemberPanel::topPanel(window.get()), page) << "a page sliding away is no more";
        EXPECT_TRUE(QTest::qWaitFor([&] { return !leaving; }));
    }
    // Taps, then keys that carry text, Chinese included.
    static void typeInto(QWidget *target, const QString &text)
    {
        tap(target);
        for (const char32_t codePoint : text.toUcs4()) {
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown,
                                QString::fromUcs4(&codePoint, 1), Qt::NoModifier);
        }
    }
    static bool settles(const QWidget *view)
    {
        return QTest::qWaitFor([&] { return !isBusy(view); }, 15000);
    }
    static void tap(QWidget *widget) { tapWhereSeen(widget); }
    // A touch on a row of a table, where the member sees it.
    static void tapRow(QMTableView *table, int row)
    {
        ASSERT_TRUE(table->cellForRow(row));
        const QRect rect = table->rectForRow(row);
        const QPoint inTable(150, rect.center().y() - table->contentOffset().y());
        QWidget *target = table->childAt(inTable);
        ASSERT_TRUE(target);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(table, inTable));
    }
    // A finger dragged across a scroller and lifted without a flick.
    static void drag(QWidget *scroller, QPoint from, const QPoint &to)
    {
        QTest::mousePress(scroller, Qt::LeftButton, {}, from);
        const QPoint step = (to - from) / 8;
        for (int i = 0; i < 8; ++i)
            QTest::mouseMove(scroller, from += step, 16);
        QTest::qWait(150);
        QTest::mouseRelease(scroller, Qt::LeftButton, {}, to);
    }
    // "title/message/button" of the alert that comes, which is then dismissed.
    static std::string answer()
    {
        if (!waitForAlert())
            return "no alert";
        const std::string text = said();
        dismissAlert();
        return text;
    }
    static QStringList names(const QList<std::shared_ptr<Collect>> &follows)
    {
        QStringList list;
        for (const std::shared_ptr<Collect> &follow : follows)
            list.append(follow->relatedid);
        return list;
    }
    // The newest posts of a member, straight from the service.
    static QList<std::shared_ptr<Comment>> postsOf(const QString &memberid)
    {
        UserCommentsRecorder recorder;
        QMUserCommentListProvider *provider =
            QMDataContext::CurrentDataContext()->userCommentListProvider();
        provider->memberid = memberid;
        provider->from = 0;
        provider->maxnum = 10;
        provider->userCommentListDelegate = &recorder;
        provider->requestUserCommentList();
        EXPECT_TRUE(recorder.waitForCalls());
        return recorder.record ? recorder.record->commentArray : QList<std::shared_ptr<Comment>>();
    }

    FeedScreen *screen = nullptr;
};

TEST_F(MemberPages, AFollowMadeOnAPageShowsInTheMembersOwnFollowsUntilItIsUndone)
{
    const std::shared_ptr<MemberCache> me = signIn();
    ASSERT_TRUE(me);
    ASSERT_EQ(me->memberid, kDemoMember);

    // A stranger's page: what the comment knew at once, the profile when it comes.
    MemberInfo known = member(kStranger);
    known.nickname = QStringLiteral("评论里的名字");
    QMUserView::showMember(window->rootViewController()->view(), known);
    QMUserView *page = topPage<QMUserView>();
    ASSERT_TRUE(page);
    EXPECT_EQ(page->geometry(), QMMemberPanel::kFrame);
    EXPECT_EQ(page->userInfoTableView()->geometry(), QMUserView::kUserInfoTableFrame);
    ASSERT_TRUE(settles(page));
    EXPECT_EQ(page->selectMemberInfo->memberid, kStranger);
    const QString nickname = page->selectMemberInfo->nickname;
    EXPECT_NE(nickname, known.nickname) << "the profile's own nickname";
    EXPECT_EQ(page->nicknameLabel()->text(), nickname);
    EXPECT_EQ(page->title(), nickname);
    EXPECT_EQ(page->positionLabel()->text(), "职位:" + page->selectMemberInfo->position);
    EXPECT_EQ(page->sexLabel()->text(), "性别：" + page->selectMemberInfo->sex);
    // The head picture comes through the image cache, never by waiting on the main thread.
    EXPECT_EQ(page->logoView()->imageUrl(), page->selectMemberInfo->logo);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page->logoView()->isLoading(); }, 15000));
    EXPECT_NE(page->logoView()->pixmap().toImage(),
              QMResourceImages::named(QStringLiteral("default.jpg")));
    ASSERT_TRUE(page->isLoginView()->isVisible());
    EXPECT_FALSE(page->attentionButton()->isTicked());
    EXPECT_FALSE(page->noAttentionButton()->isTicked());
    screenshot(QStringLiteral("member-page.png"));

    // Following ticks at once, before the service has answered.
    tap(page->attentionButton());
    EXPECT_TRUE(page->attentionButton()->isTicked());
    EXPECT_FALSE(page->noAttentionButton()->isTicked());
    EXPECT_EQ(answer(), "成功/关注成功！/ok");

    // The member's own page has nothing to follow, and the stranger among its follows.
    QMUserView::showMember(page, member(kDemoMember));
    QMUserView *own = topPage<QMUserView>();
    ASSERT_TRUE(own);
    ASSERT_NE(own, page);
    ASSERT_TRUE(settles(own));
    EXPECT_FALSE(own->isLoginView()->isVisible());
    tapRow(own->userInfoTableView(), 1);
    QMMyAttentionView *follows = topPage<QMMyAttentionView>();
    ASSERT_TRUE(follows);
    EXPECT_EQ(follows->title(), own->selectMemberInfo->nickname + "关注的");
    ASSERT_TRUE(settles(follows));
    ASSERT_FALSE(follows->myAttentionArray().isEmpty());
    EXPECT_EQ(follows->myAttentionArray().first()->relatedid, kStranger) << "newest first";
    EXPECT_EQ(follows->myAttentionArray().first()->name, nickname);

    // Its name opens the stranger's page again, where the follow is undone.
    tap(follows->nameButtonForRow(0));
    QMUserView *again = topPage<QMUserView>();
    ASSERT_TRUE(again);
    ASSERT_TRUE(settles(again));
    EXPECT_EQ(again->selectMemberInfo->memberid, kStranger);
    tap(again->noAttentionButton());
    EXPECT_FALSE(again->attentionButton()->isTicked());
    EXPECT_TRUE(again->noAttentionButton()->isTicked());
    EXPECT_EQ(answer(), "成功/已取消对此用户的关注！/ok");

    // Back one page at a time; the follows asked for again no longer hold the stranger.
    goBack(again);
    ASSERT_EQ(topPage<QMMyAttentionView>(), follows);
    follows->myAttentionList();
    ASSERT_TRUE(settles(follows));
    EXPECT_FALSE(names(follows->myAttentionArray()).contains(kStranger));
    goBack(follows);
    ASSERT_EQ(topPage<QMUserView>(), own);

    // "Ta发表的": the member's posts, each opening the post with its replies.
    tapRow(own->userInfoTableView(), 0);
    QMMyPublishView *posts = topPage<QMMyPublishView>();
    ASSERT_TRUE(posts);
    EXPECT_EQ(posts->title(), own->selectMemberInfo->nickname + "发表的");
    ASSERT_TRUE(settles(posts));
    ASSERT_FALSE(posts->myPublishArray().isEmpty());
    EXPECT_TRUE(posts->myPublishTableView()->rectForRow(0).height() >= 60);
    // Scrolled to its end, the list asks for a page more.
    const int asked = QMMyPublishView::kmyPublishCount().count();
    drag(posts->myPublishTableView(), QPoint(150, 380), QPoint(150, 60));
    ASSERT_TRUE(QTest::qWaitFor([&] { return isBusy(posts); }));
    ASSERT_TRUE(settles(posts));
    EXPECT_EQ(QMDataContext::CurrentDataContext()->userCommentListProvider()->maxnum, asked + 10);
    const std::shared_ptr<Comment> first = posts->myPublishArray().first();
    posts->myPublishTableView()->setContentOffset(QPoint());
    tapRow(posts->myPublishTableView(), 0);
    QMMySayInfoView *post = topPage<QMMySayInfoView>();
    ASSERT_TRUE(post);
    ASSERT_TRUE(settles(post));
    EXPECT_EQ(post->commentId, first->commentid);
    EXPECT_EQ(post->title(), first->nickname + "说：");
}

TEST_F(MemberPages, APostIsRepliedToAndRepostedFromItsPageAndEveryHeadOpensItsAuthor)
{
    const std::shared_ptr<MemberCache> me = signIn();
    ASSERT_TRUE(me);
    CommentAddRecorder written;
    QMCommentAddProvider *add = QMDataContext::CurrentDataContext()->commentAddProvider();
    add->memberEncode = me->memberEncode;
    add->body = QStringLiteral("今晚有人一起去看午夜场吗？");
    add->relatedid.clear();
    add->transferid.clear();
    add->type = 3;
    add->commentAddDelegate = &written;
    add->requestCommentAdd();
    ASSERT_TRUE(written.waitForCalls());
    ASSERT_EQ(written.successes, 1) << written.errorText().toStdString();
    const QList<std::shared_ptr<Comment>> mine = postsOf(kDemoMember);
    ASSERT_FALSE(mine.isEmpty());
    const std::shared_ptr<Comment> fresh = mine.first();
    ASSERT_EQ(fresh->body, add->body);

    QMMySayInfoView::showPost(window.get(), fresh->commentid);
    QMMySayInfoView *post = topPage<QMMySayInfoView>();
    ASSERT_TRUE(post);
    ASSERT_TRUE(settles(post));
    ASSERT_EQ(post->mySayInfoTableView()->numberOfRows(), 1) << "no replies: the post alone";
    EXPECT_EQ(post->title(), fresh->nickname + "说：");

    // "搭话": the reply's page, and after "搭话成功！" the reply under the post.
    tap(post->mySayInfoTableView()->accostButton());
    QMAccostView *reply = topPage<QMAccostView>();
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->selectComment()->commentid, fresh->commentid);
    const QString replyText = QStringLiteral("算我一个 & 带上爆米花");
    typeInto(reply->textView(), replyText);
    tap(reply->submitButton());
    EXPECT_EQ(answer(), "成功/搭话成功！/ok");
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return post->mySayInfoTableView()->numberOfRows() == 2; }, 15000));
    EXPECT_EQ(post->mySayInfoTableView()->rows().at(1)->body, replyText);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->findChild<QMAccostView *>(); }));
    ASSERT_TRUE(post->mySayInfoTableView()->bubbleForRow(1));
    screenshot(QStringLiteral("member-post.png"));

    // "转载": a re-post of this post, which then leads the member's posts.
    tap(post->mySayInfoTableView()->transshipmentButton());
    QMTransshipmentView *repost = topPage<QMTransshipmentView>();
    ASSERT_TRUE(repost);
    typeInto(repost->textView(), QStringLiteral("同去"));
    tap(repost->submitButton());
    EXPECT_EQ(answer(), "成功/转载成功！/ok");
    const QList<std::shared_ptr<Comment>> after = postsOf(kDemoMember);
    ASSERT_FALSE(after.isEmpty());
    EXPECT_EQ(after.first()->body, QStringLiteral("同去"));
    EXPECT_EQ(after.first()->transferid, fresh->commentid);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->findChild<QMTransshipmentView *>(); }));

    // The reply's head picture opens its author's page, and "对Ta说" writes to a member.
    QWidget *cell = post->mySayInfoTableView()->cellForRow(1);
    ASSERT_TRUE(cell);
    tap(cell->findChild<QMIndexButton *>());
    QMUserView *author = topPage<QMUserView>();
    ASSERT_TRUE(author);
    EXPECT_EQ(author->selectMemberInfo->memberid, kDemoMember);
    EXPECT_EQ(author->nicknameLabel()->text(), fresh->nickname) << "known before the profile";
    goBack(author);
    QMUserView::showMember(post, member(kStranger));
    QMUserView *stranger = topPage<QMUserView>();
    ASSERT_TRUE(stranger);
    ASSERT_TRUE(settles(stranger));
    tap(stranger->sayInfoButton());
    QMUserSayView *say = topPage<QMUserSayView>();
    ASSERT_TRUE(say);
    EXPECT_EQ(say->member()->memberid, kStranger);
    EXPECT_EQ(say->title(), "对" + stranger->selectMemberInfo->nickname + "说");
}

TEST_F(MemberPages, TheFeedAsksForAnotherAreaFromItsFirstPageAndOpensPostsAndAuthors)
{
    ASSERT_TRUE(signIn());
    QMAttentionListView *feed = screen->feed;
    ASSERT_TRUE(feed);
    feed->attentionList();
    ASSERT_TRUE(settles(feed));
    QMMyInterestCommentProvider *provider =
        QMDataContext::CurrentDataContext()->myInterestCommentProvider();
    EXPECT_EQ(provider->memberid, kDemoMember);
    EXPECT_EQ(provider->type, 0u);
    EXPECT_EQ(provider->maxnum, 10);

    // Paged far in one area, then over to "同一城市" with the arrow: one page again.
    QMAttentionListView::kattentionCount().setCount(40);
    feed->attentionList();
    ASSERT_TRUE(settles(feed));
    EXPECT_EQ(provider->maxnum, 40);
    tap(feed->areaSwitcher()->rightButton());
    ASSERT_TRUE(QTest::qWaitFor([&] { return feed->squareType == 1; }));
    ASSERT_TRUE(settles(feed));
    tap(feed->areaSwitcher()->rightButton());
    ASSERT_TRUE(QTest::qWaitFor([&] { return feed->squareType == 2; }));
    ASSERT_TRUE(settles(feed));
    EXPECT_EQ(provider->type, 2u);
    EXPECT_EQ(QMMyInterestCommentProvider::areaName(provider->type), QStringLiteral("city"));
    EXPECT_EQ(provider->maxnum, 10);
    EXPECT_EQ(QMAttentionListView::kattentionCount().count(), 10);
    tap(feed->areaSwitcher()->rightButton()); // no fourth area
    QTest::qWait(400);
    EXPECT_EQ(feed->squareType, 2u);
    ASSERT_FALSE(feed->attentionArray().isEmpty()) << "the followed members post in the city";
    ASSERT_TRUE(feed->rowForPost(0));
    screenshot(QStringLiteral("member-feed.png"));

    // "你在干嘛" raises the status page from the bottom; it sinks again when left.
    tap(feed->whatIDoingButton());
    QMWhatIDoingView *status = topPage<QMWhatIDoingView>();
    ASSERT_TRUE(status);
    EXPECT_EQ(status->title(), QStringLiteral("你在干嘛"));
    goBack(status);

    // A swipe back settles on "我的周边" and asks for it.
    drag(feed->areaSwitcher()->scroller(), QPoint(20, 18), QPoint(100, 18));
    ASSERT_TRUE(QTest::qWaitFor([&] { return feed->squareType == 1; }));
    ASSERT_TRUE(settles(feed));
    EXPECT_EQ(provider->type, 1u);

    // The text opens the post, the head picture its author.
    ASSERT_FALSE(feed->attentionArray().isEmpty());
    const std::shared_ptr<Comment> shown = feed->attentionArray().first();
    tap(feed->rowForPost(0)->textButton());
    QMMySayInfoView *post = topPage<QMMySayInfoView>();
    ASSERT_TRUE(post);
    EXPECT_EQ(post->commentId, shown->commentid);
    ASSERT_TRUE(settles(post));
    goBack(post);
    EXPECT_FALSE(QMMemberPanel::topPanel(window.get()));
    tap(feed->rowForPost(0)->headButton());
    QMUserView *author = topPage<QMUserView>();
    ASSERT_TRUE(author);
    EXPECT_EQ(author->selectMemberInfo->memberid, shown->memberid);
}

TEST_F(MemberPages, OnlyAMembersNameInAFollowListOpensAPage)
{
    QMMyAttentionView *follows = new QMMyAttentionView(member(kDemoMember));
    QMMemberPanel::pushView(window.get(), follows);
    auto list = std::make_shared<CollectList>();
    const char *tags[] = {"cinema", "movie", "member"};
    for (const char *tag : tags) {
        auto follow = std::make_shared<Collect>();
        follow->tag = QLatin1String(tag);
        follow->relatedid = QStringLiteral("5003");
        follow->name = QLatin1String(tag);
        follow->time = QStringLiteral("2026-12-01 18:00:00");
        list->collectArray.append(follow);
    }
    list->collectArray.append(nullptr); // a hostile answer's empty element
    for (int i = 0; i < 200; ++i)       // and far more than was asked for
        list->collectArray.append(list->collectArray.at(2));
    follows->collectListProviderDidReceiveCollectList(nullptr, list);
    ASSERT_EQ(topPage<QMMyAttentionView>(), follows);
    ASSERT_EQ(follows->myAttentionTableView()->numberOfRows(),
              QMMyAttentionView::kmyAttentionCount().maxReturn());

    tap(follows->nameButtonForRow(0));
    tap(follows->nameButtonForRow(1));
    QTest::qWait(400);
    EXPECT_EQ(topPage<QMMemberPanel>(), follows) << "cinemas and films have no page";
    follows->selectUserInfo(50); // a row a reload took away
    EXPECT_EQ(topPage<QMMemberPanel>(), follows);

    tap(follows->nameButtonForRow(2));
    QMUserView *page = topPage<QMUserView>();
    ASSERT_TRUE(page);
    EXPECT_EQ(page->selectMemberInfo->memberid, QStringLiteral("5003"));
    EXPECT_FALSE(page->isLoginView()->isVisible()) << "signed out: nothing to follow with";
}

TEST_F(MemberPages, PagesOpenedBeforeTheirProfilesCameEachShowTheirOwnMember)
{
    // Both ask the one profile provider, which answers the last page that asked.
    QMUserView *first = QMUserView::showMember(window.get(), member(QStringLiteral("5003")));
    QMUserView *second = QMUserView::showMember(window.get(), member(QStringLiteral("5004")));
    ASSERT_TRUE(settles(first));
    ASSERT_TRUE(settles(second));
    EXPECT_EQ(first->selectMemberInfo->memberid, QStringLiteral("5003"));
    EXPECT_EQ(first->nicknameLabel()->text(), QStringLiteral("小雨"));
    EXPECT_EQ(second->selectMemberInfo->memberid, QStringLiteral("5004"));
    EXPECT_EQ(second->nicknameLabel()->text(), QStringLiteral("大熊"));
}

TEST_F(MemberPages, FailuresLeaveWhatIsShownAndAFollowThatFailsSaysSo)
{
    ASSERT_TRUE(signIn());
    QMDataProvider::setBaseAddressForTesting(QStringLiteral("http://127.0.0.1:1/shanghai/api/"));
    MemberInfo known = member(kStranger);
    known.nickname = QStringLiteral("阿杰");
    QMUserView::showMember(window.get(), known);
    QMUserView *page = topPage<QMUserView>();
    ASSERT_TRUE(page);
    ASSERT_TRUE(settles(page));
    EXPECT_EQ(page->nicknameLabel()->text(), known.nickname);
    EXPECT_FALSE(alert()) << "reading errors show nothing";

    tap(page->attentionButton());
    EXPECT_EQ(answer(), "错误/与后台通讯错误/ok");
    EXPECT_TRUE(page->attentionButton()->isTicked()) << "the ticks are not swapped back";

    QMMySayInfoView::showPost(page, QStringLiteral("7001"));
    QMMySayInfoView *post = topPage<QMMySayInfoView>();
    ASSERT_TRUE(post);
    ASSERT_TRUE(settles(post));
    EXPECT_EQ(post->mySayInfoTableView()->numberOfRows(), 0);
    EXPECT_FALSE(alert());
}

} // namespace
