#include "services/QMResourceImages.h"

#include <QDir>
#include <QSet>
#include <QSize>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// Every picture the screens name, with its size in points; files hold twice as many pixels.
const std::vector<std::pair<const char *, QSize>> &namedPictures()
{
    static const std::vector<std::pair<const char *, QSize>> pictures = {
        {"loading.jpg", {320, 480}},
        {"movie.png", {30, 30}},
        {"cinema.png", {30, 30}},
        {"myQMR.png", {30, 30}},
        {"default.jpg", {150, 200}},
        {"listBack.png", {320, 440}},
        {"btn_index_right.png", {70, 27}},
        {"btn_movieArray.png", {150, 33}},
        {"btn_movieArray1.png", {150, 33}},
        {"btn_movieInfo.png", {150, 33}},
        {"btn_movieInfo1.png", {150, 33}},
        {"btn_selectMovie_array.png", {110, 26}},
        {"btn_selectMap.jpg", {88, 26}},
        {"btn_comment.png", {77, 32}},
        {"img_infoLine.png", {320, 4}},
        {"img_taxis_border.png", {300, 35}},
        {"btn_selectDate.png", {78, 26}},
        {"img_taline.png", {300, 1}},
        {"btn_gou.png", {19, 17}},
        {"btn_more.png", {9, 13}},
        {"btn_around_cinema.png", {300, 35}},
        {"btn_around_cinema2.png", {298, 37}},
        {"btn_near.png", {78, 28}},
        {"btn_allCinema.png", {78, 28}},
        {"btn_select_area.png", {78, 28}},
        {"img_myhere.png", {43, 30}},
        {"btn_cinema_onplay.png", {150, 33}},
        {"btn_cinema_info.png", {150, 33}},
        {"btn_onplay.png", {150, 33}},
        {"btn_info.png", {150, 33}},
        {"seat_select.png", {30, 30}},
        {"seat_unavail.png", {30, 30}},
        {"seat_avail.png", {30, 30}},
        {"row_back.png", {18, 18}},
        {"btn_buy_ticket.png", {292, 47}},
        {"btn_add_myLive.png", {292, 47}},
        {"btn_add_myLive1.png", {292, 47}},
        {"btn_confirm.png", {90, 32}},
        {"btn_select_pew.png", {320, 36}},
        {"btn_conformPayment.png", {145, 30}},
        {"score_01.png", {16, 16}},
        {"score_02.png", {16, 16}},
        {"btn_submit.png", {100, 32}},
        {"btn_login.png", {280, 40}},
        {"btn_regist.png", {80, 28}},
        {"btn_register.png", {280, 40}},
        {"btn_myQuelm_bar.png", {320, 44}},
        {"btn_bar.png", {64, 32}},
        {"btn_return.png", {52, 30}},
        {"btn_relating_cinema.png", {20, 20}},
        {"btn_relating_movie.png", {20, 20}},
        {"btn_pizza.png", {320, 36}},
        {"btn_pizza_left.png", {28, 28}},
        {"btn_pizza_right.png", {28, 28}},
        {"btn_sayInfo.png", {90, 30}},
    };
    return pictures;
}

} // namespace

TEST(ResourceImages, EveryNamedPictureLoadsAtTwiceItsPointSize)
{
    ASSERT_EQ(namedPictures().size(), 55u);
    for (const auto &[name, points] : namedPictures()) {
        const QImage image = QMResourceImages::named(QString::fromLatin1(name));
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_EQ(image.size(), points * 2) << name;
    }
}

TEST(ResourceImages, ResourcesHoldExactlyTheNamedPictures)
{
    QSet<QString> expected;
    for (const auto &picture : namedPictures())
        expected.insert(QString::fromLatin1(picture.first));
    const QStringList files = QDir(QStringLiteral(":/images")).entryList(QDir::Files);
    EXPECT_EQ(QSet<QString>(files.begin(), files.end()), expected);
}

// The tab bar tints its symbols through their alpha: a clear ground and an opaque dark glyph.
TEST(ResourceImages, TabSymbolsAreDarkGlyphsOnAClearGround)
{
    for (const char *name : {"movie.png", "cinema.png", "myQMR.png"}) {
        const QImage stored = QMResourceImages::named(QString::fromLatin1(name));
        ASSERT_TRUE(stored.hasAlphaChannel()) << name;
        const QImage image = stored.convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << name;
        EXPECT_EQ(qAlpha(image.pixel(image.width() - 1, image.height() - 1)), 0) << name;
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) == 255) {
                    ++opaque;
                    EXPECT_LT(qGray(pixel), 80) << name << " at " << x << "," << y;
                }
            }
        }
        // The glyph covers a good part of its square, neither a speck nor a filled tile.
        const int area = image.width() * image.height();
        EXPECT_GT(opaque, area / 6) << name;
        EXPECT_LT(opaque, area * 3 / 4) << name;
    }
}

TEST(ResourceImages, UnknownNameGivesANullImage)
{
    EXPECT_TRUE(QMResourceImages::named(QStringLiteral("no_such_picture.png")).isNull());
    EXPECT_TRUE(QMResourceImages::named(QString()).isNull());
}
