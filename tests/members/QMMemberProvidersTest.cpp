#include "comments/InsertData.h"
#include "members/LogInfo.h"
#include "members/MemberCache.h"
#include "members/QMLoginProvider.h"
#include "members/QMRegisterInfoProvider.h"
#include "members/QMSaveMemberInfoProvider.h"
#include "net/QMEncoderProvider.h"

#include "QMProviderTestCase.h"
#include "QMTestRecorders.h"

namespace {

const QByteArray kSignedIn =
    "<data><memberEncode>a7f3c9e2</memberEncode><memberid>5001</memberid></data>";

class MemberAccounts : public QMProviderTestCase
{
protected:
    static QMLoginProvider *login() { return context()->loginProvider(); }
    static bool isLogged() { return QMDataProvider::DataProvider()->isLogged(); }
    void signIn(const QByteArray &body, const QString &user = QStringLiteral("demo@example.com"),
                const QString &password = QStringLiteral("demo123"))
    {
        answer("MyQuel/login.xhtml", body);
        login()->loginDelegate = &signedIn;
        login()->username = user;
        login()->password = password;
        const int before = signedIn.calls;
        login()->requestLogin();
        ASSERT_TRUE(signedIn.waitForCalls(before + 1));
    }
    void registerWith(const QByteArray &body)
    {
        answer("MyQuel/savereg.xhtml", body);
        auto *provider = context()->registerInfoProvider();
        provider->registerDelegate = &registered;
        provider->email = QStringLiteral("new@example.com");
        provider->password = QStringLiteral("secret2");
        provider->nickname = QStringLiteral("小明");
        const int before = registered.calls;
        provider->requestForRegister();
        ASSERT_TRUE(registered.waitForCalls(before + 1));
    }
    void save(const QByteArray &body)
    {
        answer("MyQuel/saveMemberInfo.xhtml", body);
        context()->saveMemberInfoProvider()->saveMemberInfoDelegate = &saved;
        const int before = saved.calls;
        context()->saveMemberInfoProvider()->requestSaveMemberInfo();
        ASSERT_TRUE(saved.waitForCalls(before + 1));
    }
    LoginRecorder signedIn;
    RegisterRecorder registered;
    SaveRecorder saved;
};
} // namespace

TEST_F(MemberAccounts, SignInSendsTheTypedTextWholeAndThePosition)
{
    placeDeviceAt(31.2304, 121.4737);
    const QString password = QStringLiteral("p&ss=1 %2F密");
    signIn(kSignedIn, QStringLiteral("user+1@example.com"), password);
    EXPECT_TRUE(
        sentQuery().startsWith(QStringLiteral("username=user%2B1%40example.com&password=")));
    EXPECT_TRUE(sentQuery().endsWith(QStringLiteral("&pointx=121.474&pointy=31.230")));
    EXPECT_EQ(sentValue(QStringLiteral("password")), password);
    EXPECT_EQ(sentValue(QStringLiteral("username")), QStringLiteral("user+1@example.com"));
    EXPECT_TRUE(isLogged());
    ASSERT_TRUE(login()->loginMemeber);
    EXPECT_EQ(login()->loginMemeber->memberEncode, QStringLiteral("a7f3c9e2"));
    EXPECT_EQ(login()->loginMemeber->memberid, QStringLiteral("5001"));
}

TEST_F(MemberAccounts, SuccessfulSignInRemembersWhatWasSent)
{
    answer("MyQuel/login.xhtml", kSignedIn);
    login()->loginDelegate = &signedIn;
    login()->username = QStringLiteral("demo@example.com");
    login()->password = QStringLiteral("demo123");
    login()->requestLogin();
    // Typed over while the answer is on its way.
    login()->username = QStringLiteral("someone@else");
    ASSERT_TRUE(signedIn.waitForCalls());
    const auto remembered = login()->readCache();
    ASSERT_TRUE(remembered);
    EXPECT_EQ(remembered->userName, QStringLiteral("demo@example.com"));
    EXPECT_EQ(remembered->passWord, QStringLiteral("demo123"));
}

