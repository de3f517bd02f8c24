#include "app/QMDataContext.h"
#include "app/QMMainAppDelegate.h"
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
#include "members/QMResponsionListView.h"
#include "members/QMSendCommentView.h"
#include "members/QMUpdatePhoneView.h"
#include "members/QMUserSetView.h"
#include "net/QMDataProvider.h"
#include "services/QMResourceImages.h"

#include "QMAppTestCase.h"

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

TEST_F(MemberArea, TheDemoMembersProfilePlansAndRepliesThroughTheTab)
{
    signInOnTheMemberTab();
    screenshot(QStringLiteral("member-square.png"));

    // Settings: a new mobile number and the other sex.
    QMUserSetView *settings = openSettings();
    const QImage placeholder = QMResourceImages::named(QStringLiteral("default.jpg"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return settings->headImage() != placeholder; }, 15000));
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
