#include "QMServiceSuite.h"

#include <QRandomGenerator>

#include <httplib.h>

#include <gtest/gtest.h>

namespace {

// The elements that carry values, whatever wrappers the client's rewrite put around them.
QStringList fields(const QMXmlNode &node)
{
    if (node.children.isEmpty())
        return {node.name};
    QStringList names;
    for (const QMXmlNode &child : node.children)
        names += fields(child);
    return names;
}

class ServiceRefusals : public QMServiceSuite
{
protected:
    // The kinds whose record has an `error` field are refused inside <data>; for the others the
    // client must find no record at all.
    void expectRefused(const QMServiceClient::Answer &answer, const char *text = nullptr)
    {
        static const QList<int> errorKinds = {10, 11, 13, 14, 20, 21, 22, 23, 24, 25, 29};
        SCOPED_TRACE(answer.body.toStdString());
        EXPECT_GE(answer.status, 400);
        const auto record = answer.record();
        if (errorKinds.contains(answer.kind)) {
            ASSERT_TRUE(record);
            EXPECT_EQ(fields(*record), QStringList({"error"}));
            EXPECT_FALSE(answer.error().isEmpty());
            if (text) {
                EXPECT_EQ(answer.error(), QString::fromUtf8(text));
            }
        } else {
            EXPECT_FALSE(record);
            if (text) {
                EXPECT_TRUE(answer.body.contains(text));
            }
        }
    }
};

QByteArray withParameter(QByteArray target, const QByteArray &name, const QByteArray &value)
{
    const int start = target.indexOf(name + '=');
    int end = target.indexOf('&', start);
    if (end < 0)
        end = target.size();
    return target.replace(start, end - start, name + '=' + value);
}

} // namespace

TEST_F(ServiceRefusals, EveryKindRefusesABadSignature)
{
    for (const QMServiceClient::Kind &kind : QMServiceClient::kinds()) {
        SCOPED_TRACE("kind " + std::to_string(kind.number));
        QMServiceClient::Values values = samples->values(kind.number);
        const QByteArray good = client->target(kind.number, values);

        // Kinds 10 and 11 bind their values: the ordinary digest is not enough there.
        const QString ordinary =
            QMServiceClient::md5(QMServiceClient::partnerKey() + QMServiceClient::privateKey());
        const QString wrong =
            kind.digest == QMServiceClient::Digest::Ordinary ? QMServiceClient::md5("x") : ordinary;
        expectRefused(client->get(withParameter(good, "encryptCode", wrong.toUtf8()), kind.number),
                      "签名错误");
        expectRefused(client->get(withParameter(good, "key", "abcdefghijkl"), kind.number));
        QByteArray unkeyed = good;
        unkeyed.replace("key=" + QMServiceClient::partnerKey().toUtf8() + '&', "");
        unkeyed.replace("&key=" + QMServiceClient::partnerKey().toUtf8(), "");
        expectRefused(client->get(unkeyed, kind.number));
    }
}

TEST_F(ServiceRefusals, SignedValuesCannotBeChangedAfterSigning)
{
    // The order digest covers mpid, mobile and seatLabel as sent.
    QMServiceClient::Values order = samples->values(11);
    const QString digest = QMServiceClient::digest(QMServiceClient::kind(11), order);
    order.insert("encryptCode", digest);
    order.insert("seatLabel", samples->freeSeats.first());
    expectRefused(client->send(11, order), "签名错误");
}

TEST_F(ServiceRefusals, MissingOrMalformedParametersAreRefusedClearly)
{
    expectRefused(client->send(10, {}), "缺少参数：mpid");
    expectRefused(client->send(8, {{"charging", "times"}, {"from", "0"}, {"maxnum", "ten"}}),
                  "参数格式错误：maxnum");
    expectRefused(client->send(
        12, {{"tag", "movie"}, {"relatedid", "1001"}, {"from", "-1"}, {"maxnum", "10"}}));
    expectRefused(
        client->send(5, {{"cinemaid", "2001"}, {"playdate", "2026-13-45"}, {"charging", "times"}}));
    expectRefused(client->send(1, {{"pointx", "east"}, {"pointy", "31.230"}}));
    expectRefused(client->send(1, {{"pointx", "nan"}, {"pointy", "31.230"}}));
    expectRefused(client->send(16, {{"memberid", "5001"}, {"datetype", "someday"}}));
    expectRefused(
        client->send(3, {{"cinemaid", "9999"}, {"service", "all"}, {"charging", "times"}}),
        "影院不存在");
    expectRefused(
        client->send(6, {{"movieid", "1001 OR 1=1"}, {"service", "all"}, {"charging", "times"}}));
    expectRefused(client->send(34, {{"commentid", "0"}}));
    expectRefused(client->send(10, {{"mpid", "3"}}), "场次不存在");
    expectRefused(client->send(
        13, {{"username", ""}, {"password", ""}, {"pointx", "0.000"}, {"pointy", "0.000"}}));
    // A parameter sent twice is ambiguous.
    const QByteArray target = client->target(7, {});
    expectRefused(client->get(target + "&key=" + QMServiceClient::partnerKey().toUtf8(), 7));
}

