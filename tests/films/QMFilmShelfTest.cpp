#include "films/QMMovieOpenFlowView.h"
#include "films/QMMovieViewController.h"
#include "films/openflow/TPOpenFlowView.h"
#include "services/QMImageCache.h"

#include "QMTestDocuments.h"

#include <QDir>
#include <QFontMetricsF>
#include <QLabel>

#include <gtest/gtest.h>

namespace {
std::shared_ptr<Simplemovie> film(const QString &name, const QString &actors = QStringLiteral("甲"))
{
    auto f = std::make_shared<Simplemovie>();
    f->moviename = name;
    f->director = QStringLiteral("导演") + name;
    f->actors = actors;
    f->length = QStringLiteral("100分钟");
    f->generalmark = QStringLiteral("8.5");
    f->cinemanum = 12;
    f->cinemanum = 12;
    f->ordercinemanum = 5;
    f->smalllogo = QStringLiteral("poster-") + name; // not fetchable: covers keep the placeholder
    return f;
}

QList<std::shared_ptr<Simplemovie>> films(int count)
{
    QList<std::shared_ptr<Simplemovie>> list;
    for (int i = 1; i <= count; ++i)
        list.append(film(QStringLiteral("F%1").arg(i)));
    return list;
}

QStringList names(const QList<std::shared_ptr<Simplemovie>> &list)
{
    QStringList result;
    for (const auto &f : list)
        result.append(f->moviename);
    return result;
}

class Shelf : public ::testing::Test
{
protected:
    void TearDown() override { QMImageCache::CloseCache(); }
    QMTestDocuments documents;
    QMMovieOpenFlowView view{QRect(0, 0, 320, 440)};
};
} // namespace

TEST(ShelfOrder, PutsTheLastTwoFilmsFirst)
{
    EXPECT_EQ(names(QMMovieViewController::shelfOrder(films(5))),
              QStringList({"F4", "F5", "F1", "F2", "F3"}));
    EXPECT_EQ(names(QMMovieViewController::shelfOrder(films(2))), QStringList({"F1", "F2"}));
    EXPECT_EQ(names(QMMovieViewController::shelfOrder(films(1))), QStringList({"F1"}));
    EXPECT_TRUE(QMMovieViewController::shelfOrder({}).isEmpty());
}

TEST_F(Shelf, SelectsAndDescribesTheServicesFirstFilm)
{
    view.setMovieArray(QMMovieViewController::shelfOrder(films(5)));
    EXPECT_EQ(view.openFlowView()->numberOfImages(), 5);
    EXPECT_EQ(view.openFlowView()->selectedCover(), 2);
    EXPECT_EQ(view.titleLabel()->text(), QStringLiteral("F1"));
    EXPECT_EQ(view.scoreLabel()->text(), QStringLiteral("8.5"));
    EXPECT_EQ(
        view.descriptionLabel()->text(),
        QStringLiteral("导演：导演F1\n主演：甲\n片长：100分钟\n12家影院上映，5家可以在线购票"));

    // The rating follows the title, "分" nestles against the rating.
    const QLabel *title = view.titleLabel();
    EXPECT_EQ(view.scoreLabel()->x(), title->x() + title->width() + 10);
    EXPECT_EQ(view.scoreLabel()->y(), 235);
    EXPECT_EQ(view.scoreUnitLabel()->x(), view.scoreLabel()->x() + view.scoreLabel()->width() - 6);
    EXPECT_EQ(view.scoreUnitLabel()->text(), QStringLiteral("分"));
}

TEST_F(Shelf, ShortListsSelectTheirLastFilm)
{
    view.setMovieArray(films(2));
    EXPECT_EQ(view.openFlowView()->selectedCover(), 1);
    EXPECT_EQ(view.titleLabel()->text(), QStringLiteral("F2"));
    view.setMovieArray(films(1));
    EXPECT_EQ(view.openFlowView()->selectedCover(), 0);
    EXPECT_EQ(view.titleLabel()->text(), QStringLiteral("F1"));
}

