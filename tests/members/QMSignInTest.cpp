#include "app/QMDataContext.h"
#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMNavigationBar.h"
#include "kit/QMNavigationItem.h"
#include "kit/QMTextField.h"
#include "members/MemberCache.h"
#include "members/QMLoginProvider.h"
#include "members/QMLoginViewController.h"
#include "members/QMRegisterViewController.h"
#include "members/QMSignInGate.h"
#include "net/QMDataProvider.h"

#include "QMScreenTestCase.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A screen with something to do for a member, put through the gate as later screens will.
class MemberScreen : public QMViewController
{
public:
    MemberScreen() { setTitle(QStringLiteral("影片介绍")); }
    QMSignInGate gate{this};
    int runs = 0;
    void act()
    {
        gate.requireMember([this] { ++runs; });
    }
    void act(QMSignInGate::Options options)
    {
        gate.requireMember([this] { ++runs; }, options);
    }
};

// The screens against the real service, as the demo member of its seed.
class SignIn : public QMScreenTestCase
{
protected:
    void SetUp() override
    {
        QMScreenTestCase::SetUp();
        screen = showStack(std::make_unique<MemberScreen>());
    }

    // The client starts again: the member is signed out, the remembered sign-in stays.
    static void restart()
    {
        QMDataContext::CloseDataContext();
        QMDataProvider::CloseDataProvider();
    }
    static QMLoginProvider *loginProvider()
    {
        return QMDataContext::CurrentDataContext()->loginProvider();
    }

    // Signs in from the sign-in screen as a member would and waits for the answer.
    void signInFrom(QMLoginViewController *login, const QString &name, const QString &password)
    {
        typeInto(login->userNameField(), name);
        typeInto(login->passwordField(), password);
        click(login->loginButton());
        EXPECT_TRUE(isBusy(login));
        EXPECT_FALSE(login->userNameField()->hasFocus()) << "signing in ends editing";
        // Signed in, the screen goes (and is deleted) at once when it pops without animation.
        QPointer<QMLoginViewController> watched = login;
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return !watched || !isBusy(watched) || alert(); }, 15000));
    }
    MemberScreen *screen = nullptr;
};

TEST_F(SignIn, SignedOutTheActionWaitsForTheSignInScreenAndRunsOnceAfterIt)
{
    screen->act();
    EXPECT_EQ(screen->runs, 0);
    QMLoginViewController *login = top<QMLoginViewController>();
    ASSERT_TRUE(login);
    EXPECT_TRUE(screen->gate.isWaiting());
    EXPECT_EQ(stack->navigationBar()->titleLabel()->text(), QStringLiteral("登陆奎玛"));
    EXPECT_TRUE(stack->navigationBar()->backButton()->isVisible());
    EXPECT_TRUE(login->userNameField()->text().isEmpty()) << "nothing remembered yet";
    EXPECT_EQ(login->userNameField()->keyboardType(), QMTextField::KeyboardType::EmailAddress);
    EXPECT_TRUE(login->passwordField()->isSecureTextEntry());
    typeInto(login->userNameField(), QStringLiteral("demo@example.com"));
    typeInto(login->passwordField(), QStringLiteral("demo123"));
    screenshot(QStringLiteral("login.png"));

    QPointer<QMLoginViewController> watched = login;
    signInFrom(login, QStringLiteral("demo@example.com"), QStringLiteral("demo123"));
    ASSERT_FALSE(alert()) << said(alert());
    EXPECT_EQ(screen->runs, 1);
    EXPECT_EQ(top<QMViewController>(), screen) << "back on the screen that asked";
    EXPECT_TRUE(isLogged());
    ASSERT_TRUE(loginProvider()->loginMemeber);
    EXPECT_FALSE(loginProvider()->loginMemeber->memberEncode.isEmpty());
    flush();
    EXPECT_TRUE(watched.isNull());

    screen->act();
    EXPECT_EQ(screen->runs, 2) << "signed in, the action runs at once";
    EXPECT_EQ(stack->viewControllers().size(), 1);
}

