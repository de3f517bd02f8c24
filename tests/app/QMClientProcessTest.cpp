#include "QMTestService.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The client as a user starts it: its own process, its own documents directory.
namespace {
struct ClientRun
{
    int exitCode = -1; // -1: crashed or did not end
    QString out;
    QString err;
};

ClientRun run(const QString &binary, const QStringList &arguments,
              const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProgram(binary);
    process.setArguments(arguments);
    process.setProcessEnvironment(environment);
    process.start();
    ClientRun result;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
    } else if (process.exitStatus() == QProcess::NormalExit) {
        result.exitCode = process.exitCode();
    }
    result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    result.err = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

// Offscreen, with a home (and so a documents directory) of its own, and no fixed position
// unless a test gives one.
QProcessEnvironment environmentIn(const QTemporaryDir &home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.remove(QStringLiteral("QM_POSITION"));
    return environment;
}

const QString client = QStringLiteral(QM_CLIENT_BINARY);
const QString e2eClient = QStringLiteral(QM_E2E_CLIENT_BINARY);

// The posters a stretch of the service's log shows it served.
QStringList postersServed(const QString &log)
{
    static const QRegularExpression poster(QStringLiteral("GET (/pictures/m\\d+\\.jpg) 200"));
    QStringList paths;
    for (auto it = poster.globalMatch(log); it.hasNext();)
        paths.append(it.next().captured(1));
    return paths;
}

// The addresses in the picture index the client left under home.
QStringList indexedAddresses(const QTemporaryDir &home)
{
    QDirIterator files(home.path(), {QStringLiteral("imageDict")}, QDir::Files,
                       QDirIterator::Subdirectories);
    if (!files.hasNext())
        return {};
    QFile index(files.next());
    if (!index.open(QIODevice::ReadOnly))
        return {};
    QStringList addresses;
    for (const QJsonValue &entry : QJsonDocument::fromJson(index.readAll()).array())
        addresses.append(entry[QLatin1String("url")].toString());
    return addresses;
}
} // namespace

TEST(ClientCommandLine, HelpTellsWhereThePositionComesFrom)
{
    QTemporaryDir home;
    const ClientRun help = run(client, {QStringLiteral("--help")}, environmentIn(home));
    EXPECT_EQ(help.exitCode, 0) << help.err.toStdString();
    for (const char *mention :
         {"--position", "LAT,LON", "QM_POSITION", "QM_NMEA_FILE", "--tour", "--screenshot"})
        EXPECT_TRUE(help.out.contains(QLatin1String(mention))) << mention;
}

TEST(ClientCommandLine, AMalformedPositionIsAClearErrorWithStatusTwo)
{
    QTemporaryDir home;
    for (const char *bad :
         {"north", "", "31.2304", "31.2304;121.4737", "91,121", "31,-180.5", "nan,0", "1e3,0"}) {
        const ClientRun started = run(
            client, {QStringLiteral("--position"), QString::fromUtf8(bad)}, environmentIn(home));
        EXPECT_EQ(started.exitCode, 2) << bad;
        const QString said =
            QStringLiteral("qmclient: --position \"%1\": ").arg(QString::fromUtf8(bad));
        EXPECT_TRUE(started.err.startsWith(said) || started.err.contains(u'\n' + said))
            << started.err.toStdString();
    }

    // The environment's position is checked the same way, unless the command line gives one.
    QProcessEnvironment environment = environmentIn(home);
    environment.insert(QStringLiteral("QM_POSITION"), QStringLiteral("People's Square"));
    const ClientRun fromEnvironment = run(client, {}, environment);
    EXPECT_EQ(fromEnvironment.exitCode, 2);
    EXPECT_TRUE(fromEnvironment.err.contains(QStringLiteral("QM_POSITION \"People's Square\"")))
        << fromEnvironment.err.toStdString();

    const QString shot = home.filePath(QStringLiteral("shot.png"));
    const ClientRun overridden = run(
        client,
        {QStringLiteral("--position"), QStringLiteral("31.2304,121.4737"),
         QStringLiteral("--screenshot"), shot, QStringLiteral("--delay"), QStringLiteral("200")},
        environment);
    EXPECT_EQ(overridden.exitCode, 0) << overridden.err.toStdString();
    EXPECT_TRUE(QFile::exists(shot));
}

