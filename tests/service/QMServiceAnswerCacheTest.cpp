#include "QMSAnswerCache.h"
#include "QMSConnection.h"
#include "QMSDatabase.h"
#include "QMSStatement.h"
#include "QMSTransaction.h"
#include "QMServiceSuite.h"

#include <QTemporaryDir>

#include <httplib.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

// Kept answers of the catalogue kinds: over a real database file, and through the service.
namespace {

class AnswerCache : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        db = std::make_unique<QMSDatabase>(dir.filePath("cache.db").toStdString());
        write("0");
    }

    void write(const std::string &value)
    {
        const auto connection = db->connection();
        QMSStatement(*connection, "INSERT OR REPLACE INTO meta (key, value) VALUES ('v', ?)")
            .with(value)
            .run();
    }

    std::string read() const
    {
        const auto connection = db->connection();
        QMSStatement query(*connection, "SELECT value FROM meta WHERE key = 'v'");
        return query.step() ? query.text(0) : std::string();
    }

    // Renders the stored value, counting the renderings.
    QMSAnswerCache::Body answer(QMSAnswerCache &cache, const std::string &key = "k")
    {
        return cache.answer(key, *db, [&] {
            ++renderings;
            return std::make_shared<const std::string>(read());
        });
    }

    QTemporaryDir dir;
    std::unique_ptr<QMSDatabase> db;
    int renderings = 0;
};

} // namespace

TEST_F(AnswerCache, AnAnswerIsKeptUntilTheNextCommit)
{
    QMSAnswerCache cache;
    EXPECT_EQ(*answer(cache), "0");
    EXPECT_EQ(*answer(cache), "0");
    EXPECT_EQ(renderings, 1);
    EXPECT_EQ(*answer(cache, "other"), "0");
    EXPECT_EQ(renderings, 2) << "each key has its own answer";

    write("1");
    EXPECT_EQ(*answer(cache), "1");
    EXPECT_EQ(renderings, 3);

    // A commit at the end of a transaction counts too; one rolled back changes nothing.
    {
        const auto connection = db->connection();
        QMSTransaction transaction(*connection);
        QMSStatement(*connection, "UPDATE meta SET value = '2' WHERE key = 'v'").run();
        transaction.commit();
    }
    EXPECT_EQ(*answer(cache), "2");
    {
        const auto connection = db->connection();
        QMSTransaction transaction(*connection);
        QMSStatement(*connection, "UPDATE meta SET value = '3' WHERE key = 'v'").run();
    }
    const int before = renderings;
    EXPECT_EQ(*answer(cache), "2");
    EXPECT_EQ(renderings, before);
}

TEST_F(AnswerCache, RefusalsAndOvertakenAnswersAreNeverServedAgain)
{
    QMSAnswerCache cache;
    int refusals = 0;
    for (int i = 0; i < 2; ++i)
        EXPECT_FALSE(cache.answer("k", *db, [&] {
            ++refusals;
            return QMSAnswerCache::Body();
        }));
    EXPECT_EQ(refusals, 2);

    // A write lands between the answer's read and its return: the next asker must see it.
    const auto overtaken = cache.answer("k", *db, [&] {
        auto body = std::make_shared<const std::string>(read());
        write("new");
        return body;
    });
    EXPECT_EQ(*overtaken, "0");
    EXPECT_EQ(*answer(cache), "new");
}

TEST_F(AnswerCache, AFullCacheStartsAgainRatherThanGrow)
{
    QMSAnswerCache cache(2);
    answer(cache, "a");
    answer(cache, "b");
    answer(cache, "c");
    EXPECT_EQ(renderings, 3);
    answer(cache, "c");
    EXPECT_EQ(renderings, 3);
    answer(cache, "a");
    EXPECT_EQ(renderings, 4);
}

TEST_F(AnswerCache, ReadersNeverSeeLessThanTheLastAcknowledgedWrite)
{
    QMSAnswerCache cache;
    std::atomic<int> acknowledged{0};
    std::atomic<bool> done{false};
    std::atomic<int> stale{0};
    std::vector<std::thread> readers;
    for (int r = 0; r < 4; ++r) {
        readers.emplace_back([&] {
            while (!done) {
                const int floor = acknowledged;
                const auto body = cache.answer(
                    "k", *db, [&] { return std::make_shared<const std::string>(read()); });
                if (std::stoi(*body) < floor)
                    ++stale;
            }
        });
    }
    for (int i = 1; i <= 300; ++i) {
        write(std::to_string(i));
        acknowledged = i;
    }
    done = true;
    for (std::thread &reader : readers)
        reader.join();
    EXPECT_EQ(stale, 0);
}

using ServiceCatalogue = QMServiceSuite;

TEST_F(ServiceCatalogue, KeptAnswersFollowTheAddressTheClientUsed)
{
    const std::string target = client->target(7, {}).toStdString();
    auto poster = [&](const std::string &host) {
        httplib::Client http("127.0.0.1", client->port());
        const auto response = http.Get(target, {{"Host", host}});
        QMServiceClient::Answer answer;
        answer.kind = 7;
        answer.body = response ? QByteArray::fromStdString(response->body) : QByteArray();
        const QList<QMXmlNode> films = answer.items();
        return films.isEmpty() ? QString() : films.first().value("smalllogo");
    };
    const std::string port = std::to_string(client->port());
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(poster("127.0.0.1:" + port).toStdString(),
                  "http://127.0.0.1:" + port + "/pictures/m1001.jpg");
        EXPECT_EQ(poster("localhost:" + port).toStdString(),
                  "http://localhost:" + port + "/pictures/m1001.jpg");
    }
}