TEST_F(SignIn, LeavingTheSignInScreenDropsTheActionForGood)
{
    screen->act();
    ASSERT_TRUE(top<QMLoginViewController>());
    click(stack->navigationBar()->backButton());
    ASSERT_EQ(top<QMViewController>(), screen);
    flush();
    EXPECT_FALSE(screen->gate.isWaiting());

    // A sign-in sent without naming who hears it: the gate may still be the provider's delegate.
    QMLoginProvider *provider = loginProvider();
    provider->username = QStringLiteral("demo@example.com");
    provider->password = QStringLiteral("demo123");
    provider->requestLogin();
    // The flag is set in the same call that tells the delegate.
    ASSERT_TRUE(QTest::qWaitFor([] { return isLogged(); }, 15000));
    EXPECT_EQ(screen->runs, 0);

    // A later sign-in on a sign-in screen nobody is waiting for.
    stack->push(std::make_unique<QMLoginViewController>(), false);
    auto *login = top<QMLoginViewController>();
    ASSERT_TRUE(login);
    signInFrom(login, QStringLiteral("demo@example.com"), QStringLiteral("demo123"));
    EXPECT_TRUE(isLogged());
    ASSERT_TRUE(login->loginuser()) << "that screen heard its own answer";
    EXPECT_EQ(top<QMViewController>(), login) << "and stays";
    EXPECT_EQ(screen->runs, 0) << "the dropped action never runs";
}

TEST_F(SignIn, AnActionAskedForWhileTheLeftSignInScreenSlidesAwayStillRuns)
{
    screen->act();
    ASSERT_TRUE(top<QMLoginViewController>());
    click(stack->navigationBar()->backButton());
    screen->act(); // the screen's button, touched during the slide
    QMLoginViewController *login = top<QMLoginViewController>();
    ASSERT_TRUE(login);
    flush(); // the first sign-in screen is gone by now
    signInFrom(login, QStringLiteral("demo@example.com"), QStringLiteral("demo123"));
    EXPECT_FALSE(alert()) << said(alert());
    EXPECT_EQ(screen->runs, 1);
}

TEST_F(SignIn, AFailedSignInKeepsTheSignInScreenUpWithTheServicesWords)
{
    screen->act({.hidesBackButton = true, .animated = false});
    QMLoginViewController *login = top<QMLoginViewController>();
    ASSERT_TRUE(login);
    EXPECT_FALSE(stack->navigationBar()->backButton()->isVisible()) << "no way back";

    signInFrom(login, QStringLiteral("demo@example.com"), QStringLiteral("wrong-password"));
    ASSERT_TRUE(waitForAlert());
    EXPECT_EQ(said(alert()), "错误/用户名或密码错误/ok");
    EXPECT_FALSE(isBusy(login));
    EXPECT_FALSE(isLogged());
    EXPECT_EQ(top<QMViewController>(), login);
    EXPECT_EQ(login->passwordField()->text(), QStringLiteral("wrong-password")) << "kept";
    EXPECT_EQ(screen->runs, 0);
    alert()->clickButton();

    signInFrom(login, QStringLiteral("13800138000"), QStringLiteral("demo123"));
    EXPECT_FALSE(alert()) << said(alert());
    EXPECT_EQ(screen->runs, 1) << "a mobile number signs in too";
    EXPECT_EQ(top<QMViewController>(), screen);
}

TEST_F(SignIn, EmptyFieldsAreStillSent)
{
    screen->act();
    QMLoginViewController *login = top<QMLoginViewController>();
    ASSERT_TRUE(login);
    click(login->loginButton());
    ASSERT_TRUE(waitForAlert());
    // The service's answer to a sign-in without name and password.
    EXPECT_EQ(said(alert()), "错误/请输入用户名和密码/ok");
    EXPECT_TRUE(loginProvider()->username.isEmpty());
    EXPECT_TRUE(loginProvider()->password.isEmpty());
    EXPECT_TRUE(service->log().contains(QStringLiteral("login.xhtml")));
    EXPECT_FALSE(isBusy(login));
}

