#include "app/QMDataContext.h"
#include "members/LogInfo.h"
#include "members/QMLoginProvider.h"
#include "net/QMDataProvider.h"

#include "QMTestDocuments.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {
void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}
} // namespace

TEST(RememberedSignIn, RoundTripsIntoAFileOnlyItsOwnerMayRead)
{
    QMTestDocuments documents;
    const QString path = QMDataProvider::fileForCache(1);
    // A file left readable by others is replaced by one that is not.
    writeRaw(path, "old");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ReadOther | QFileDevice::ReadGroup);

    const LogInfo typed{QStringLiteral("用户@example.com"), QStringLiteral("p&ss \"word\"")};
    ASSERT_TRUE(typed.writeToFile(path));
    EXPECT_EQ(QFile::permissions(path) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
              QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const auto read = LogInfo::readFromFile(path);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->userName, typed.userName);
    EXPECT_EQ(read->passWord, typed.passWord);
    // Nothing but the file itself is left behind.
    EXPECT_EQ(QDir(documents.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("LogInfo")});
}

TEST(RememberedSignIn, DamagedOrHostileFilesReadAsNone)
{
    QMTestDocuments documents;
    const QString path = QMDataProvider::fileForCache(1);
    EXPECT_FALSE(LogInfo::readFromFile(path));
    EXPECT_FALSE(LogInfo::readFromFile(QString()));
    const QByteArray damaged[] = {
        "",
        "\xff\xfe\x00garbage",
        "{\"UserName\":\"a\",\"PassWord\":",
        "[\"a\",\"b\"]",
        "{\"UserName\":1,\"PassWord\":\"b\"}",
        "{\"UserName\":\"a\"}",
        "{\"UserName\":\"a\",\"PassWord\":{\"x\":1}}",
        QByteArray("{\"UserName\":\"") + QByteArray(LogInfo::maxFileBytes, 'a') +
            "\",\"PassWord\":\"b\"}",
    };
    for (const QByteArray &bytes : damaged) {
        writeRaw(path, bytes);
        EXPECT_FALSE(LogInfo::readFromFile(path)) << bytes.left(40).toStdString();
    }
    // A directory where the file should be neither reads nor is overwritten.
    QFile::remove(path);
    ASSERT_TRUE(QDir(documents.path()).mkdir(QStringLiteral("LogInfo")));
    EXPECT_FALSE(LogInfo::readFromFile(path));
    EXPECT_FALSE((LogInfo{QStringLiteral("a"), QStringLiteral("b")}.writeToFile(path)));
}

TEST(RememberedSignIn, FillsTheSignInFieldsOfANewLoginProvider)
{
    QMTestDocuments documents;
    {
        auto empty = std::make_shared<QMLoginProvider>();
        EXPECT_TRUE(empty->username.isEmpty());
        EXPECT_FALSE(empty->readCache());
        empty->username = QStringLiteral("demo@example.com");
        empty->password = QStringLiteral("demo123");
        ASSERT_TRUE(empty->writeCache());
    }
    auto provider = std::make_shared<QMLoginProvider>();
    EXPECT_EQ(provider->username, QStringLiteral("demo@example.com"));
    EXPECT_EQ(provider->password, QStringLiteral("demo123"));
}

TEST(RememberedSignIn, EachNewRegistryReadsItAgain)
{
    QMTestDocuments documents;
    QMDataContext *first = QMDataContext::CurrentDataContext();
    EXPECT_TRUE(first->loginProvider()->username.isEmpty());
    ASSERT_TRUE((LogInfo{QStringLiteral("13800138000"), QStringLiteral("pw")}.writeToFile(
        QMDataProvider::fileForCache(1))));
    // The running registry keeps what it read; the next one reads the file anew.
    EXPECT_TRUE(QMDataContext::CurrentDataContext()->loginProvider()->username.isEmpty());
    QMDataContext::CloseDataContext();
    const QMLoginProvider *login = QMDataContext::CurrentDataContext()->loginProvider();
    EXPECT_EQ(login->username, QStringLiteral("13800138000"));
    EXPECT_EQ(login->password, QStringLiteral("pw"));
    QMDataContext::CloseDataContext();
}
