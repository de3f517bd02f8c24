#include "app/QMMainAppDelegate.h"
#include "app/QMTour.h"
#include "kit/QMAccessibilityAudit.h"
#include "kit/QMActivityIndicatorView.h"
#include "kit/QMAlertView.h"
#include "kit/QMWindow.h"
#include "net/QMDataProvider.h"

#include "QMAppTestCase.h"
#include "QMTestDocuments.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

// The screenshot tour of the whole client against the stand-in service, with an accessibility
// audit of every screen it reaches.
namespace {

class Tour : public QMAppTestCase
{
protected:
    static QByteArray digest(const QImage &image)
    {
        const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
        return QCryptographicHash::hash(
            QByteArrayView(reinterpret_cast<const char *>(pixels.constBits()),
                           pixels.sizeInBytes()),
            QCryptographicHash::Sha1);
    }
    static bool isBusy(const QWidget *window)
    {
        const QList<QMActivityIndicatorView *> spinners =
            window->findChildren<QMActivityIndicatorView *>();
        return std::any_of(spinners.begin(), spinners.end(), [](const auto *spinner) {
            return spinner->isVisible() && spinner->isAnimating();
        });
    }
};

TEST_F(Tour, ReachesEveryScreenAndWritesOnePictureOfEachOnceItsAnswersAreIn)
{
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QMTour tour(delegate.get(), out.filePath(QStringLiteral("tour")));

    // What the window showed on each screen, seen through the hook.
    QStringList reached;
    std::map<QString, QImage> seen;
    QObject::connect(&tour, &QMTour::screenReached, [&](const QString &name, QWidget *window) {
        reached.append(name);
        EXPECT_EQ(window, delegate->window());
        EXPECT_FALSE(isBusy(window)) << name.toStdString() << " still waits for its answers";
        EXPECT_TRUE(QMAlertView::visibleAlerts().isEmpty()) << name.toStdString();
        // A screen reader finds a name on every control of every screen.
        EXPECT_EQ(QMAccessibilityAudit::unnamedControls(window), QStringList())
            << name.toStdString();
        seen[name] = delegate->window()->screenshot();
    });
    const bool walked = tour.run();
    ASSERT_TRUE(walked) << tour.failedScreen().toStdString() << ": "
                        << tour.failure().toStdString();
    EXPECT_TRUE(tour.failedScreen().isEmpty());
    ASSERT_EQ(reached, QMTour::screenNames());

    const QSize windowSize = delegate->window()->screenshot().size();
    std::map<QByteArray, QString> pictures; // a screen the tour did not leave repeats a picture
    const QDir dir(tour.directory());
    for (int index = 0; index < reached.size(); ++index) {
        const QString name = reached[index];
        const QString file = dir.filePath(QMTour::fileName(index));
        EXPECT_TRUE(file.endsWith(QStringLiteral("-%1.png").arg(name))) << file.toStdString();
        QImage picture;
        ASSERT_TRUE(picture.load(file)) << file.toStdString();
        EXPECT_EQ(picture.size(), windowSize) << file.toStdString();
        EXPECT_EQ(digest(picture), digest(seen[name])) << file.toStdString();
        const auto [same, isNew] = pictures.emplace(digest(picture), name);
        EXPECT_TRUE(isNew) << name.toStdString() << " looks like " << same->second.toStdString();
    }
    EXPECT_EQ(dir.entryList(QDir::Files).size(), reached.size());

    // The tour only looks: no order, comment, reply, follow, plan or profile change was sent.
    const QString requests = service->log();
    for (const char *write : {"addTicketOrder", "commentAdd", "reCommentAdd", "saveMemberInfo",
                              "collectAdd", "collectDel", "addAgenda", "signPoint", "savereg"})
        EXPECT_FALSE(requests.contains(QLatin1String(write))) << write;
}

class TourMidway : public QMAppTestCase
{
};

// The service goes away while the member types: the sign-in's alert ends the tour at once, on the
// screen it was going to, with the client's words.
TEST_F(TourMidway, StopsOnTheScreenWhoseAnswerFailedAndQuotesTheClientsAlert)
{
    QTemporaryDir out;
    QMTour tour(delegate.get(), out.filePath(QStringLiteral("tour")));
    QObject::connect(&tour, &QMTour::screenReached, [&](const QString &name) {
        if (name == QStringLiteral("sign-in"))
            service->stop();
    });
    EXPECT_FALSE(tour.run());
    EXPECT_EQ(tour.failedScreen(), QStringLiteral("comment-write"));
    EXPECT_TRUE(tour.failure().contains(QStringLiteral("与后台通讯错误")))
        << tour.failure().toStdString();
    const QStringList written = QDir(tour.directory()).entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(written.size(), 5);
    EXPECT_EQ(written.last(), QMTour::fileName(4));
    EXPECT_TRUE(written.last().endsWith(QStringLiteral("-sign-in.png")));
}

// A client whose service never answers: the tour stops on the first screen and names it.
TEST(TourWithoutService, NamesTheFirstScreenItCannotReachAndWritesNoPicture)
{
    QMTestDocuments documents;
    QMDataProvider::setBaseAddressForTesting(QStringLiteral("http://127.0.0.1:9/shanghai/api/"));
    {
        QMMainAppDelegate application;
        ASSERT_TRUE(application.applicationDidFinishLaunching());
        QTemporaryDir out;
        QMTour tour(&application, out.filePath(QStringLiteral("tour")));
        tour.setScreenTimeout(1500);
        int reached = 0;
        QObject::connect(&tour, &QMTour::screenReached, [&reached] { ++reached; });
        EXPECT_FALSE(tour.run());
        EXPECT_EQ(tour.failedScreen(), QStringLiteral("shelf"));
        EXPECT_FALSE(tour.failure().isEmpty());
        EXPECT_EQ(reached, 0);
        EXPECT_TRUE(QDir(tour.directory()).entryList(QDir::Files).isEmpty());
    }
    QMDataProvider::setBaseAddressForTesting({});
}

} // namespace
