#include "films/openflow/TPUIImageReflection.h"
#include "films/openflow/UIImageExtras.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

// Rows of the picture coloured by their index, so a cut can be read back: row y has red y.
QImage rowRamp(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb(y % 256, x % 256, 0);
    }
    return image;
}

bool isOpaque(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(argb.pixel(x, y)) != 255)
                return false;
        }
    }
    return true;
}

TEST(UIImageExtras, ATallPictureIsFittedByWidthAndCutAboutItsCentre)
{
    const QImage poster = rowRamp(300, 450);
    EXPECT_EQ(UIImageExtras::calculateNewSizeForCroppingBox(poster, QSizeF(150, 200)),
              QSizeF(150, 225));

    const QImage cover = UIImageExtras::cropCenterAndScaleImageToSize(poster, QSizeF(150, 200), 2);
    EXPECT_EQ(cover.size(), QSize(300, 400));
    EXPECT_EQ(cover.deviceIndependentSize(), QSizeF(150, 200));
    // At two pixels a point the cut at y = 12.5 points is pixel row 25 of an unscaled picture.
    EXPECT_NEAR(qRed(cover.pixel(150, 0)), 25, 1);
    EXPECT_NEAR(qRed(cover.pixel(150, 200)), 225, 1);
    EXPECT_TRUE(isOpaque(cover));
}

TEST(UIImageExtras, AWidePictureIsFittedByHeight)
{
    const QImage wide = rowRamp(400, 300);
    EXPECT_EQ(UIImageExtras::calculateNewSizeForCroppingBox(wide, QSizeF(150, 200)).toSize(),
              QSize(267, 200));
    const QImage cover = UIImageExtras::cropCenterAndScaleImageToSize(wide, QSizeF(150, 200));
    EXPECT_EQ(cover.size(), QSize(150, 200));
    // The middle of the picture stays in the middle.
    EXPECT_NEAR(qGreen(cover.pixel(75, 100)), 200 % 256, 2);
}

TEST(UIImageExtras, ANearlySquarePictureStillFillsTheWholeBox)
{
    const QImage squarish = rowRamp(150, 160);
    const QSizeF size = UIImageExtras::calculateNewSizeForCroppingBox(squarish, QSizeF(150, 200));
    EXPECT_GE(size.width(), 150);
    EXPECT_DOUBLE_EQ(size.height(), 200);
    const QImage cover = UIImageExtras::cropCenterAndScaleImageToSize(squarish, QSizeF(150, 200));
    EXPECT_EQ(cover.size(), QSize(150, 200));
    EXPECT_TRUE(isOpaque(cover));
}

TEST(UIImageExtras, CuttingBeyondThePictureLeavesTransparency)
{
    const QImage picture = rowRamp(10, 10);
    const QImage cut = UIImageExtras::cropImageToRect(picture, QRectF(5, 5, 10, 10));
    EXPECT_EQ(cut.size(), QSize(10, 10));
    EXPECT_EQ(qRed(cut.pixel(0, 0)), 5);
    EXPECT_EQ(qAlpha(cut.pixel(9, 9)), 0);
    EXPECT_TRUE(UIImageExtras::cropCenterAndScaleImageToSize(QImage(), QSizeF(150, 200)).isNull());
    EXPECT_EQ(UIImageExtras::rescaleImageToSize(picture, QSizeF(30, 20)).size(), QSize(30, 20));
}

TEST(TPUIImageReflection, AddsAFadingUpsideDownBandOfATenthOfTheHeight)
{
    QImage picture(150, 200, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QPainter(&picture).fillRect(0, 100, 150, 100, Qt::blue); // bottom half blue

    const QImage reflected = TPUIImageReflection::addImageReflection(picture, 0.1);
    ASSERT_EQ(reflected.size(), QSize(150, 220));
    EXPECT_EQ(reflected.pixel(10, 10), picture.pixel(10, 10));
    EXPECT_EQ(reflected.pixel(10, 199), picture.pixel(10, 199));

    // Next to the picture: its bottom (blue), upside down, at half opacity.
    const QColor top = reflected.pixelColor(75, 200);
    EXPECT_NEAR(top.alpha(), 128, 8);
    EXPECT_GT(top.blue(), 200);
    EXPECT_LT(top.red(), 30);
    // Fading to nothing at the bottom; the picture's top (red) is squeezed in there.
    EXPECT_LT(reflected.pixelColor(75, 219).alpha(), 12);
    EXPECT_GT(reflected.pixelColor(75, 215).red(), 200);
    for (int y = 201; y < 220; ++y)
        EXPECT_LE(reflected.pixelColor(75, y).alpha(), reflected.pixelColor(75, y - 1).alpha());
}

TEST(TPUIImageReflection, KeepsThePixelDensityAndTruncatesTheBand)
{
    QImage sharp(300, 400, QImage::Format_RGB32);
    sharp.fill(Qt::green);
    QPainter(&sharp).fillRect(290, 390, 10, 10, Qt::red);
    sharp.setDevicePixelRatio(2);
    const QImage reflected = TPUIImageReflection::addImageReflection(sharp, 0.1);
    EXPECT_EQ(reflected.deviceIndependentSize(), QSizeF(150, 220));
    EXPECT_EQ(reflected.pixelColor(295, 395), QColor(Qt::red));

    QImage odd(10, 59, QImage::Format_RGB32);
    odd.fill(Qt::green);
    EXPECT_EQ(TPUIImageReflection::addImageReflection(odd, 0.1).height(), 64);
    EXPECT_EQ(
        TPUIImageReflection::addImageReflection(QImage(10, 9, QImage::Format_RGB32), 0.1).height(),
        9);
    EXPECT_TRUE(TPUIImageReflection::addImageReflection(QImage(), 0.1).isNull());
}

} // namespace