TEST_F(SignIn, AfterARestartTheFieldsShowTheLastSuccessfulSignIn)
{
    screen->act({.hidesBackButton = false, .animated = false});
    QMLoginViewController *login = top<QMLoginViewController>();
    ASSERT_TRUE(login);
    signInFrom(login, QStringLiteral("13800138000"), QStringLiteral("demo123"));
    ASSERT_TRUE(isLogged());

    restart();
    EXPECT_FALSE(isLogged()) << "the member itself is not remembered";
    screen->act();
    login = top<QMLoginViewController>();
    ASSERT_TRUE(login);
    EXPECT_EQ(login->userNameField()->text(), QStringLiteral("13800138000"));
    EXPECT_EQ(login->passwordField()->text(), QStringLiteral("demo123"));

    signInFrom(login, QStringLiteral("13800138000"), QStringLiteral("not-it"));
    ASSERT_TRUE(waitForAlert());
    alert()->clickButton();
    click(stack->navigationBar()->backButton());
    ASSERT_EQ(top<QMViewController>(), screen);
    restart();
    screen->act();
    login = top<QMLoginViewController>();
    ASSERT_TRUE(login);
    EXPECT_EQ(login->passwordField()->text(), QStringLiteral("demo123"))
        << "a failed sign-in is not remembered";
}

TEST_F(SignIn, ReturnInAnyFieldOnlyEndsEditing)
{
    screen->act();
    QMLoginViewController *login = top<QMLoginViewController>();
    ASSERT_TRUE(login);
    for (QMTextField *field : {login->userNameField(), login->passwordField()}) {
        typeInto(field, QStringLiteral("typed@example.com"));
        ASSERT_TRUE(field->hasFocus());
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_FALSE(field->hasFocus());
        EXPECT_EQ(field->inputMethodQuery(Qt::ImEnterKeyType).toInt(), Qt::EnterKeyGo);
    }
    EXPECT_FALSE(isBusy(login)) << "nothing was sent";
    EXPECT_TRUE(loginProvider()->username.isEmpty());

    click(login->registerButton());
    auto *signUp = top<QMRegisterViewController>();
    ASSERT_TRUE(signUp);
    for (QMTextField *field :
         {signUp->emailField(), signUp->passwordField(), signUp->nicknameField()}) {
        typeInto(field, QStringLiteral("abc"));
        QTest::keyClick(field, Qt::Key_Enter);
        EXPECT_FALSE(field->hasFocus());
    }
    EXPECT_FALSE(isBusy(signUp));
    EXPECT_FALSE(alert()) << said(alert());
}

TEST_F(SignIn, RegistrationReturnsToTheSignInScreenWithoutSigningIn)
{
    screen->act();
    QMLoginViewController *login = top<QMLoginViewController>();
    ASSERT_TRUE(login);
    click(login->registerButton());
    auto *signUp = top<QMRegisterViewController>();
    ASSERT_TRUE(signUp);
    EXPECT_EQ(stack->navigationBar()->titleLabel()->text(), QStringLiteral("注册奎玛帐号"));
    EXPECT_EQ(stack->navigationBar()->backButton()->text(), QStringLiteral("返回"));
    typeInto(signUp->emailField(), QStringLiteral("newcomer@example.com"));
    typeInto(signUp->passwordField(), QStringLiteral("secret12"));
    typeInto(signUp->nicknameField(), QStringLiteral("newcomer"));
    screenshot(QStringLiteral("register.png"));

    click(signUp->registerButton());
    EXPECT_TRUE(isBusy(signUp));
    ASSERT_TRUE(waitForAlert());
    EXPECT_EQ(said(alert()), "成功/注册成功!/ok");
    EXPECT_EQ(top<QMViewController>(), login) << "back to signing in";
    EXPECT_FALSE(isLogged());
    EXPECT_TRUE(QMDataProvider::DataProvider()->isRegistered());
    EXPECT_TRUE(login->userNameField()->text().isEmpty()) << "the new e-mail is not copied";
    EXPECT_EQ(screen->runs, 0);
    alert()->clickButton();

    signInFrom(login, QStringLiteral("newcomer@example.com"), QStringLiteral("secret12"));
    EXPECT_FALSE(alert()) << said(alert());
    EXPECT_EQ(screen->runs, 1) << "the new member signs in as any other";
}

