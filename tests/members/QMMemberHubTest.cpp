#include "app/QMDataContext.h"
#include "comments/Comment.h"
#include "comments/QMReplyLabel.h"
#include "kit/QMActivityIndicatorView.h"
#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMIndexButton.h"
#include "kit/QMLabel.h"
#include "kit/QMNavigationBar.h"
#include "kit/QMNavigationController.h"
#include "kit/QMPageCounter.h"
#include "kit/QMScrollView.h"
#include "kit/QMTableView.h"
#include "kit/QMTextField.h"
#include "kit/QMWindow.h"
#include "members/Agenda.h"
#include "members/MemberCache.h"
#include "members/QMAtCommentView.h"
#include "members/QMLoginProvider.h"
#include "members/QMLoginViewController.h"
#include "members/QMMemberPanel.h"
#include "members/QMMySayInfoView.h"
#include "members/QMMemberInfoProvider.h"
#include "members/QMMyLiveView.h"
#include "members/QMMyQuelmaViewController.h"
#include "members/QMPizzaMapView.h"
#include "members/QMReceiveCommentView.h"
#include "members/QMResponsionListView.h"
#include "members/QMSendCommentView.h"
#include "members/QMTickButton.h"
#include "members/QMUpdatePhoneView.h"
#include "members/QMUserSetView.h"
#include "members/QMUserView.h"
#include "members/MemberInfo.h"
#include "net/QMDataProvider.h"
#include "services/QMGrayText.h"
#include "services/QMCachedImageView.h"
#include "services/QMImageCache.h"

#include "QMScreenTestCase.h"
#include "QMTestHttpServer.h"
#include "QMTestRecorders.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTest>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace {

// The member tab's stack in a real window against the real service, as the demo member.
class MemberHub : public QMScreenTestCase
{
protected:
    void SetUp() override
    {
        QMScreenTestCase::SetUp();
        // Built, not shown: a test opens the tab when the member would.
        hub = showStack(std::make_unique<QMMyQuelmaViewController>(), false);
        for (QMPageCounter *counter :
             {&QMSendCommentView::KsendCount(), &QMReceiveCommentView::KreceiveCount(),
              &QMAtCommentView::katCommentCount()})
            counter->setCount(QMPageCounter::kPageSize);
    }
    // The member opens the tab: the hub's view loads in the window.
    void open()
    {
        window->setRootViewController(stack.get());
        QTest::qWait(0);
    }
    static int requestsTo(const char *path)
    {
        return int(service->log().count(QLatin1String(path)));
    }
    // "title/message" of an alert.
    static std::string said(const QMAlertView *shown)
    {
        return shown ? (shown->title() + QLatin1Char('/') + shown->message()).toStdString()
                     : std::string("no alert");
    }
    static bool isChosen(const QMBarButton *button)
    {
        return !button->backgroundImage().isNull() && button->titleColor() == QColor(Qt::black);
    }
    // A finger drag that rests before lifting, so that nothing glides on.
    static void drag(QWidget *widget, QPoint from, QPoint to)
    {
        QTest::mousePress(widget, Qt::LeftButton, {}, from);
        for (int step = 1; step <= 8; ++step) {
            QTest::qWait(16);
            QTest::mouseMove(widget, from + (to - from) * step / 8);
        }
        QTest::qWait(120);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, to);
    }
    // Opens the settings and waits for the profile.
    QMUserSetView *openSettings()
    {
        click(hub->setButton());
        QMUserSetView *settings = hub->userSetView();
        EXPECT_EQ(hub->frontSection(), settings);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !isBusy(hub->view()); }, 15000));
        return settings;
    }

    QMMyQuelmaViewController *hub = nullptr;
};

