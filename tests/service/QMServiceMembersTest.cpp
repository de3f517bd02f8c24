#include "QMServiceDatabase.h"
#include "QMServiceSuite.h"

#include <QMutex>
#include <QSet>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

class ServiceMembers : public QMServiceSuite
{
protected:
    struct Member
    {
        QString email;
        QString password;
        QString nickname;
        QString token;
        QString id;
    };

    // Registers and signs in a new member.
    Member newMember(const QString &nickname, const QString &mailbox)
    {
        Member member{mailbox + "@example.com", "pass+word", nickname, {}, {}};
        const auto answer = client->send(14, {{"email", member.email},
                                              {"password", member.password},
                                              {"nickname", nickname},
                                              {"pointx", "121.474"},
                                              {"pointy", "31.230"}});
        EXPECT_TRUE(answer.record() && answer.record()->find("memberid"))
            << answer.body.toStdString();
        const auto identity = client->signIn(member.email, member.password);
        member.token = identity.first;
        member.id = identity.second;
        return member;
    }

    QMServiceClient::Answer post(const Member &author, const QMServiceClient::Values &values)
    {
        QMServiceClient::Values all = values;
        all.insert("memberEncode", author.token);
        return client->send(21, all);
    }

    QList<QMXmlNode> list(int kind, const QString &member, int maxnum = 10)
    {
        return client
            ->send(kind, {{"memberid", member}, {"from", "0"}, {"maxnum", QString::number(maxnum)}})
            .items();
    }
};

} // namespace

TEST_F(ServiceMembers, RegistrationStoresAHashAndSignInChecksIt)
{
    const Member member = newMember("新会员", "newcomer");
    ASSERT_FALSE(member.token.isEmpty());
    EXPECT_NE(member.token, samples->token);
    EXPECT_TRUE(member.id.toInt() > 5031);

    // memberEncode before memberid, each once: the client's rewrite depends on it.
    const auto answer = client->send(13, {{"username", member.email.toUpper()},
                                          {"password", member.password},
                                          {"pointx", "0.000"},
                                          {"pointy", "0.000"}});
    EXPECT_LT(answer.body.indexOf("<memberEncode>"), answer.body.indexOf("<memberid>"));
    EXPECT_EQ(answer.body.count("<memberid>"), 1);
    EXPECT_EQ(answer.record()->find("memberid")->text, member.id);

    // "+" is a plus, not a space: "%20" is the space.
    const auto spaced = client->send(13, {{"username", member.email},
                                          {"password", "pass%20word"},
                                          {"pointx", "0.000"},
                                          {"pointy", "0.000"}});
    EXPECT_EQ(spaced.error(), "用户名或密码错误");
    EXPECT_FALSE(spaced.body.contains("memberEncode"));
    EXPECT_FALSE(spaced.body.contains("memberid"));

    const QString stored =
        QMServiceDatabase::rows(service->databasePath(),
                                "SELECT password FROM members WHERE email = 'newcomer@example.com'")
            .value(0);
    EXPECT_TRUE(stored.startsWith("pbkdf2-sha256$"));
    EXPECT_FALSE(stored.contains(member.password));
    const QStringList same = QMServiceDatabase::rows(
        service->databasePath(), "SELECT password FROM members WHERE id IN (5002, 5003)");
    ASSERT_EQ(same.size(), 2);
    EXPECT_NE(same.at(0), same.at(1)) << "one password, two salts, two hashes";
}

TEST_F(ServiceMembers, RegistrationRefusesWhatCannotBeAnAccount)
{
    auto attempt = [&](const QString &email, const QString &password, const QString &nickname) {
        return client
            ->send(14, {{"email", email},
                        {"password", password},
                        {"nickname", nickname},
                        {"pointx", "0.000"},
                        {"pointy", "0.000"}})
            .error();
    };
    EXPECT_EQ(attempt("demo@example.com", "secret1", "另一个"), "该邮箱已被注册");
    EXPECT_EQ(attempt("DEMO@example.com", "secret1", "另一个"), "该邮箱已被注册");
    EXPECT_EQ(attempt("fresh@example.com", "secret1", "影迷小林"), "该昵称已被使用");
    EXPECT_EQ(attempt("not-an-address", "secret1", "某人"), "邮箱格式不正确");
    EXPECT_EQ(attempt("fresh@example.com", "12345", "某人"), "密码长度应为6到32位");
    EXPECT_EQ(attempt("fresh@example.com", "secret1", "@某人"), "昵称应为1到16个字，不含空格和@");
    EXPECT_EQ(attempt("fresh@example.com", "secret1", "某人"), "");
}