TEST_F(ServiceRefusals, LongValuesAreRefusedAndTexts140CharactersAreKept)
{
    QMServiceClient::Values comment = samples->values(21);
    comment.insert("body", QString(2001, 'a'));
    expectRefused(client->send(21, comment), "参数过长：body");
    comment.insert("body", QString(141, QChar(0x597d)));
    expectRefused(client->send(21, comment), "内容不能超过140个字");
    comment.insert("body", QString(140, QChar(0x597d)));
    EXPECT_EQ(client->send(21, comment).result(), "ture");
    // Characters, as the client counts them: an emoji is one, though two UTF-16 units.
    comment.insert("body", QString::fromUtf8("🎬").repeated(140));
    EXPECT_EQ(client->send(21, comment).result(), "ture");
    comment.insert("body", QString::fromUtf8("🎬").repeated(141));
    expectRefused(client->send(21, comment), "内容不能超过140个字");
}

TEST_F(ServiceRefusals, UnknownPathsAre404)
{
    for (const QByteArray &target :
         {QByteArray("/shanghai/api/movie/nothing.xhtml?key=x"), QByteArray("/shanghai/api/"),
          QByteArray("/shanghai/api/movie/playNowMovieList.xhtmlx"), QByteArray("/index.html"),
          QByteArray("/shanghai/api/MOVIE/playNowMovieList.xhtml")}) {
        const auto answer = client->get(target, 7);
        EXPECT_EQ(answer.status, 404) << target.toStdString();
        EXPECT_FALSE(answer.record());
    }
}

TEST_F(ServiceRefusals, TypedTextIsDecodedExactlyOnceAndKeptAsTyped)
{
    // Escaped one value at a time by the client; "%25" must come back as "%", "+" as "+".
    const QString typed =
        QString::fromUtf8("100%25 & 1+1=2 #好 \"引号\" <b>粗</b> ]]> '); DROP TABLE comments;--");
    QMServiceClient::Values comment = samples->values(21);
    comment.insert("body", typed);
    ASSERT_EQ(client->send(21, comment).result(), "ture");
    const auto posts = client->send(18, samples->values(18));
    ASSERT_FALSE(posts.items().isEmpty());
    EXPECT_EQ(posts.items().first().value("body"), typed);
    EXPECT_TRUE(posts.body.contains("&lt;b&gt;"));
    EXPECT_FALSE(posts.body.contains("<b>"));
    EXPECT_GE(client->send(12, samples->values(12)).items().size(), 10);

    // A raw "&" in the body, as a client escaping the whole address would send it.
    QByteArray raw = client->target(21, samples->values(21));
    raw = withParameter(raw, "body", "Tom&Jerry&copy");
    ASSERT_EQ(client->get(raw, 21).result(), "ture") << raw.toStdString();
    EXPECT_EQ(client->send(18, samples->values(18)).items().first().value("body"),
              "Tom&Jerry&copy");
}

TEST_F(ServiceRefusals, BytesThatAreNotTextAreRefused)
{
    for (const QByteArray &body : {QByteArray("%FF%FE"), QByteArray("a%00b"), QByteArray("%C0%AF"),
                                   QByteArray("%ED%A0%80"), QByteArray("bell%07")}) {
        QByteArray raw = client->target(21, samples->values(21));
        raw = withParameter(raw, "body", body);
        expectRefused(client->get(raw, 21), "参数含有无效字符：body");
    }
}

TEST_F(ServiceRefusals, AHostileHostHeaderDoesNotReachTheAnswers)
{
    httplib::Client http("127.0.0.1", service->port());
    http.set_url_encode(false);
    const httplib::Headers headers = {{"Host", "evil.example\"><x>"}};
    auto response = http.Get(client->target(7, {}).toStdString(), headers);
    ASSERT_TRUE(response);
    EXPECT_EQ(response->body.find("evil"), std::string::npos);
    EXPECT_NE(response->body.find("http://127.0.0.1:" + std::to_string(service->port())),
              std::string::npos);
}

TEST_F(ServiceRefusals, GarbageInEveryParameterNeverBreaksTheService)
{
    // Every kind, every parameter it knows, filled with values a hostile client might send.
    const QStringList garbage = {"",
                                 "-1",
                                 "99999999999999999999",
                                 "1e308",
                                 "nan",
                                 "2026-02-30",
                                 "%",
                                 "%zz",
                                 "%00",
                                 "%C3%28",
                                 "+",
                                 "'",
                                 "1:1,1:1",
                                 "<x>",
                                 "1;DROP TABLE comments",
                                 QString(1999, 'x'),
                                 "\\",
                                 "0x10",
                                 QString::fromUtf8("😀").repeated(200)};
    QRandomGenerator random(20261205);
    for (const QMServiceClient::Kind &kind : QMServiceClient::kinds()) {
        for (int round = 0; round < 12; ++round) {
            QMServiceClient::Values values = samples->values(kind.number);
            for (const QString &name : kind.order) {
                if (name != "key" && name != "encryptCode" && random.bounded(2))
                    values.insert(name, garbage.at(random.bounded(garbage.size())));
            }
            const auto answer = client->get(client->target(kind.number, values), kind.number);
            ASSERT_NE(answer.status, 0) << "kind " << kind.number << " took the service down";
            EXPECT_LT(answer.status, 500) << answer.body.toStdString();
            EXPECT_TRUE(QMXmlNode::parse(answer.body)) << answer.status;
        }
    }
    EXPECT_FALSE(service->log().contains("failed:"));
    EXPECT_FALSE(client->send(7, {}).items().isEmpty());
}