TEST_F(MemberHub, SignedOutTheTabOffersOnlyTheSignInScreenThenTheSquare)
{
    open();
    auto *login = qobject_cast<QMLoginViewController *>(stack->topViewController());
    ASSERT_TRUE(login);
    EXPECT_EQ(hub->loginViewController(), login);
    EXPECT_FALSE(stack->isNavigationBarHidden()) << "the sign-in screen keeps its title";
    EXPECT_FALSE(stack->navigationBar()->backButton()->isVisible()) << "no way back";
    EXPECT_FALSE(hub->sectionBar()->isVisible());
    EXPECT_FALSE(hub->frontSection());

    // Nothing is shown, nor asked for, for nobody.
    hub->selectLive();
    EXPECT_EQ(stack->topViewController(), login);
    EXPECT_EQ(requestsTo("memberAgenda"), 0);

    typeInto(login->userNameField(), QStringLiteral("demo@example.com"));
    typeInto(login->passwordField(), QStringLiteral("wrong-password"));
    click(login->loginButton());
    ASSERT_TRUE(waitForAlert());
    EXPECT_EQ(said(alert()), "错误/用户名或密码错误");
    alert()->clickButton();
    EXPECT_EQ(stack->topViewController(), login) << "still no way in";

    typeInto(login->passwordField(), QStringLiteral("demo123"));
    click(login->loginButton());
    ASSERT_TRUE(QTest::qWaitFor([&] { return stack->topViewController() == hub; }, 15000));
    EXPECT_FALSE(alert()) << said(alert());
    ASSERT_TRUE(hub->selectMember);
    EXPECT_EQ(hub->selectMember->memberid, QStringLiteral("5001"));
    EXPECT_TRUE(hub->sectionBar()->isVisible());
    EXPECT_TRUE(stack->isNavigationBarHidden()) << "the sections' bar takes its place";
    EXPECT_EQ(hub->frontSection(), hub->pizzaMapView()) << "the square in front";
    EXPECT_TRUE(isChosen(hub->piazzaButton()));
    for (QMBarButton *other :
         {hub->attentionButton(), hub->restoreButton(), hub->setButton(), hub->liveButton()})
        EXPECT_FALSE(isChosen(other)) << other->text().toStdString();
}

TEST_F(MemberHub, TheSectionsAnswerBeforeTheTabWasEverOpened)
{
    signIn();
    // The screening choice adds a plan and asks for the plans, the tab never opened.
    ASSERT_FALSE(hub->isViewLoaded());
    hub->selectMap();
    hub->selectLive();
    EXPECT_EQ(hub->frontSection(), hub->myLiveView());
    EXPECT_TRUE(isChosen(hub->liveButton()));
    EXPECT_FALSE(isChosen(hub->piazzaButton()));
    QMMyLiveView *plans = hub->myLiveView();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !plans->myLiveArray().isEmpty(); }, 15000));
    EXPECT_FALSE(isBusy(hub->view()));

    open();
    EXPECT_EQ(stack->viewControllers().size(), 1) << "no sign-in screen for a member";
    EXPECT_EQ(hub->frontSection(), plans);
    // The demo member's three plans of this week, when and what.
    ASSERT_EQ(plans->myLiveArray().size(), 3);
    const QRegularExpression when(QStringLiteral("^\\d{1,2}月\\d{1,2}日 \\d\\d:\\d\\d$"));
    for (int row = 0; row < 3; ++row) {
        QWidget *cell = plans->liveTableView()->cellForRow(row);
        ASSERT_TRUE(cell);
        EXPECT_EQ(cell->height(), QMMyLiveView::kRowHeight);
        const QList<QMLabel *> labels = cell->findChildren<QMLabel *>();
        ASSERT_EQ(labels.size(), 2);
        EXPECT_TRUE(when.match(labels[0]->text()).hasMatch()) << labels[0]->text().toStdString();
        EXPECT_TRUE(labels[1]->text().startsWith(QStringLiteral("在"))) << "where and what";
    }
    EXPECT_FALSE(plans->emptyLabel()->isVisible());
}

TEST_F(MemberHub, PlansAskedForFromElsewhereLeaveAnOlderSignInScreenBehind)
{
    open();
    ASSERT_TRUE(hub->loginViewController());
    // The member signs in on another tab's screen, then adds a plan there.
    signIn();
    hub->selectMap();
    hub->selectLive();
    ASSERT_TRUE(QTest::qWaitFor([&] { return stack->topViewController() == hub; }));
    EXPECT_FALSE(hub->loginViewController());
    EXPECT_EQ(hub->frontSection(), hub->myLiveView());
    EXPECT_TRUE(stack->isNavigationBarHidden());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !hub->myLiveView()->myLiveArray().isEmpty(); }, 15000));
}

TEST_F(MemberHub, APlanReadsAsDayAndTimeWithItsWordsSpacedOut)
{
    Agenda plan;
    plan.time = QStringLiteral("2011-03-05 19:30");
    plan.body = QStringLiteral("  在 大光明\t看《无间道》 \n");
    EXPECT_EQ(QMMyLiveView::timeText(plan), QStringLiteral("3月5日 19:30"));
    EXPECT_EQ(QMMyLiveView::bodyText(plan), QStringLiteral("在   大光明  看《无间道》"));
    plan.time = QStringLiteral("tonight");
    EXPECT_EQ(QMMyLiveView::timeText(plan), QStringLiteral("tonight")) << "kept as it came";

    QMMyLiveView view;
    view.show();
    view.setMyLiveArray({});
    EXPECT_TRUE(view.emptyLabel()->isVisible());
    view.setMyLiveArray({std::make_shared<Agenda>(plan), nullptr});
    EXPECT_EQ(view.myLiveArray().size(), 1);
    EXPECT_FALSE(view.emptyLabel()->isVisible());
}