TEST_F(MemberAccounts, FailedSignInAfterASuccessSignsOutAndKeepsTheFailedAnswer)
{
    signIn(kSignedIn);
    ASSERT_TRUE(isLogged());
    signIn("<data><error>用户名或密码错误</error></data>", QStringLiteral("demo@example.com"),
           QStringLiteral("wrong"));
    EXPECT_FALSE(isLogged());
    EXPECT_EQ(signedIn.errorText(), QStringLiteral("用户名或密码错误"));
    EXPECT_EQ(signedIn.error->code(), -1);
    ASSERT_TRUE(login()->loginMemeber);
    EXPECT_TRUE(login()->loginMemeber->memberEncode.isEmpty());
    // The failed attempt did not overwrite what the last success remembered.
    EXPECT_EQ(login()->readCache()->passWord, QStringLiteral("demo123"));
}

TEST_F(MemberAccounts, AnswerWithoutBothIdentifiersIsNoSignIn)
{
    const QByteArray incomplete[] = {
        "<data></data>", "<data><memberEncode>a7f3</memberEncode></data>", "<html>busy</html>"};
    for (const QByteArray &body : incomplete) {
        signIn(kSignedIn);
        signIn(body);
        EXPECT_FALSE(isLogged()) << body.toStdString();
        EXPECT_EQ(signedIn.errorText(), QStringLiteral("与后台通讯错误"));
    }
    signIn(kSignedIn);
    cutTheLine();
    signIn(kSignedIn);
    EXPECT_FALSE(isLogged());
    EXPECT_EQ(signedIn.failures, 4);
}

TEST_F(MemberAccounts, RegistrationDoesNotSignInAndReportsItsFailures)
{
    auto *provider = context()->registerInfoProvider();
    provider->registerDelegate = &registered;
    provider->email = QStringLiteral("new@example.com");
    provider->nickname.clear();
    provider->requestForRegister();
    QTest::qWait(50);
    EXPECT_TRUE(server.requests().isEmpty());

    registerWith("<data><memberEncode>c81d</memberEncode><memberid>5003</memberid></data>");
    EXPECT_EQ(registered.record->memberid, QStringLiteral("5003"));
    EXPECT_TRUE(QMDataProvider::DataProvider()->isRegistered());
    EXPECT_FALSE(isLogged());
    EXPECT_EQ(sentValue(QStringLiteral("nickname")), QStringLiteral("小明"));
    EXPECT_TRUE(sentQuery().endsWith(
        QStringLiteral("&pointy=0.000&key=") + QMEncoderProvider::CorprationKey() +
        QStringLiteral("&encryptCode=") + QMEncoderProvider::GetEncodeString()));

    registerWith("<data><error>该邮箱已被注册</error></data>");
    EXPECT_EQ(registered.errorText(), QStringLiteral("该邮箱已被注册"));
    EXPECT_FALSE(QMDataProvider::DataProvider()->isRegistered());
    registerWith("<nothing/>");
    EXPECT_EQ(registered.errorText(), QStringLiteral("错误"));
    cutTheLine();
    registerWith("");
    EXPECT_EQ(registered.errorText(), QStringLiteral("与后台通讯错误"));
    EXPECT_EQ(registered.error->code(), -1);
}

TEST_F(MemberAccounts, SavingMemberDataSendsOnlyWhatIsGivenEscaped)
{
    auto *provider = context()->saveMemberInfoProvider();
    provider->memberEncode = QStringLiteral("a7f3");
    save("<data><result>ture</result></data>");
    EXPECT_TRUE(sentQuery().startsWith(QStringLiteral("memberEncode=a7f3&key=")));
    EXPECT_TRUE(saved.record->isDone());

    provider->sex = QStringLiteral("女");
    provider->mobile = QStringLiteral("13800138000");
    save("<data><error>no</error></data>");
    EXPECT_TRUE(sentQuery(1).startsWith(
        QStringLiteral("memberEncode=a7f3&sex=%E5%A5%B3&mobile=13800138000&key=")));
    EXPECT_EQ(saved.errorText(), QStringLiteral("错误"));
    save("<error>no</error>");
    EXPECT_EQ(saved.errorText(), QStringLiteral("UnKnown Error"));
}
