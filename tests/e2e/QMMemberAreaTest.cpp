#include "app/QMDataContext.h"
#include "app/QMMainAppDelegate.h"
#include "cinemas/MpiList.h"
#include "cinemas/QMMovieToFSCProvider.h"
#include "films/QMMovieViewController.h"
#include "members/Agenda.h"
#include "kit/QMActivityIndicatorView.h"
#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMLabel.h"
#include "kit/QMNavigationController.h"
#include "kit/QMTabBarController.h"
#include "kit/QMTextField.h"
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
#include "ticketing/QMMovieBuyTicketViewController.h"

#include "QMAppTestCase.h"
#include "QMTestRecorders.h"

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
    // Let the head pictures come in before the picture is taken.
    QTest::qWait(500);
    screenshot(QStringLiteral("member-replies.png"));

    // After a restart the member signs in again, and the profile shows both changes.
    relaunch();
    signInOnTheMemberTab();
    settings = openSettings();
    EXPECT_EQ(settings->mobileLabel()->text(), QStringLiteral("手机号码：136****5678"));
    EXPECT_EQ(settings->isWomanTicked(), !wasWoman);
    EXPECT_EQ(settings->isManTicked(), wasWoman);
}

} // namespace