TEST_F(MemberHub, SettingsShowTheProfileWithTheHeadPictureArrivingLater)
{
    signIn();
    open();
    QMUserSetView *settings = openSettings();
    EXPECT_FALSE(alert()) << said(alert());
    EXPECT_FALSE(settings->nicknameLabel()->text().isEmpty());
    EXPECT_TRUE(settings->balanceLabel()->text().endsWith(QStringLiteral("元")));
    EXPECT_TRUE(settings->pointLabel()->text().startsWith(QStringLiteral("积分：")));
    EXPECT_EQ(settings->emailLabel()->text(), QStringLiteral("E-Mail：de**@example.com"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^手机号码：1\\d\\d\\*{4}\\d{4}$"))
                    .match(settings->mobileLabel()->text())
                    .hasMatch())
        << settings->mobileLabel()->text().toStdString();
    EXPECT_NE(settings->isManTicked(), settings->isWomanTicked());

    // The head picture comes through the image cache.
    ASSERT_TRUE(settings->memberInfo());
    const QString logo = settings->memberInfo()->logo;
    EXPECT_FALSE(logo.isEmpty());
    EXPECT_EQ(settings->headView()->imageUrl(), logo);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !settings->headView()->isLoading(); }, 15000));

    // Another member's profile answered to the hub (the member pages share the provider) does
    // not take the member's place.
    const QString nickname = settings->nicknameLabel()->text();
    MemberInfoRecorder elsewhere;
    QMMemberInfoProvider *profiles = QMDataContext::CurrentDataContext()->memberInfoProvider();
    profiles->memberInfoProvieDelegate = &elsewhere;
    profiles->memberid = QStringLiteral("5002");
    profiles->requestMemberInfo();
    profiles->memberInfoProvieDelegate = hub;
    ASSERT_TRUE(QTest::qWaitFor([&] { return requestsTo("memberInfo") >= 2; }, 15000));
    QTest::qWait(200);
    EXPECT_EQ(settings->nicknameLabel()->text(), nickname);

    // Never fetched on the spot: a picture not in the cache is waited for, here in vain.
    auto other = std::make_shared<MemberInfo>(*settings->memberInfo());
    other->logo.replace(QStringLiteral("u5001"), QStringLiteral("u999999"));
    settings->setMemberInfo(other);
    EXPECT_TRUE(settings->headView()->isLoading());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !settings->headView()->isLoading(); }, 15000));
    // A profile without a picture of its own keeps the placeholder.
    other->logo.clear();
    settings->setMemberInfo(other);
    EXPECT_FALSE(settings->headView()->isLoading());
    EXPECT_TRUE(settings->headView()->imageUrl().isEmpty());
}

TEST_F(MemberHub, TheChosenSexIsTickedAtOnceAndTheOtherUntickedWhenKept)
{
    signIn();
    open();
    QMUserSetView *settings = openSettings();
    const bool wasWoman = settings->isWomanTicked();
    QMTickButton *other =
        wasWoman ? settings->relatingManButton() : settings->relatingWomanButton();
    QMTickButton *own = wasWoman ? settings->relatingWomanButton() : settings->relatingManButton();
    const int saves = requestsTo("saveMemberInfo");

    click(own);
    EXPECT_FALSE(isBusy(settings)) << "the sex it has is not sent again";
    click(other);
    EXPECT_TRUE(settings->isManTicked() && settings->isWomanTicked()) << "ticked at once";
    EXPECT_TRUE(isBusy(settings));
    click(own); // ignored while the change is on its way
    ASSERT_TRUE(QTest::qWaitFor([&] { return !isBusy(settings); }, 15000));
    EXPECT_EQ(settings->isWomanTicked(), !wasWoman);
    EXPECT_EQ(settings->isManTicked(), wasWoman) << "the other one unticked when kept";
    EXPECT_EQ(requestsTo("saveMemberInfo"), saves + 1);

    // The service kept it.
    settings = openSettings();
    EXPECT_EQ(settings->isWomanTicked(), !wasWoman);

    // A failed transfer says so, and the ticks tell the sex the member still has.
    QMDataProvider::setBaseAddressForTesting(QStringLiteral("http://127.0.0.1:1/shanghai/api/"));
    click(own);
    ASSERT_TRUE(waitForAlert());
    EXPECT_EQ(said(alert()), "错误/与后台通讯错误");
    alert()->clickButton();
    EXPECT_EQ(settings->isWomanTicked(), !wasWoman);
    EXPECT_EQ(settings->isManTicked(), wasWoman);
    EXPECT_FALSE(isBusy(settings));

    // An acknowledgement that is not "ture" kept nothing: the same.
    QMTestHttpServer refusing;
    refusing.setAnswer(QStringLiteral("/shanghai/api/MyQuel/saveMemberInfo.xhtml"),
                       {200, "<data><result>false</result></data>"});
    QMDataProvider::setBaseAddressForTesting(refusing.baseUrl());
    click(own);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !isBusy(settings); }, 15000));
    EXPECT_FALSE(alert()) << said(alert());
    EXPECT_EQ(settings->isWomanTicked(), !wasWoman);
    EXPECT_EQ(settings->isManTicked(), wasWoman);

    QMDataProvider::setBaseAddressForTesting(service->baseUrl());
    click(own);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !isBusy(settings); }, 15000));
    EXPECT_EQ(settings->isWomanTicked(), wasWoman) << "back as it was";
}