TEST(ClientCommandLine, ATourThatCannotWriteItsPicturesSaysWhyWithStatusThree)
{
    QTemporaryDir home;
    const QString occupied = home.filePath(QStringLiteral("pictures"));
    QFile file(occupied);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)); // a file where the directory should be
    file.close();
    const ClientRun tour = run(client, {QStringLiteral("--tour"), occupied}, environmentIn(home));
    EXPECT_EQ(tour.exitCode, 3) << tour.err.toStdString();
    EXPECT_TRUE(tour.err.contains(QStringLiteral("tour: cannot make the directory ") + occupied))
        << tour.err.toStdString();
}

TEST(ClientCommandLine, TheScaleIsCheckedAppliedAndKeptForTheNextStarts)
{
    QTemporaryDir home;
    QProcessEnvironment environment = environmentIn(home);
    environment.remove(QStringLiteral("QT_SCALE_FACTOR"));
    for (const char *bad : {"0", "-1", "x", "100", ""}) {
        const ClientRun started =
            run(client, {QStringLiteral("--scale"), QString::fromUtf8(bad)}, environment);
        EXPECT_EQ(started.exitCode, 2) << bad;
        EXPECT_TRUE(started.err.startsWith(
            QStringLiteral("qmclient: --scale \"%1\": a whole number from 1 to 4 is expected")
                .arg(QString::fromUtf8(bad))))
            << started.err.toStdString();
    }

    const QString shot = home.filePath(QStringLiteral("shot.png"));
    const auto screenshotSize = [&](QStringList arguments, const QProcessEnvironment &env) {
        QFile::remove(shot);
        arguments << QStringLiteral("--screenshot") << shot << QStringLiteral("--delay")
                  << QStringLiteral("100");
        const ClientRun started = run(client, arguments, env);
        EXPECT_EQ(started.exitCode, 0) << started.err.toStdString();
        return QImage(shot).size();
    };
    // The first start measures the screen (offscreen: 800 x 600) and keeps 1.
    EXPECT_EQ(screenshotSize({}, environment), QSize(320, 480));
    EXPECT_EQ(screenshotSize({QStringLiteral("--scale"), QStringLiteral("2")}, environment),
              QSize(640, 960));
    EXPECT_EQ(screenshotSize({}, environment), QSize(640, 960)) << "the choice is kept";
    QProcessEnvironment scaled = environment;
    scaled.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("1"));
    EXPECT_EQ(screenshotSize({}, scaled), QSize(320, 480)) << "the environment's scale goes first";
    EXPECT_EQ(screenshotSize({QStringLiteral("--scale=3")}, scaled), QSize(960, 1440));
}

// A user quits the client (here through --screenshot, which quits like the window's close
// button) and starts it again: the posters of the first run come from the files.
TEST(ClientRestart, PostersOfTheFirstRunAreNotFetchedAgain)
{
    QMTestService service;
    ASSERT_TRUE(service.isRunning()) << service.log().toStdString();
    QTemporaryDir home;
    QProcessEnvironment environment = environmentIn(home);
    environment.insert(QStringLiteral("QM_TEST_SERVICE_URL"), service.baseUrl());
    environment.insert(QStringLiteral("QM_POSITION"), QStringLiteral("31.2304,121.4737"));
    const QStringList arguments = {QStringLiteral("--screenshot"),
                                   home.filePath(QStringLiteral("shelf.png")),
                                   QStringLiteral("--delay"), QStringLiteral("6000")};

    const ClientRun first = run(e2eClient, arguments, environment);
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    const QString firstLog = service.log();
    const QStringList served = postersServed(firstLog);
    ASSERT_FALSE(served.isEmpty()) << firstLog.toStdString();
    const QStringList indexed = indexedAddresses(home);
    for (const QString &path : served) {
        EXPECT_TRUE(std::any_of(indexed.cbegin(), indexed.cend(),
                                [&](const QString &url) { return url.endsWith(path); }))
            << path.toStdString() << " is not in the index";
    }

    const ClientRun second = run(e2eClient, arguments, environment);
    ASSERT_EQ(second.exitCode, 0) << second.err.toStdString();
    const QString secondLog = service.log().mid(firstLog.size());
    EXPECT_TRUE(secondLog.contains(QStringLiteral("playNowMovieList"))) << secondLog.toStdString();
    EXPECT_EQ(postersServed(secondLog), QStringList()) << secondLog.toStdString();
}