TEST_F(SignIn, ARefusedOrIncompleteRegistrationKeepsWhatWasTyped)
{
    screen->act({.hidesBackButton = false, .animated = false});
    ASSERT_TRUE(top<QMLoginViewController>());
    click(top<QMLoginViewController>()->registerButton());
    auto *signUp = top<QMRegisterViewController>();
    ASSERT_TRUE(signUp);
    typeInto(signUp->emailField(), QStringLiteral("demo@example.com"));
    typeInto(signUp->passwordField(), QStringLiteral("secret12"));
    typeInto(signUp->nicknameField(), QStringLiteral("twin"));
    click(signUp->registerButton());
    ASSERT_TRUE(waitForAlert());
    EXPECT_EQ(said(alert()), "错误/该邮箱已被注册/ok");
    EXPECT_FALSE(isBusy(signUp));
    EXPECT_EQ(top<QMViewController>(), signUp);
    EXPECT_EQ(signUp->nicknameField()->text(), QStringLiteral("twin"));
    alert()->clickButton();

    // Nothing would be sent without a nickname, and so no answer would ever come.
    typeInto(signUp->nicknameField(), QString());
    click(signUp->registerButton());
    EXPECT_EQ(said(alert()), "提示/请填写电子邮箱、密码和昵称/ok");
    EXPECT_FALSE(isBusy(signUp)) << "no busy indicator left turning";
    EXPECT_EQ(signUp->emailField()->text(), QStringLiteral("demo@example.com"));
}

TEST_F(SignIn, TheAnswerGoesToTheScreenWhoseSignInScreenSentIt)
{
    // Another tab: its own stack, its own screen waiting for a member.
    auto otherRoot = std::make_unique<MemberScreen>();
    MemberScreen *other = otherRoot.get();
    QMNavigationController otherStack(std::move(otherRoot));
    otherStack.view();

    screen->act();
    QMLoginViewController *login = top<QMLoginViewController>();
    ASSERT_TRUE(login);
    other->act({.hidesBackButton = true, .animated = false});
    auto *otherLogin = qobject_cast<QMLoginViewController *>(otherStack.topViewController());
    ASSERT_TRUE(otherLogin);

    signInFrom(login, QStringLiteral("demo@example.com"), QStringLiteral("demo123"));
    EXPECT_FALSE(alert()) << said(alert());
    EXPECT_EQ(screen->runs, 1);
    EXPECT_EQ(other->runs, 0);
    EXPECT_EQ(otherStack.topViewController(), otherLogin) << "the other tab still waits";
    EXPECT_TRUE(other->gate.isWaiting());
}

TEST_F(SignIn, AFailedTransferSaysSoInWordsForTheMember)
{
    screen->act();
    QMLoginViewController *login = top<QMLoginViewController>();
    ASSERT_TRUE(login);
    QMDataProvider::setBaseAddressForTesting(QStringLiteral("http://127.0.0.1:1/shanghai/api/"));
    signInFrom(login, QStringLiteral("demo@example.com"), QStringLiteral("demo123"));
    ASSERT_TRUE(waitForAlert());
    EXPECT_EQ(said(alert()), "错误/与后台通讯错误/ok");
    EXPECT_FALSE(isBusy(login));
    EXPECT_EQ(screen->runs, 0);
}

} // namespace