TEST_F(ServiceMembers, WritesNeedAMemberEncodeTheServiceGaveOut)
{
    for (int kind : {11, 20, 21, 22, 23, 24, 29}) {
        QMServiceClient::Values values = samples->values(kind);
        values.insert("memberEncode", "0123456789abcdef0123456789abcdef");
        const auto answer = client->send(kind, values);
        EXPECT_EQ(answer.error(), "请先登录") << kind;
        EXPECT_TRUE(answer.result().isEmpty());
    }
}

TEST_F(ServiceMembers, PostsRepliesRepostsAndMentionsShowUpWhereTheyBelong)
{
    const Member author = newMember("写手", "writer");
    const QString demo = samples->demo;

    ASSERT_EQ(
        post(author, {{"relatedid", "1001"}, {"body", "第一条影评"}, {"tag", "movie"}}).result(),
        "ture");
    const auto filmComments = client->send(12, samples->values(12)).items();
    ASSERT_FALSE(filmComments.isEmpty());
    const QMXmlNode review = filmComments.first();
    EXPECT_EQ(review.value("body"), "第一条影评");
    EXPECT_EQ(review.value("nickname"), "写手");
    EXPECT_EQ(review.value("objectname"), "星际归途");
    EXPECT_FALSE(review.has("transferid"));
    EXPECT_EQ(list(18, author.id).first().value("commentid"), review.value("commentid"));
    EXPECT_EQ(client->send(28, samples->values(28)).items().first().value("commentid"),
              review.value("commentid"));

    // A reply by the demo member: the thread, the author's inbox, the demo member's outbox.
    ASSERT_EQ(client
                  ->send(20, {{"commentid", review.value("commentid")},
                              {"memberEncode", samples->token},
                              {"body", "同感"}})
                  .result(),
              "ture");
    const auto thread = client->send(
        17, {{"commentid", review.value("commentid")}, {"from", "0"}, {"maxnum", "20"}});
    ASSERT_EQ(thread.items().size(), 1);
    EXPECT_EQ(thread.items().first().value("body"), "同感");
    const QMXmlNode received = list(31, author.id).first();
    EXPECT_EQ(received.value("body"), "同感");
    EXPECT_EQ(received.value("commentbody"), "第一条影评");
    EXPECT_EQ(received.value("commentid"), review.value("commentid"));
    const QMXmlNode sent = list(32, demo).first();
    EXPECT_EQ(sent.value("commentnickname"), "写手");
    // The reply itself can be opened too.
    const QString replyId = thread.items().first().value("commentid");
    EXPECT_EQ(client->send(34, {{"commentid", replyId}}).record()->find("body")->text, "同感");

    // A re-post keeps the original's topic and carries it.
    ASSERT_EQ(post(author, {{"relatedid", "1001"},
                            {"body", "转给大家"},
                            {"transferid", review.value("commentid")},
                            {"tag", "movie"}})
                  .result(),
              "ture");
    const QMXmlNode repost = list(18, author.id).first();
    const auto detail = client->send(34, {{"commentid", repost.value("commentid")}}).record();
    ASSERT_TRUE(detail);
    EXPECT_EQ(detail->find("transferid")->text, review.value("commentid"));
    EXPECT_EQ(detail->find("transferbody")->text, "第一条影评");
    EXPECT_EQ(detail->find("transfernickname")->text, "写手");
    EXPECT_EQ(detail->find("relatedid")->text, "1001");

    // A mention and a post addressed to a member.
    ASSERT_EQ(
        client->send(21, {{"memberEncode", samples->token}, {"body", "@写手 一起去看吧"}}).result(),
        "ture");
    EXPECT_EQ(list(33, author.id).first().value("body"), "@写手 一起去看吧");
    ASSERT_EQ(post(author, {{"relatedid", demo}, {"body", "对你说"}, {"tag", "member"}}).result(),
              "ture");
    const auto interest =
        client->send(19, {{"memberid", demo}, {"type", "city"}, {"from", "0"}, {"maxnum", "10"}});
    EXPECT_EQ(interest.items().first().value("body"), "对你说");
    EXPECT_EQ(interest.items().first().value("objectname"), "影迷小林");

    // What cannot be stored is refused with a reason.
    EXPECT_EQ(post(author, {{"relatedid", "9999"}, {"body", "x"}, {"tag", "movie"}}).error(),
              "评论对象不存在");
    EXPECT_EQ(post(author, {{"relatedid", "1001"}, {"body", "  "}, {"tag", "movie"}}).error(),
              "内容不能为空");
    EXPECT_EQ(client->send(20, {{"commentid", "1"}, {"memberEncode", author.token}, {"body", "x"}})
                  .error(),
              "原帖不存在");
}

