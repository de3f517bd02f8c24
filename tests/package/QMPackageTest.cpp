#include "QMServiceClient.h"
#include "QMTestService.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <memory>

// The Debian package as a user gets it: built by CPack from this build, read with dpkg-deb,
// unpacked into a temporary root and started from there.
namespace {

const QList<int> kIconSizes = {16, 32, 48, 64, 128, 256};

struct ToolRun
{
    int exitCode = -1; // -1: crashed, could not start or did not end
    QByteArray out;
    QByteArray err;
};

ToolRun runTool(const QString &program, const QStringList &arguments,
                const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ToolRun result;
    if (!process.waitForFinished(180000)) {
        process.kill();
        process.waitForFinished();
    } else if (process.exitStatus() == QProcess::NormalExit) {
        result.exitCode = process.exitCode();
    }
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

// Paths of the files (not folders) in a `dpkg-deb -c` listing, without the leading "./".
QSet<QString> filesListed(const QByteArray &listing)
{
    QSet<QString> files;
    for (const QByteArray &line : listing.split('\n')) {
        const qsizetype at = line.indexOf(" ./");
        if (at < 0 || line.endsWith('/'))
            continue;
        QString path = QString::fromUtf8(line.mid(at + 3));
        // A symbolic link reads "name -> target".
        path = path.section(QStringLiteral(" -> "), 0, 0);
        files.insert(path);
    }
    return files;
}

// The files under a folder, relative to it.
QSet<QString> filesUnder(const QString &root)
{
    QSet<QString> files;
    QDirIterator it(root, QDir::Files | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.insert(QDir(root).relativeFilePath(it.next()));
    return files;
}

// Key=value lines of a desktop entry or a unit file.
QHash<QString, QString> desktopEntry(const QString &path)
{
    QFile file(path);
    QHash<QString, QString> entry;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return entry;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0 && !line.startsWith(QLatin1Char('#')))
            entry.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return entry;
}

} // namespace

class QMPackageTest : public ::testing::Test
{
protected:
    // The package is built and unpacked once for the whole suite.
    static void SetUpTestSuite()
    {
        s_dir = std::make_unique<QTemporaryDir>();
        const ToolRun cpack =
            runTool(QStringLiteral(QM_CPACK),
                    {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                     QStringLiteral(QM_BUILD_DIR "/CPackConfig.cmake"), QStringLiteral("-B"),
                     s_dir->filePath(QStringLiteral("cpack"))});
        s_cpackLog = QString::fromUtf8(cpack.out + cpack.err);
        const QStringList debs =
            QDir(s_dir->filePath(QStringLiteral("cpack"))).entryList({QStringLiteral("*.deb")});
        if (cpack.exitCode != 0 || debs.size() != 1)
            return;
        s_deb = s_dir->filePath(QStringLiteral("cpack/") + debs.first());
        s_root = s_dir->filePath(QStringLiteral("root"));
        if (runTool(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), s_deb, s_root}).exitCode)
            s_root.clear();
    }

    static void TearDownTestSuite() { s_dir.reset(); }

    void SetUp() override
    {
        ASSERT_FALSE(s_deb.isEmpty()) << "cpack did not build one package:\n"
                                      << s_cpackLog.toStdString();
        ASSERT_FALSE(s_root.isEmpty()) << "dpkg-deb could not unpack " << s_deb.toStdString();
    }

    static QString field(const QString &name)
    {
        return QString::fromUtf8(
            runTool(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), s_deb, name}).out.trimmed());
    }

    static QString installed(const QString &path)
    {
        return s_root + QStringLiteral("/usr/") + path;
    }

    static inline std::unique_ptr<QTemporaryDir> s_dir;
    static inline QString s_deb;
    static inline QString s_root;
    static inline QString s_cpackLog;
};

