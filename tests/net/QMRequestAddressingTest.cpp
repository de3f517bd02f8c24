#include "net/QMDataProvider.h"
#include "net/QMEncoderProvider.h"
#include "net/QMServiceAddress.h"

#include "QMBuildConfig.h"
#include "QMTestDocuments.h"

#include <gtest/gtest.h>

TEST(Digests, AreStandardLowerCaseMd5)
{
    EXPECT_EQ(QMEncoderProvider::GetMD5EncodeString(QString()),
              QStringLiteral("d41d8cd98f00b204e9800998ecf8427e"));
    EXPECT_EQ(QMEncoderProvider::GetMD5EncodeString(QStringLiteral("abc")),
              QStringLiteral("900150983cd24fb0d6963f7d28e17f72"));
    // Hashes UTF-8 bytes.
    EXPECT_EQ(QMEncoderProvider::GetMD5EncodeString(QStringLiteral("影院")),
              QStringLiteral("5a6834fe24c2a6fd6c6049875e1c6212"));
    // The worked figures with two dummy keys.
    EXPECT_EQ(QMEncoderProvider::GetMD5EncodeString(QStringLiteral("abc123def456qwerty-uiopas")),
              QStringLiteral("f7128fbb83549ef65eb6d78a31cd9a8f"));
    EXPECT_EQ(QMEncoderProvider::GetMD5EncodeString(
                  QStringLiteral("user@example.comsecret1qwerty-uiopas")),
              QStringLiteral("f65d5eb5974f340733680e9044a6eac4"));
}

TEST(Digests, WriteEveryByteAsTwoDigits)
{
    EXPECT_EQ(hexval(QByteArray("\x0a\x00\xff\x10", 4)), QStringLiteral("0a00ff10"));
    EXPECT_EQ(hexval(QByteArray()), QString());
}

TEST(Digests, OrdinaryAndBindingDigestsUseBothKeys)
{
    const QString keys = QStringLiteral(QM_PARTNER_KEY QM_PRIVATE_KEY);
    EXPECT_EQ(QMEncoderProvider::GetEncodeString(), QMEncoderProvider::GetMD5EncodeString(keys));
    EXPECT_EQ(QMEncoderProvider::GetEncodeString(), QMEncoderProvider::GetEncodeString());
    EXPECT_EQ(QMEncoderProvider::GetEncodeStringWithMpi(QString()),
              QMEncoderProvider::GetEncodeString());
    EXPECT_EQ(QMEncoderProvider::GetEncodeStringWithMpi(QStringLiteral("3000123")),
              QMEncoderProvider::GetMD5EncodeString(QStringLiteral("3000123") + keys));
    EXPECT_EQ(QMEncoderProvider::CorprationKey().size(), 12);
    EXPECT_EQ(QMEncoderProvider::PrivateKey().size(), 13);
}

TEST(Addresses, PathsByKind)
{
    EXPECT_TRUE(QMDataProvider::urlForRequest(7).endsWith(
        QStringLiteral("/shanghai/api/movie/playNowMovieList.xhtml?")));
    EXPECT_TRUE(
        QMDataProvider::urlForRequest(0).endsWith(QStringLiteral("cinema/cinemaList.xhtml?")));
    EXPECT_TRUE(
        QMDataProvider::urlForRequest(34).endsWith(QStringLiteral("MyQuel/comment.xhtml?")));
    EXPECT_TRUE(QMDataProvider::urlForRequest(35).isNull());
    EXPECT_TRUE(QMDataProvider::urlForRequest(-1).isNull());
    EXPECT_EQ(QMDataProvider::regionCode(), QStringLiteral("310000"));
    EXPECT_TRUE(QMDataProvider::imageServer().isEmpty());
}

TEST(Addresses, LoginFilesLiveInTheDocumentsDirectory)
{
    QMTestDocuments documents;
    EXPECT_EQ(QMDataProvider::fileForCache(1), documents.filePath(QStringLiteral("LogInfo")));
    EXPECT_EQ(QMDataProvider::fileForCache(0), documents.filePath(QStringLiteral("UserInfo")));
    EXPECT_TRUE(QMDataProvider::fileForCache(2).isNull());
}