TEST_F(Shelf, ShortensLongActorLists)
{
    const QString fifteen = QStringLiteral("一二三四五六七八九十一二三四五");
    ASSERT_EQ(fifteen.size(), 15);
    EXPECT_TRUE(QMMovieOpenFlowView::descriptionText(*film("A", fifteen))
                    .contains(QStringLiteral("主演：") + fifteen + QStringLiteral("\n")));
    EXPECT_TRUE(QMMovieOpenFlowView::descriptionText(*film("A", fifteen + QStringLiteral("六")))
                    .contains(QStringLiteral("主演：") + fifteen + QStringLiteral("....\n")));
}

TEST_F(Shelf, AFailureAfterAListHidesOnlyTheUnit)
{
    view.setMovieArray(films(5));
    ASSERT_FALSE(view.scoreUnitLabel()->isHidden());
    const QString description = view.descriptionLabel()->text();
    view.setMovieArray(std::nullopt);
    EXPECT_TRUE(view.scoreUnitLabel()->isHidden());
    EXPECT_EQ(view.openFlowView()->numberOfImages(), 5);
    EXPECT_EQ(view.movieArray().size(), 5);
    EXPECT_EQ(view.descriptionLabel()->text(), description);
    view.setMovieArray(films(3));
    EXPECT_FALSE(view.scoreUnitLabel()->isHidden());
}

TEST_F(Shelf, WithoutAFilmThereIsNoRatingUnitOnItsOwn)
{
    EXPECT_TRUE(view.scoreUnitLabel()->isHidden()); // before any answer
    view.setMovieArray(QList<std::shared_ptr<Simplemovie>>());
    EXPECT_TRUE(view.scoreUnitLabel()->isHidden());
    view.setMovieArray(films(1));
    EXPECT_FALSE(view.scoreUnitLabel()->isHidden());
}

TEST_F(Shelf, SelectionChangesRewriteTheTexts)
{
    view.setMovieArray(films(5));
    view.openFlowViewSelectionDidChange(view.openFlowView(), 4);
    EXPECT_EQ(view.titleLabel()->text(), QStringLiteral("F5"));
    view.openFlowViewSelectionDidChange(view.openFlowView(), 9); // outside the list: ignored
    EXPECT_EQ(view.titleLabel()->text(), QStringLiteral("F5"));
}

TEST_F(Shelf, ALongTitleEndsInAnEllipsisAndLeavesTheWholeRatingOnTheShelf)
{
    auto longFilm = film(QStringLiteral("上海弄堂里那个最长也最热的夏天"),
                         QStringLiteral("陈一鸣,王晓燕,张海峰,李思远,刘子涵,周文博"));
    longFilm->generalmark = QStringLiteral("10.0");
    view.setMovieArray(QList<std::shared_ptr<Simplemovie>>{longFilm, film("F2")});
    view.openFlowViewSelectionDidChange(view.openFlowView(), 0);

    const QMLabel *title = view.titleLabel();
    const QMLabel *score = view.scoreLabel();
    const QMLabel *unit = view.scoreUnitLabel();
    EXPECT_EQ(title->text(), longFilm->moviename);
    EXPECT_TRUE(title->isTruncated());
    EXPECT_TRUE(title->displayedLines().first().endsWith(QChar(0x2026)));
    EXPECT_EQ(score->displayedLines(), QStringList{QStringLiteral("10.0")});
    EXPECT_EQ(score->x(), title->x() + title->width() + 10);
    EXPECT_EQ(unit->x(), score->x() + score->width() - 6);
    // "分" follows the figures without covering them, and stays on the shelf.
    EXPECT_GE(unit->x(), score->x() + QFontMetricsF(score->font()).horizontalAdvance("10.0"));
    EXPECT_LE(unit->x() + unit->width(), view.width());

    if (const QString dir = qEnvironmentVariable("QM_SCREENSHOT_DIR"); !dir.isEmpty())
        view.grab().save(QDir(dir).filePath(QStringLiteral("films-long-title.png")));

    // The next film's short title and rating take their usual frames again.
    view.openFlowViewSelectionDidChange(view.openFlowView(), 1);
    EXPECT_FALSE(title->isTruncated());
    EXPECT_EQ(score->width(), 30);
    EXPECT_EQ(title->width(), title->sizeHint().width());
}