TEST_F(QMPackageTest, HoldsTheProgramsTheDesktopEntryAndEveryIconAndNothingElse)
{
    const ToolRun listing = runTool(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), s_deb});
    ASSERT_EQ(listing.exitCode, 0) << listing.err.toStdString();
    const QSet<QString> files = filesListed(listing.out);

    QSet<QString> expected = {
        QStringLiteral("usr/bin/qmclient"),
        QStringLiteral("usr/bin/qm-service"),
        QStringLiteral("usr/lib/qmclient/libqm_core.so"),
        QStringLiteral("usr/share/applications/qmclient.desktop"),
        QStringLiteral("usr/share/icons/hicolor/scalable/apps/qmclient.svg"),
        QStringLiteral("usr/share/qmclient/shanghai-walk.nmea"),
        QStringLiteral("usr/lib/systemd/user/qm-service.service"),
    };
    for (const int size : kIconSizes)
        expected.insert(
            QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/qmclient.png").arg(size));
    // Exactly these: a test program, a benchmark, a fuzzer or a header would be one more.
    QStringList missing, extra;
    for (const QString &file : expected) {
        if (!files.contains(file))
            missing.append(file);
    }
    for (const QString &file : files) {
        if (!expected.contains(file))
            extra.append(file);
    }
    EXPECT_TRUE(missing.isEmpty()) << "missing: " << missing.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(extra.isEmpty()) << "not expected: " << extra.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(filesUnder(s_root + QStringLiteral("/usr")).size(), files.size());

    // `cmake --install` puts the same files in place under any prefix.
    QTemporaryDir prefix;
    const ToolRun install = runTool(QStringLiteral(QM_CMAKE),
                                    {QStringLiteral("--install"), QStringLiteral(QM_BUILD_DIR),
                                     QStringLiteral("--prefix"), prefix.path()});
    ASSERT_EQ(install.exitCode, 0) << install.err.toStdString();
    QSet<QString> underUsr;
    for (const QString &file : files)
        underUsr.insert(file.mid(4));
    EXPECT_EQ(filesUnder(prefix.path()), underUsr);
}

TEST_F(QMPackageTest, DeclaresWhatItNeedsAndWhoMadeIt)
{
    // "name (>= version), name, ...": the names.
    const QString depends = field(QStringLiteral("Depends"));
    QSet<QString> names;
    for (const QString &item : depends.split(QLatin1Char(',')))
        names.insert(item.trimmed().section(QLatin1Char(' '), 0, 0));
    // From the programs' libraries (dpkg-shlibdeps) and by hand: fonts and the position plugins.
    for (const char *package :
         {"libqt6widgets6", "libqt6gui6", "libqt6network6", "libqt6positioning6", "libsqlite3-0",
          "libexpat1", "fonts-noto-cjk", "libqt6positioning6-plugins"})
        EXPECT_TRUE(names.contains(QLatin1String(package)))
            << package << " missing from: " << depends.toStdString();

    EXPECT_EQ(field(QStringLiteral("Package")), QStringLiteral("qmclient"));
    const ToolRun arch = runTool(QStringLiteral("dpkg"), {QStringLiteral("--print-architecture")});
    EXPECT_EQ(field(QStringLiteral("Architecture")), QString::fromUtf8(arch.out.trimmed()));
    EXPECT_FALSE(field(QStringLiteral("Maintainer")).isEmpty());
    EXPECT_FALSE(field(QStringLiteral("Section")).isEmpty());
    // A description of one summary line and a body, none of it a CMake list.
    const QString description = field(QStringLiteral("Description"));
    EXPECT_GE(description.count(QLatin1Char('\n')), 1) << description.toStdString();
    EXPECT_FALSE(description.contains(QLatin1Char(';'))) << description.toStdString();

    // The service's session unit is switched on with the package and off with its removal.
    const auto script = [](const char *name) {
        return QString::fromUtf8(
            runTool(QStringLiteral("dpkg-deb"), {QStringLiteral("-I"), s_deb, QLatin1String(name)})
                .out);
    };
    EXPECT_TRUE(script("postinst").contains(QStringLiteral("--user enable qm-service.service")));
    EXPECT_TRUE(script("postrm").contains(QStringLiteral("--user mask qm-service.service")));
    const QHash<QString, QString> unit =
        desktopEntry(installed(QStringLiteral("lib/systemd/user/qm-service.service")));
    const QString service = unit.value(QStringLiteral("ExecStart")).section(QLatin1Char(' '), 0, 0);
    EXPECT_TRUE(QFileInfo(installed(QStringLiteral("bin/") + service)).isExecutable())
        << service.toStdString();
}