TEST_F(MemberHub, APhoneNumberIsSentOnlyWithElevenCharacters)
{
    signIn();
    open();
    QMUserSetView *settings = openSettings();
    click(settings->updatePhoneButton());
    QPointer<QMUpdatePhoneView> editor = settings->updatePhoneView();
    ASSERT_TRUE(editor);
    ASSERT_TRUE(QTest::qWaitFor([&] { return editor->pos() == QPoint(0, 0); }));
    const int saves = requestsTo("saveMemberInfo");

    for (const QString &wrong :
         {QStringLiteral("1391234567"), QStringLiteral("139123456789"), QString()}) {
        typeInto(editor->phoneText(), wrong);
        click(editor->confirmButton());
        ASSERT_TRUE(alert()) << wrong.size();
        EXPECT_EQ(said(alert()), "错误/请输入正确的手机号码!");
        alert()->clickButton();
    }
    EXPECT_FALSE(isBusy(editor));
    QTest::qWait(50);
    EXPECT_EQ(requestsTo("saveMemberInfo"), saves) << "nothing sent";

    typeInto(editor->phoneText(), QStringLiteral("13912345670"));
    click(editor->confirmButton());
    EXPECT_TRUE(isBusy(editor));
    EXPECT_FALSE(editor->phoneText()->hasFocus());
    ASSERT_TRUE(waitForAlert());
    EXPECT_EQ(said(alert()), "成功/修改手机号成功！");
    EXPECT_TRUE(editor) << "open until the member has read it";
    alert()->clickButton();
    // The editor goes and the profile is asked for again.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !editor; }));
    EXPECT_EQ(hub->frontSection(), settings);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return settings->mobileLabel()->text() == QStringLiteral("手机号码：139****5670"); },
        15000))
        << settings->mobileLabel()->text().toStdString();

    // Giving up closes it and changes nothing.
    click(settings->updatePhoneButton());
    editor = settings->updatePhoneView();
    ASSERT_TRUE(editor);
    typeInto(editor->phoneText(), QStringLiteral("13700000000"));
    click(editor->cancelButton());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !editor; }));
    QTest::qWait(300);
    EXPECT_EQ(settings->mobileLabel()->text(), QStringLiteral("手机号码：139****5670"));
}

