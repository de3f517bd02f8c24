#include "films/QMMoviePlayCinemaViewController.h"
#include "films/QMMovieViewController.h"
#include "films/Simplemovie.h"
#include "kit/QMNavigationController.h"
#include "kit/QMTabBarController.h"
#include "kit/QMWheelPicker.h"

#include "QMAppTestCase.h"
#include "QMTestCinemas.h"

#include <QSet>
#include <QTest>

namespace {

// The cinemas showing the shelf's first film, pushed on the films tab of the whole client.
class FilmCinemasOnService : public QMAppTestCase
{
protected:
    void SetUp() override
    {
        QMAppTestCase::SetUp();
        if (HasFatalFailure())
            return;
        QMMovieViewController *shelf = delegate->movieViewController();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !shelf->movieArray().isEmpty(); }, 20000));
        auto screenOwned = std::make_unique<QMMoviePlayCinemaViewController>();
        screen = screenOwned.get();
        screen->selectMovie = std::make_shared<movie>(*shelf->movieArray().first());
        shelf->navigationController()->push(std::move(screenOwned), false);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !screen->awaitsFilmList(); }, 20000));
        ASSERT_FALSE(screen->tmCinemaArray().isEmpty());
    }

    static QSet<QString> idsOf(const QList<std::shared_ptr<SimpleCinema>> &cinemas)
    {
        const QStringList ids = cinemaIds(cinemas);
        return QSet<QString>(ids.begin(), ids.end());
    }

    QMMoviePlayCinemaViewController *screen = nullptr;
};

} // namespace

TEST_F(FilmCinemasOnService, NarrowedToADistrictTheFilmsCinemasAreInBothLists)
{
    QTest::qWait(300);
    screenshot(QStringLiteral("film-cinemas.png"));
    const QSet<QString> filmCinemas = idsOf(screen->tmCinemaArray());

    // A district with at least one of the film's cinemas.
    QTest::mouseClick(screen->districtButton(), Qt::LeftButton);
    QMPickerView *overlay = screen->districtChooser()->pickerView();
    ASSERT_TRUE(QTest::qWaitFor([&] { return overlay->isInWindow(); }, 20000));
    const QString address = screen->tmCinemaArray().last()->address;
    int row = -1;
    for (int i = 0; i < screen->districtChooser()->districtDictionary().count(); ++i) {
        if (address.startsWith(screen->districtChooser()->districtDictionary().nameAt(i)))
            row = i;
    }
    ASSERT_GE(row, 0) << address.toStdString();
    const QString district = screen->districtChooser()->districtDictionary().nameAt(row);
    overlay->pickerView()->selectRow(row, 0, true);
    QTest::mouseClick(overlay->confirmButton(), Qt::LeftButton);

    QSet<QString> inDistrict;
    for (const auto &cinema : serviceCatalogue()) {
        if (cinema->address.startsWith(district))
            inDistrict.insert(cinema->cinemaid);
    }
    const QSet<QString> expected = filmCinemas & inDistrict;
    ASSERT_FALSE(expected.isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return idsOf(screen->cinemaArray()) == expected; }, 20000));
    EXPECT_TRUE(idsOf(screen->cinemaArray()).subtract(filmCinemas).isEmpty());
    EXPECT_TRUE(idsOf(screen->cinemaArray()).subtract(inDistrict).isEmpty());

    // Near the walk: the film's cinemas among the near ones, each with the service's distance.
    QTest::mouseClick(screen->nearButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return !screen->cinemaArray().isEmpty() &&
                   std::all_of(screen->cinemaArray().begin(), screen->cinemaArray().end(),
                               [](const auto &cinema) { return cinema->distance > 0; });
        },
        20000));
    EXPECT_TRUE(idsOf(screen->cinemaArray()).subtract(filmCinemas).isEmpty());
    QTest::qWait(300);
    screenshot(QStringLiteral("film-cinemas-near.png"));

    QTest::mouseClick(screen->allCinemaButton(), Qt::LeftButton);
    EXPECT_EQ(cinemaIds(screen->cinemaArray()), cinemaIds(screen->tmCinemaArray()));
}

TEST_F(FilmCinemasOnService, TheSynopsisTabShowsTheServicesSynopsis)
{
    QTest::mouseClick(screen->synopsisTabButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !screen->selectMovie->content.isEmpty(); }, 20000));
    EXPECT_EQ(screen->synopsisView()->text(), screen->selectMovie->content);
    QTest::qWait(300);
    screenshot(QStringLiteral("film-synopsis.png"));
}
