#include "QMServiceDatabase.h"
#include "QMServiceSamples.h"
#include "QMTestService.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QMutex>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

QStringList postsOf(const QMServiceClient &client, const QString &member)
{
    QStringList bodies;
    for (const QMXmlNode &post :
         client.send(18, {{"memberid", member}, {"from", "0"}, {"maxnum", "200"}}).items())
        bodies.append(post.value("body"));
    return bodies;
}

} // namespace

TEST(ServiceDurability, DataIsKeptAcrossARestart)
{
    QMTestService service;
    ASSERT_TRUE(service.isRunning()) << service.log().toStdString();
    QString mpid;
    QString seat;
    {
        QMServiceClient client(service.port());
        QMServiceSamples samples(client);
        ASSERT_TRUE(samples.isReady());
        mpid = samples.mpid;
        seat = samples.freeSeats.last();
        ASSERT_EQ(client
                      .send(14, {{"email", "stay@example.com"},
                                 {"password", "secret9"},
                                 {"nickname", "常客"},
                                 {"pointx", "0.000"},
                                 {"pointy", "0.000"}})
                      .error(),
                  "");
        QMServiceClient::Values comment = samples.values(21);
        comment.insert("body", "重启之前");
        ASSERT_EQ(client.send(21, comment).result(), "ture");
    }
    EXPECT_TRUE(service.log().contains("/shanghai/api/MyQuel/commentAdd.xhtml 200 ok"));

    ASSERT_TRUE(service.restart()) << service.log().toStdString();
    EXPECT_TRUE(service.log().contains("qm-service: stopped")) << "SIGTERM stops it cleanly";
    QMServiceClient client(service.port());
    EXPECT_FALSE(client.signIn("stay@example.com", "secret9").first.isEmpty());
    EXPECT_TRUE(postsOf(client, "5001").contains("重启之前"));
    EXPECT_EQ(client.send(7, {}).items().first().value("smalllogo"),
              QString("http://127.0.0.1:%1/pictures/m1001.jpg").arg(service.port()))
        << "picture addresses follow the new port";
}

TEST(ServiceDurability, AKillDuringWritesLeavesAConsistentDatabase)
{
    QMTestService service;
    ASSERT_TRUE(service.isRunning()) << service.log().toStdString();
    QMServiceClient client(service.port());
    QMServiceSamples samples(client);
    ASSERT_TRUE(samples.isReady());

    // Writers post and order until the service dies under them.
    QMutex mutex;
    QStringList acknowledged;
    std::atomic<int> acks{0};
    std::atomic<bool> dead{false};
    std::vector<std::thread> writers;
    for (int w = 0; w < 4; ++w) {
        writers.emplace_back([&, w] {
            for (int i = 0; !dead && i < 100000; ++i) {
                const QString body = QString("writer %1 post %2").arg(w).arg(i);
                const auto answer =
                    client.send(21, {{"memberEncode", samples.token}, {"body", body}});
                if (answer.result() == "ture") {
                    QMutexLocker lock(&mutex);
                    acknowledged.append(body);
                    ++acks;
                } else if (answer.status == 0) {
                    dead = true;
                }
            }
        });
    }
    const QDeadlineTimer deadline(30000);
    while (acks < 150 && !dead && !deadline.hasExpired())
        QThread::msleep(5);
    EXPECT_GE(acks, 150) << "the writers got going";
    service.stop(true);
    dead = true;
    for (std::thread &writer : writers)
        writer.join();

    const QString path = service.databasePath();
    EXPECT_EQ(QMServiceDatabase::rows(path, "PRAGMA integrity_check"), QStringList({"ok"}));
    EXPECT_TRUE(QMServiceDatabase::rows(path, "PRAGMA foreign_key_check").isEmpty());

    const QStringList stored =
        QMServiceDatabase::rows(path, "SELECT body FROM comments WHERE body LIKE 'writer %'");
    for (const QString &body : acknowledged)
        EXPECT_TRUE(stored.contains(body)) << "acknowledged but lost: " << body.toStdString();

    // It starts again on the same file and goes on taking writes.
    ASSERT_TRUE(service.restart()) << service.log().toStdString();
    QMServiceClient after(service.port());
    const QString token = after.signIn("demo@example.com", "demo123").first;
    EXPECT_EQ(after.send(21, {{"memberEncode", token}, {"body", "after the crash"}}).result(),
              "ture");
    EXPECT_EQ(postsOf(after, "5001").first(), "after the crash");
}

TEST(ServiceCommandLine, HelpAndBadOptions)
{
    QProcess help;
    help.start(QMTestService::binaryPath(), {"--help"});
    ASSERT_TRUE(help.waitForFinished(20000));
    EXPECT_EQ(help.exitCode(), 0);
    EXPECT_TRUE(help.readAllStandardOutput().contains("--partner-key"));

    QProcess bad;
    bad.start(QMTestService::binaryPath(), {"--port", "eighty"});
    ASSERT_TRUE(bad.waitForFinished(20000));
    EXPECT_EQ(bad.exitCode(), 2);
    EXPECT_TRUE(bad.readAllStandardError().contains("not a port number"));
}

TEST(ServiceCommandLine, ASecondServiceOnABusyPortFailsAtOnce)
{
    QMTestService first;
    ASSERT_TRUE(first.isRunning()) << first.log().toStdString();
    const QString port = QString::number(first.port());
    QMServiceClient client(first.port());
    const QString token = client.signIn("demo@example.com", "demo123").first;
    ASSERT_EQ(
        client.send(21, {{"memberEncode", token}, {"body", "written before the second"}}).result(),
        "ture");

    // One on a database of its own, one on the first's database asking to reseed it.
    QTemporaryDir dir;
    const QString ownDb = dir.filePath("second.db");
    for (const QStringList &args :
         {QStringList{"--port", port, "--db", ownDb},
          QStringList{"--port", port, "--db", first.databasePath(), "--seed"}}) {
        QProcess second;
        second.start(QMTestService::binaryPath(), args);
        ASSERT_TRUE(second.waitForFinished(20000)) << "it gives up instead of waiting";
        EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
        EXPECT_NE(second.exitCode(), 0);
        EXPECT_FALSE(second.readAllStandardOutput().contains("listening on"));
        const QString error = QString::fromUtf8(second.readAllStandardError());
        EXPECT_TRUE(error.contains("cannot listen on 127.0.0.1:" + port)) << error.toStdString();
        EXPECT_TRUE(error.contains("in use")) << error.toStdString();
    }
    EXPECT_FALSE(QFile::exists(ownDb)) << "no database is opened without the port";

    // Every request still reaches the first service and its data, untouched by the reseed.
    for (int i = 0; i < 20; ++i)
        ASSERT_EQ(client.send(7, {}).items().size(), 26);
    EXPECT_TRUE(postsOf(client, "5001").contains("written before the second"));
}

TEST(ServiceLog, AnUnreadLogNeverHoldsUpTheAnswers)
{
    // Nothing reads the service's stderr pipe while the requests run (no event loop here), so
    // the lines outgrow the pipe's buffer many times over.
    QMTestService service;
    ASSERT_TRUE(service.isRunning()) << service.log().toStdString();
    QMServiceClient client(service.port());
    const int requests = 3000;
    for (int i = 0; i < requests; ++i)
        ASSERT_EQ(client.send(9, {{"citycode", "310000"}}).items().size(), 16) << "request " << i;

    // Every line arrives once the log is read.
    EXPECT_EQ(service.log().count("/shanghai/api/common/county.xhtml 200 ok"), requests);
}