TEST_F(QMPackageTest, DesktopEntryStartsTheInstalledClientWithItsIcon)
{
    const QString path = installed(QStringLiteral("share/applications/qmclient.desktop"));
    const QHash<QString, QString> entry = desktopEntry(path);
    EXPECT_EQ(entry.value(QStringLiteral("Type")), QStringLiteral("Application"));
    EXPECT_EQ(entry.value(QStringLiteral("Name[zh_CN]")), QStringLiteral("奎玛电影"));
    EXPECT_FALSE(entry.value(QStringLiteral("Name")).isEmpty());
    EXPECT_EQ(entry.value(QStringLiteral("Terminal")), QStringLiteral("false"));
    EXPECT_FALSE(entry.value(QStringLiteral("Categories")).isEmpty());
    const QString program = entry.value(QStringLiteral("Exec")).section(QLatin1Char(' '), 0, 0);
    EXPECT_EQ(program, QStringLiteral("qmclient"));
    EXPECT_TRUE(QFileInfo(installed(QStringLiteral("bin/") + program)).isExecutable());

    const QString icon = entry.value(QStringLiteral("Icon"));
    ASSERT_EQ(icon, QStringLiteral("qmclient"));
    for (const int size : kIconSizes) {
        const QImage image(
            installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(icon)));
        ASSERT_FALSE(image.isNull()) << size;
        EXPECT_EQ(image.size(), QSize(size, size));
        // A tile with clear corners, solid in the middle.
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size - size / 4)), 255) << size;
    }
    QFile svg(installed(QStringLiteral("share/icons/hicolor/scalable/apps/qmclient.svg")));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    ASSERT_TRUE(xml.readNextStartElement());
    EXPECT_EQ(xml.name(), QLatin1String("svg"));
    while (!xml.atEnd())
        xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
}

TEST_F(QMPackageTest, DesktopEntryPassesTheValidator)
{
    const QString validator =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        GTEST_SKIP() << "desktop-file-validate is not installed (desktop-file-utils)";
    const ToolRun run =
        runTool(validator, {installed(QStringLiteral("share/applications/qmclient.desktop"))});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ((run.out + run.err).toStdString(), "");
}

TEST_F(QMPackageTest, InstalledClientStartsFromItsOwnTree)
{
    const QString client = installed(QStringLiteral("bin/qmclient"));
    // Its library is the one beside it, not the build's.
    const ToolRun ldd = runTool(QStringLiteral("ldd"), {client});
    ASSERT_EQ(ldd.exitCode, 0);
    const QString libraries = QString::fromUtf8(ldd.out);
    EXPECT_TRUE(libraries.contains(QStringLiteral("libqm_core.so => ") + s_root))
        << libraries.toStdString();
    EXPECT_FALSE(libraries.contains(QStringLiteral("not found"))) << libraries.toStdString();

    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.remove(QStringLiteral("LD_LIBRARY_PATH"));
    const QString shot = home.filePath(QStringLiteral("shot.png"));
    const ToolRun run = runTool(client,
                                {QStringLiteral("--position"), QStringLiteral("31.2304,121.4737"),
                                 QStringLiteral("--screenshot"), shot, QStringLiteral("--delay"),
                                 QStringLiteral("1500")},
                                environment);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    // A phone-shaped picture with something drawn on it: the pictures came with the library.
    const QImage image = QImage(shot).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width() * 3, image.height() * 2);
    QHash<QRgb, int> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ++colours[image.pixel(x, y)];
    }
    int commonest = 0;
    for (const int count : colours)
        commonest = std::max(commonest, count);
    EXPECT_GT(colours.size(), 64);
    EXPECT_LT(commonest, image.width() * image.height() * 9 / 10);
}

TEST_F(QMPackageTest, InstalledServiceServesItsSampleData)
{
    QMTestService service({}, {}, installed(QStringLiteral("bin/qm-service")));
    ASSERT_TRUE(service.isRunning()) << service.log().toStdString();

    // The demo member signs in, and the shelf's posters, drawn at seeding with the fonts and
    // written through Qt's JPEG plugin, are served.
    const QMServiceClient client(service.port());
    EXPECT_FALSE(client.signIn(QStringLiteral("demo@example.com"), QStringLiteral("demo123"))
                     .first.isEmpty());
    const QList<QMXmlNode> films = client.send(7, {}).items();
    ASSERT_FALSE(films.isEmpty());
    const QUrl address(films.first().value(QStringLiteral("smalllogo")));
    const QMServiceClient::Answer poster = client.get(address.path().toUtf8());
    EXPECT_EQ(poster.status, 200);
    EXPECT_FALSE(QImage::fromData(poster.body, "JPEG").isNull());
}