TEST_F(ServiceMembers, FollowsPlansCheckInsAndProfileChangesAreKept)
{
    const Member fan = newMember("粉丝", "fan");
    auto follows = [&] {
        QStringList ids;
        for (const QMXmlNode &item :
             client
                 ->send(30,
                        {{"memberid", fan.id}, {"tag", "member"}, {"from", "0"}, {"maxnum", "10"}})
                 .items())
            ids.append(item.value("relatedid"));
        return ids;
    };
    const QMServiceClient::Values follow = {
        {"memberEncode", fan.token}, {"relatedid", "5001"}, {"tag", "member"}};
    EXPECT_EQ(client->send(23, follow).result(), "ture");
    EXPECT_EQ(client->send(23, follow).result(), "ture") << "following twice is no error";
    EXPECT_EQ(follows(), QStringList({"5001"}));
    EXPECT_EQ(client->send(29, follow).result(), "ture");
    EXPECT_TRUE(follows().isEmpty());
    EXPECT_EQ(client->send(29, follow).result(), "ture");
    EXPECT_EQ(
        client->send(23, {{"memberEncode", fan.token}, {"relatedid", fan.id}, {"tag", "member"}})
            .error(),
        "不能关注自己");

    // A plan for a screening today is in this week's plans.
    const auto today =
        QMServiceSamples::screenings(*client, "2001", "1001", QMServiceClient::shanghaiDay());
    ASSERT_FALSE(today.isEmpty());
    ASSERT_EQ(client->send(24, {{"memberEncode", fan.token}, {"mpid", today.first().value("mpid")}})
                  .result(),
              "ture");
    const auto plans = client->send(16, {{"memberid", fan.id}, {"datetype", "thisweek"}}).items();
    ASSERT_EQ(plans.size(), 1);
    EXPECT_EQ(plans.first().value("time"),
              QMServiceClient::shanghaiDay() + ' ' + today.first().value("playtime"));
    EXPECT_TRUE(plans.first().value("body").contains("人民广场星河影城"));
    EXPECT_EQ(client->send(16, {{"memberid", "5001"}, {"datetype", "lastweek"}}).items().size(), 2);

    // Check-in at the People's Square cinema: points once a day.
    const QMServiceClient::Values here = {
        {"memberid", fan.id}, {"pointx", "121.475"}, {"pointy", "31.229"}};
    auto points = [&] {
        return client->send(26, {{"memberid", fan.id}}).record()->find("pointvalue")->text.toInt();
    };
    EXPECT_EQ(client->send(25, here).result(), "ture");
    EXPECT_EQ(points(), 5);
    EXPECT_EQ(client->send(25, here).result(), "ture");
    EXPECT_EQ(points(), 5);
    EXPECT_EQ(client->send(25, {{"memberid", fan.id}, {"pointx", "122.500"}, {"pointy", "30.000"}})
                  .error(),
              "附近没有影院");

    // Sex and mobile, alone or together; a bad value changes nothing.
    EXPECT_EQ(
        client->send(22, {{"memberEncode", fan.token}, {"sex", "女"}, {"mobile", "13912345678"}})
            .result(),
        "ture");
    EXPECT_EQ(
        client->send(22, {{"memberEncode", fan.token}, {"sex", "未知"}, {"mobile", "13900000000"}})
            .error(),
        "性别只能是男或女");
    EXPECT_EQ(client->send(22, {{"memberEncode", fan.token}, {"mobile", "13800138000"}}).error(),
              "该手机号已被使用");
    EXPECT_EQ(client->send(22, {{"memberEncode", fan.token}}).result(), "ture");
    const auto profile = client->send(26, {{"memberid", fan.id}}).record();
    EXPECT_EQ(profile->find("sex")->text, "女");
    EXPECT_EQ(profile->find("mobile")->text, "139****5678");
    // Now the mobile number signs in too.
    EXPECT_EQ(client->signIn("13912345678", fan.password).second, fan.id);
}