TEST(Addresses, ComposeParametersInOrderWithoutTrailingSeparator)
{
    const QString address = QMServiceAddress(8)
                                .add(QLatin1StringView("charging"), QStringLiteral("times"))
                                .add(QLatin1StringView("from"), 0)
                                .add(QLatin1StringView("maxnum"), 20)
                                .addKey()
                                .addEncryptCode()
                                .addCoordinate(QLatin1StringView("pointx"), 121.4737)
                                .addCoordinate(QLatin1StringView("pointy"), 0)
                                .toString();
    EXPECT_EQ(
        address,
        QMDataProvider::urlForRequest(8) +
            QStringLiteral("charging=times&from=0&maxnum=20&key=" QM_PARTNER_KEY "&encryptCode=") +
            QMEncoderProvider::GetEncodeString() + QStringLiteral("&pointx=121.474&pointy=0.000"));
    EXPECT_TRUE(QMServiceAddress(35).add(QLatin1StringView("a"), 1).toString().isNull());
}

TEST(Addresses, EscapeUserTextOneValueAtATime)
{
    EXPECT_EQ(QMServiceAddress::escapeValue(QStringLiteral("a b&c=d%e+f/g?h#")),
              QStringLiteral("a%20b%26c%3Dd%25e%2Bf%2Fg%3Fh%23"));
    EXPECT_EQ(QMServiceAddress::escapeValue(QStringLiteral("AZaz09-._~")),
              QStringLiteral("AZaz09-._~"));
    EXPECT_EQ(QMServiceAddress::escapeValue(QStringLiteral("好")), QStringLiteral("%E5%A5%BD"));
    EXPECT_EQ(QMServiceAddress::escapeValue(QStringLiteral("\t\n\x01\x7f")),
              QStringLiteral("%09%0A%01%7F"));
    // Seat labels keep their separators as the service splits them.
    EXPECT_EQ(QMServiceAddress::escapeValue(QStringLiteral("3:5,3:6")), QStringLiteral("3:5,3:6"));

    const QMServiceAddress address =
        QMServiceAddress(21)
            .addUserText(QLatin1StringView("body"), QStringLiteral("好 看!&x=1"))
            .add(QLatin1StringView("seatLabel"), QStringLiteral("3:5,3:6"))
            .addKey()
            .addEncryptCode();
    EXPECT_TRUE(address.toString().contains(
        QStringLiteral("body=%E5%A5%BD%20%E7%9C%8B%21%26x%3D1&seatLabel=3:5,3:6&")));
    const QUrl url = address.toUrl();
    ASSERT_TRUE(url.isValid());
    // Sent exactly as composed: nothing escaped twice, nothing unescaped.
    EXPECT_EQ(QString::fromLatin1(url.toEncoded()), address.toString());
}

TEST(Addresses, RawNonAsciiOrSpacesMakeNoUrl)
{
    EXPECT_FALSE(QMServiceAddress(13)
                     .add(QLatin1StringView("username"), QStringLiteral("张三"))
                     .toUrl()
                     .isValid());
    EXPECT_FALSE(QMServiceAddress(13)
                     .add(QLatin1StringView("username"), QStringLiteral("a b"))
                     .toUrl()
                     .isValid());
    EXPECT_FALSE(QMServiceAddress(99).toUrl().isValid());
}

TEST(DataProvider, IsASingletonThatCanBeClosedAndRecreated)
{
    QMDataProvider *first = QMDataProvider::DataProvider();
    EXPECT_EQ(QMDataProvider::DataProvider(), first);
    EXPECT_FALSE(first->isLogged());
    EXPECT_FALSE(first->isRegistered());
    first->setIsLogged(true);
    first->setIsRegistered(true);
    QMDataProvider::CloseDataProvider();
    QMDataProvider *second = QMDataProvider::DataProvider();
    EXPECT_FALSE(second->isLogged());
    EXPECT_FALSE(second->isRegistered());
}