TEST_F(MemberHub, ReplyListsGrowAPageAtATimeAndOfferMoreOnlyAfterAFullPage)
{
    signIn();
    open();
    click(hub->restoreButton());
    QMResponsionListView *replies = hub->responsionListView();
    EXPECT_EQ(hub->frontSection(), replies);
    EXPECT_EQ(replies->currentPage(), QMResponsionListView::SendPage);
    QMSendCommentView *sent = replies->sendCommentView();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sent->sendCommentArray().isEmpty(); }, 15000));
    EXPECT_FALSE(isBusy(sent));

    // The demo member wrote more than a page of replies: a full first page, with more to come.
    EXPECT_EQ(sent->sendCommentArray().size(), 10);
    sent->tableView()->scrollToRow(10, QMTableView::ScrollPosition::Bottom, false);
    ASSERT_TRUE(sent->moreButton());
    EXPECT_TRUE(sent->moreButton()->isVisible());
    sent->tableView()->scrollToRow(0, QMTableView::ScrollPosition::Top, false);
    QMReplyLabel *bubble = sent->bubbleForRow(0);
    ASSERT_TRUE(bubble);
    const Comment &first = *sent->sendCommentArray().first();
    EXPECT_EQ(bubble->name()->text(), first.nickname);
    ASSERT_TRUE(bubble->grayText());
    EXPECT_EQ(bubble->grayText()->reply()->toPlainText(),
              QStringLiteral("搭话 %1 的叽喳: %2").arg(first.commentnickname, first.commentbody));

    sent->tableView()->scrollToRow(10, QMTableView::ScrollPosition::Bottom, false);
    ASSERT_TRUE(sent->moreButton());
    click(sent->moreButton());
    EXPECT_EQ(QMSendCommentView::KsendCount().count(), 20);
    ASSERT_TRUE(QTest::qWaitFor([&] { return sent->sendCommentArray().size() > 10; }, 15000));
    const int count = int(sent->sendCommentArray().size());
    EXPECT_LT(count, 20) << "the seed's demo member wrote less than two pages";
    sent->tableView()->scrollToRow(count, QMTableView::ScrollPosition::Bottom, false);
    ASSERT_TRUE(sent->moreButton());
    EXPECT_FALSE(sent->moreButton()->isVisible()) << "nothing more after a short page";
    EXPECT_FALSE(sent->moreButton()->isEnabled());

    // Pulled at its end, a list that had less than a page asks for nothing more.
    const int sends = requestsTo("sendComment");
    QMTableView *table = sent->tableView();
    drag(table, QPoint(160, 250), QPoint(160, 120));
    QTest::qWait(400);
    EXPECT_EQ(QMSendCommentView::KsendCount().count(), 20);
    EXPECT_EQ(requestsTo("sendComment"), sends);
    EXPECT_FALSE(alert()) << said(alert());

    // A reply's text opens the post it answered, its head picture the author's page.
    table->scrollToRow(0, QMTableView::ScrollPosition::Top, false);
    const std::shared_ptr<Comment> reply = sent->sendCommentArray().first();
    ASSERT_TRUE(sent->textButtonForRow(0));
    click(sent->textButtonForRow(0));
    auto *post = qobject_cast<QMMySayInfoView *>(QMMemberPanel::topPanel(window.get()));
    ASSERT_TRUE(post);
    EXPECT_EQ(post->commentId, reply->commentid);
    post->doReturn();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !QMMemberPanel::topPanel(window.get()); }));
    click(sent->headButtonForRow(0));
    auto *author = qobject_cast<QMUserView *>(QMMemberPanel::topPanel(window.get()));
    ASSERT_TRUE(author);
    ASSERT_TRUE(author->selectMemberInfo);
    EXPECT_EQ(author->selectMemberInfo->memberid, reply->memberid);
    author->doReturn();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !QMMemberPanel::topPanel(window.get()); }));

    // The received replies, by their title.
    click(replies->pageButton(QMResponsionListView::ReceivePage));
    EXPECT_EQ(replies->currentPage(), QMResponsionListView::ReceivePage);
    QMReceiveCommentView *received = replies->receiveCommentView();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !received->receiveCommentArray().isEmpty(); }, 15000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !replies->pager()->isDecelerating(); }));
    EXPECT_EQ(replies->pager()->contentOffset(), QPoint(320, 0));
    bubble = received->bubbleForRow(0);
    ASSERT_TRUE(bubble && bubble->grayText());
    EXPECT_TRUE(
        bubble->grayText()->reply()->toPlainText().startsWith(QStringLiteral("搭话我的叽喳: ")));

    // The mentions, by the arrow; their rows carry no line about an answered post.
    click(replies->rightButton());
    EXPECT_EQ(replies->currentPage(), QMResponsionListView::AtPage);
    EXPECT_FALSE(replies->rightButton()->isEnabled());
    QMAtCommentView *mentions = replies->atCommentView();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !mentions->atCommentArray().isEmpty(); }, 15000));
    for (const auto &mention : mentions->atCommentArray())
        EXPECT_TRUE(mention->body.contains(QLatin1Char('@'))) << mention->body.toStdString();

    // A swipe back settles on the received replies and asks for them again.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !replies->pager()->isDecelerating(); }));
    const int receives = requestsTo("receiveComment");
    drag(replies->pager(), QPoint(40, 200), QPoint(280, 200));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !replies->pager()->isDecelerating(); }));
    EXPECT_EQ(replies->currentPage(), QMResponsionListView::ReceivePage);
    ASSERT_TRUE(QTest::qWaitFor([&] { return requestsTo("receiveComment") == receives + 1; }));
}

} // namespace