TEST_F(ServiceMembers, ListsPageAndNeverExceedMaxnum)
{
    const QMServiceClient::Values paged[] = {
        {{"charging", "times"}},
        {{"tag", "movie"}, {"relatedid", "1001"}},
        {{"tag", "cinema"}, {"relatedid", "2001"}},
        {{"memberid", "5001"}},
        {{"memberid", "5001"}, {"type", "city"}},
        {{"memberid", "5001"}, {"type", "city"}, {"pointx", "0.000"}, {"pointy", "0.000"}},
        {{"memberid", "5001"}, {"tag", "member"}},
        {{"memberid", "5001"}},
        {{"memberid", "5001"}},
        {{"memberid", "5001"}},
    };
    const int kinds[] = {8, 12, 12, 18, 19, 28, 30, 31, 32, 33};
    for (size_t i = 0; i < std::size(kinds); ++i) {
        SCOPED_TRACE("kind " + std::to_string(kinds[i]));
        auto page = [&](int from, int maxnum) {
            QMServiceClient::Values values = paged[i];
            values.insert("from", QString::number(from));
            values.insert("maxnum", QString::number(maxnum));
            QStringList keys;
            for (const QMXmlNode &item : client->send(kinds[i], values).items())
                keys.append(item.value("commentid") + item.value("movieid") +
                            item.value("relatedid"));
            return keys;
        };
        const QStringList first = page(0, 10);
        ASSERT_EQ(first.size(), 10) << "every list pages past 10";
        EXPECT_EQ(page(0, 11).size(), 11);
        EXPECT_EQ(page(0, 5), first.mid(0, 5));
        EXPECT_EQ(page(5, 5), first.mid(5, 5));
        EXPECT_TRUE(page(0, 0).isEmpty());
    }
    // Replies come in a fixed page of 20, oldest first.
    const auto replies =
        client->send(17, {{"commentid", samples->thread}, {"from", "0"}, {"maxnum", "20"}});
    EXPECT_EQ(replies.items().size(), 20);
    EXPECT_LT(replies.items().first().value("addtime"), replies.items().last().value("addtime"));
    // The newest post first: the map bubble shows it as the member's latest.
    const auto latest = list(18, "5002", 2);
    ASSERT_EQ(latest.size(), 2);
    EXPECT_GE(latest.at(0).value("addtime"), latest.at(1).value("addtime"));
}

TEST_F(ServiceMembers, AreasNarrowTheSquare)
{
    // Every post of an area, page by page.
    auto square = [&](const QString &type, const QString &x, const QString &y) {
        QList<QMXmlNode> posts;
        for (int from = 0;; from += 200) {
            const auto page = client
                                  ->send(28, {{"memberid", "5001"},
                                              {"type", type},
                                              {"pointx", x},
                                              {"pointy", y},
                                              {"from", QString::number(from)},
                                              {"maxnum", "200"}})
                                  .items();
            posts += page;
            if (page.size() < 200)
                return posts;
        }
    };
    QSet<QString> neighbours;
    for (const QMXmlNode &member :
         client->send(15, {{"pointx", "121.474"}, {"pointy", "31.230"}, {"R", "5000"}}).items())
        neighbours.insert(member.value("memberid"));
    EXPECT_GT(neighbours.size(), 5);
    EXPECT_LT(neighbours.size(), 31);

    const auto city = square("city", "121.474", "31.230");
    const auto around = square("indexarea", "121.474", "31.230");
    const auto place = square("place", "121.474", "31.230");
    EXPECT_GT(around.size(), 10);
    EXPECT_LT(around.size(), city.size());
    for (const QMXmlNode &post : around)
        EXPECT_TRUE(neighbours.contains(post.value("memberid")));
    EXPECT_GT(place.size(), 10);
    EXPECT_LT(place.size(), city.size());
    EXPECT_TRUE(square("indexarea", "121.900", "30.900").isEmpty()) << "nobody lives out at sea";
    const auto nearby =
        client->send(15, {{"pointx", "121.474"}, {"pointy", "31.230"}, {"R", "3000"}});
    EXPECT_EQ(nearby.items().first().value("memberid"), "5001") << "nearest first";
}

TEST_F(ServiceMembers, WritesFromManyConnectionsAtOnceAllSucceed)
{
    // Each write reads first; one that kept its read open while writing failed with "database is
    // locked" as soon as another connection had written in between.
    std::atomic<int> failed{0};
    QMutex mutex;
    QString firstFailure;
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 8; ++i) {
                const QString text = QString("并发 %1-%2").arg(t).arg(i);
                const QList<QMServiceClient::Answer> answers = {
                    client->send(13, samples->values(13)),
                    client->send(20, {{"commentid", samples->thread},
                                      {"memberEncode", samples->token},
                                      {"body", text}}),
                    client->send(24, {{"memberEncode", samples->token}, {"mpid", samples->mpid}}),
                    client->send(21, {{"memberEncode", samples->token}, {"body", text}}),
                };
                for (const auto &answer : answers) {
                    if (answer.status == 200 && answer.error().isEmpty())
                        continue;
                    QMutexLocker lock(&mutex);
                    if (failed++ == 0)
                        firstFailure = QString::number(answer.status) + ' ' + answer.body;
                }
            }
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    EXPECT_EQ(failed, 0) << firstFailure.toStdString();
}
