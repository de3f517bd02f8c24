#include "films/openflow/TPItemView.h"
#include "films/openflow/TPOpenFlowView.h"

#include <QDir>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <set>

namespace {

QColor posterColor(int index)
{
    return QColor::fromHsv((index * 47) % 360, 200, 230);
}

// A poster of 150 x 200 points in a colour of its own, with a white frame.
QImage poster(int index, qreal dpr = 1)
{
    QImage image((QSizeF(150, 200) * dpr).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(QRectF(6, 6, 138, 188), posterColor(index));
    painter.setPen(Qt::white);
    painter.setFont(QFont(QStringLiteral("Sans"), 40, QFont::Bold));
    painter.drawText(QRectF(0, 0, 150, 200), Qt::AlignCenter, QString::number(index));
    return image;
}

class Host : public QObject, public TPOpenFlowViewDataSource, public TPOpenFlowViewDelegate
{
public:
    void openFlowViewRequestImageForIndex(TPOpenFlowView *view, int index) override
    {
        requested.push_back(index);
        if (answerAtOnce)
            view->setImageForIndex(special.contains(index) ? special[index] : poster(index, dpr),
                                   index);
    }
    QImage defaultImage() override
    {
        QImage image(150, 200, QImage::Format_RGB32);
        image.fill(Qt::darkGray);
        return image;
    }
    void openFlowViewSelectionDidChange(TPOpenFlowView *, int index) override
    {
        selections.push_back(index);
    }
    void openFlowViewDidWannaCheckIndex(TPOpenFlowView *, int index) override
    {
        checks.push_back(index);
    }

    bool answerAtOnce = true;
    qreal dpr = 1;
    std::map<int, QImage> special; // pictures other than the usual posters
    std::vector<int> requested;
    std::vector<int> selections;
    std::vector<int> checks;
};

class OpenFlowTest : public ::testing::Test
{
protected:
    OpenFlowTest()
    {
        view.resize(300, 225);
        view.setDataSource(&host);
        view.setViewDelegate(&host);
    }

    std::set<int> onscreen() const
    {
        std::set<int> indices;
        for (auto it = view.onscreenCovers().cbegin(); it != view.onscreenCovers().cend(); ++it) {
            EXPECT_EQ(it.value()->number(), it.key());
            indices.insert(it.key());
        }
        return indices;
    }

    static std::set<int> range(int low, int high)
    {
        std::set<int> indices;
        for (int i = low; i <= high; ++i)
            indices.insert(i);
        return indices;
    }

    // A row of count covers with selected in the middle, standing still.
    void showRow(int count, int selected)
    {
        view.setNumberOfImages(count);
        view.setSelectedCover(selected);
        view.centerOnSelectedCover(false);
        settle();
    }

    QImage renderRow()
    {
        QImage frame(600, 450, QImage::Format_ARGB32_Premultiplied);
        frame.setDevicePixelRatio(2);
        frame.fill(background);
        QPainter painter(&frame);
        view.drawCovers(&painter);
        return frame;
    }

    static QColor colorAt(const QImage &frame, qreal x, qreal y)
    {
        return frame.pixelColor(QPointF(x, y).toPoint() * 2);
    }

    static bool near(const QColor &a, const QColor &b)
    {
        return std::abs(a.red() - b.red()) < 12 && std::abs(a.green() - b.green()) < 12 &&
               std::abs(a.blue() - b.blue()) < 12;
    }

    const QColor background{250, 240, 230};

    void settle()
    {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !view.isAnimating(); }, 5000));
    }

    // The mouse is the finger: press, move in steps, release.
    void drag(QPointF from, QPointF to, int steps = 6)
    {
        QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, from.toPoint());
        for (int i = 1; i <= steps; ++i) {
            const QPointF at = from + (to - from) * (qreal(i) / steps);
            QMouseEvent move(QEvent::MouseMove, at, view.mapToGlobal(at), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&view, &move);
        }
        QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, to.toPoint());
    }

    QPointF middle() const { return QPointF(150, 110); }

    Host host;
    TPOpenFlowView view;
};

TEST_F(OpenFlowTest, TheFirstNumberSelectsTheFirstCoverWithItsNeighbours)
{
    EXPECT_EQ(view.selectedCover(), -1);
    EXPECT_TRUE(onscreen().empty());
    view.setNumberOfImages(20);
    EXPECT_EQ(view.selectedCover(), 0);
    EXPECT_EQ(onscreen(), range(0, 6));
    EXPECT_EQ(host.requested, (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_DOUBLE_EQ(view.scrollOffset(), 0);
}

TEST_F(OpenFlowTest, SelectingTheSameCoverAgainChangesNothing)
{
    view.setNumberOfImages(3);
    view.setSelectedCover(2);
    EXPECT_EQ(onscreen(), range(0, 2));
    const auto requests = host.requested.size();
    view.setSelectedCover(2);
    EXPECT_EQ(onscreen(), range(0, 2));
    EXPECT_EQ(host.requested.size(), requests);
    view.setSelectedCover(3); // outside the row
    EXPECT_EQ(view.selectedCover(), 2);
}

TEST_F(OpenFlowTest, CoversAreRecycledAsTheSelectionJumpsAndMoves)
{
    view.setNumberOfImages(100);
    view.setSelectedCover(50);
    EXPECT_EQ(onscreen(), range(44, 56));
    view.setSelectedCover(90);
    EXPECT_EQ(onscreen(), range(84, 96));
    view.setSelectedCover(99);
    EXPECT_EQ(onscreen(), range(93, 99));
    EXPECT_EQ(view.lowerVisibleCover(), 93);
    EXPECT_EQ(view.upperVisibleCover(), 99);
    for (int target : {60, 61, 59, 0, 7, 3})
        view.setSelectedCover(target);
    EXPECT_EQ(onscreen(), range(0, 9));
    EXPECT_LE(view.coverCount(), 13);
}

TEST_F(OpenFlowTest, MovingOneToTheRightRenumbersTheLeftmostCover)
{
    view.setNumberOfImages(100);
    view.setSelectedCover(10);
    const TPItemView *leftmost = view.onscreenCovers().value(4);
    host.requested.clear();
    view.setSelectedCover(11);
    EXPECT_EQ(onscreen(), range(5, 17));
    EXPECT_EQ(view.onscreenCovers().value(17), leftmost);
    EXPECT_DOUBLE_EQ(leftmost->horizontalPosition(), 17 * 40);
    EXPECT_EQ(host.requested, std::vector<int>{17});
    // And back: the cover of 17 becomes 4 again.
    view.setSelectedCover(10);
    EXPECT_EQ(view.onscreenCovers().value(4), leftmost);
}

TEST_F(OpenFlowTest, PicturesArriveLaterAndAreKeptForCoversComingBack)
{
    host.answerAtOnce = false;
    view.setNumberOfImages(30);
    const QImage placeholder = view.onscreenCovers().value(3)->image();
    view.setImageForIndex(poster(3), 3);
    view.setImageForIndex(poster(25), 25); // off screen for now
    const TPItemView *cover = view.onscreenCovers().value(3);
    EXPECT_NE(cover->image().cacheKey(), placeholder.cacheKey());
    EXPECT_EQ(cover->frame().size(), QSizeF(150, 220));
    EXPECT_DOUBLE_EQ(cover->verticalPosition(), 10);
    EXPECT_DOUBLE_EQ(cover->originalImageHeight(), 200);

    host.requested.clear();
    view.setSelectedCover(25);
    view.setSelectedCover(3);
    // 25 was never asked for again; 3 neither, once it came back.
    EXPECT_EQ(std::count(host.requested.begin(), host.requested.end(), 25), 0);
    EXPECT_EQ(std::count(host.requested.begin(), host.requested.end(), 3), 0);
    EXPECT_EQ(view.onscreenCovers().value(25, nullptr), nullptr);
}

TEST_F(OpenFlowTest, ChangingTheNumberKeepsTheWindowInsideTheRow)
{
    view.setNumberOfImages(3);
    view.setNumberOfImages(40);
    EXPECT_EQ(onscreen(), range(0, 6));
    view.setSelectedCover(30);
    view.setNumberOfImages(5);
    EXPECT_EQ(view.selectedCover(), 4);
    EXPECT_EQ(onscreen(), range(0, 4));
    view.setNumberOfImages(0);
    EXPECT_EQ(view.selectedCover(), -1);
    EXPECT_TRUE(onscreen().empty());
}

TEST_F(OpenFlowTest, TheSelectedCoverFacesTheViewerAndTheOthersTurnTowardsIt)
{
    showRow(20, 5);

    const QRectF front = view.coverOutline(5).boundingRect();
    EXPECT_NEAR(front.left(), 75, 0.01);
    EXPECT_NEAR(front.right(), 225, 0.01);
    EXPECT_NEAR(front.top(), 12.5, 0.01); // the picture without its band is centred
    EXPECT_NEAR(front.bottom(), 232.5, 0.01);

    // The right neighbour: 110 points from the middle, 80 deep, turned by 0.79 rad and seen with
    // a perspective of 1/100: its near (outer) edge at x = 278.46, its far edge at 174.53.
    const QPolygonF right = view.coverOutline(6);
    const QRectF rightBox = right.boundingRect();
    EXPECT_NEAR(rightBox.left(), 174.53, 0.05);
    EXPECT_NEAR(rightBox.right(), 278.46, 0.05);
    EXPECT_NEAR(rightBox.top(), 112.5 - 100 / 1.2672, 0.05);
    // The left neighbour mirrors it.
    const QRectF leftBox = view.coverOutline(4).boundingRect();
    EXPECT_NEAR(leftBox.left(), 300 - 278.46, 0.05);
    EXPECT_NEAR(leftBox.right(), 300 - 174.53, 0.05);
    // Farther covers stand farther out and deeper (smaller).
    EXPECT_GT(view.coverOutline(7).boundingRect().left(), rightBox.left());
    EXPECT_LT(view.coverOutline(7).boundingRect().height(), rightBox.height() + 1);
}

TEST_F(OpenFlowTest, DraggingSixtyPointsLeftMovesTheRowFortyAndSelectsTheNextCover)
{
    showRow(20, 5);
    drag(middle(), middle() - QPointF(60, 0));
    EXPECT_EQ(view.selectedCover(), 6);
    EXPECT_EQ(host.selections, std::vector<int>{6});
    EXPECT_TRUE(host.checks.empty());
    settle();
    EXPECT_DOUBLE_EQ(view.scrollOffset(), 6 * 40);

    // Less than half a cover either way is not enough, and the row snaps back; more is.
    drag(middle(), middle() - QPointF(29, 0));
    settle();
    drag(middle(), middle() + QPointF(29, 0));
    EXPECT_EQ(view.selectedCover(), 6);
    EXPECT_EQ(host.selections.size(), 1u);
    settle();
    EXPECT_DOUBLE_EQ(view.scrollOffset(), 6 * 40);
    drag(middle(), middle() + QPointF(31, 0));
    EXPECT_EQ(host.selections, (std::vector<int>{6, 5}));
}

TEST_F(OpenFlowTest, TheRowFollowsTheFingerWhileItMoves)
{
    showRow(20, 5);
    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, middle().toPoint());
    const QPointF at = middle() - QPointF(24, 0);
    QMouseEvent move(QEvent::MouseMove, at, view.mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &move);
    EXPECT_DOUBLE_EQ(view.scrollOffset(), 5 * 40 + 16);
    EXPECT_EQ(view.selectedCover(), 5);
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, at.toPoint());
}

TEST_F(OpenFlowTest, DragsBeyondEitherEndStopAtTheFirstOrLastCover)
{
    showRow(8, 3);
    drag(middle(), middle() + QPointF(1000, 0), 20);
    EXPECT_EQ(view.selectedCover(), 0);
    settle();
    drag(middle(), middle() - QPointF(2000, 0), 40);
    EXPECT_EQ(view.selectedCover(), 7);
    EXPECT_EQ(host.selections, (std::vector<int>{0, 7}));
    settle();
    EXPECT_DOUBLE_EQ(view.scrollOffset(), 7 * 40);
}

TEST_F(OpenFlowTest, ATapOnTheSelectedCoverOpensItAndAWobbleDoesNot)
{
    showRow(10, 4);
    drag(middle(), middle() + QPointF(3, -3), 2);
    EXPECT_EQ(host.checks, std::vector<int>{4});
    drag(middle(), middle() + QPointF(5, 0), 2);
    drag(middle(), middle() + QPointF(0, 5), 2);
    EXPECT_EQ(host.checks.size(), 1u);
    EXPECT_TRUE(host.selections.empty());

    QTest::keyClick(&view, Qt::Key_Return);
    EXPECT_EQ(host.checks, (std::vector<int>{4, 4}));
}

TEST_F(OpenFlowTest, ATapOnASideCoverBringsItToTheMiddle)
{
    showRow(10, 4);
    QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, QPoint(260, 110));
    EXPECT_EQ(view.selectedCover(), 5);
    EXPECT_EQ(host.selections, std::vector<int>{5});
    EXPECT_TRUE(host.checks.empty());
    settle();
    EXPECT_DOUBLE_EQ(view.scrollOffset(), 5 * 40);
}

TEST_F(OpenFlowTest, ATouchBesideTheCoversDoesNotMoveTheRow)
{
    showRow(10, 4);
    drag(QPointF(4, 4), QPointF(4 - 200, 4));
    EXPECT_EQ(view.selectedCover(), 4);
    EXPECT_DOUBLE_EQ(view.scrollOffset(), 4 * 40);
    EXPECT_TRUE(host.selections.empty());
    EXPECT_TRUE(host.checks.empty());
}

TEST_F(OpenFlowTest, KeysAndTheWheelStepThroughTheRow)
{
    view.setNumberOfImages(10);
    QTest::keyClick(&view, Qt::Key_Right);
    QTest::keyClick(&view, Qt::Key_Right);
    QTest::keyClick(&view, Qt::Key_Left);
    EXPECT_EQ(view.selectedCover(), 1);
    QTest::keyClick(&view, Qt::Key_Left);
    QTest::keyClick(&view, Qt::Key_Left); // already first
    EXPECT_EQ(host.selections, (std::vector<int>{1, 2, 1, 0}));
    QTest::keyClick(&view, Qt::Key_End);
    QTest::keyClick(&view, Qt::Key_PageUp);
    QTest::keyClick(&view, Qt::Key_Home);
    QTest::keyClick(&view, Qt::Key_PageDown);
    EXPECT_EQ(host.selections, (std::vector<int>{1, 2, 1, 0, 9, 4, 0, 5}));
    QTest::keyClick(&view, Qt::Key_Home);

    QWheelEvent wheel(middle(), view.mapToGlobal(middle()), QPoint(), QPoint(0, -240), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&view, &wheel);
    EXPECT_EQ(view.selectedCover(), 2);
}

TEST_F(OpenFlowTest, TheDrawnRowShowsEachCoverWhereItStands)
{
    host.dpr = 2;
    showRow(20, 8);

    const QImage frame = renderRow();
    if (const QByteArray dir = qgetenv("QM_SNAPSHOT_DIR"); !dir.isEmpty())
        frame.save(QDir(QString::fromLocal8Bit(dir)).filePath("openflow.png"));

    auto colorAt = [&](qreal x, qreal y) {
        return OpenFlowTest::colorAt(frame, x, y);
    };
    EXPECT_TRUE(near(colorAt(100, 60), posterColor(8)));
    EXPECT_TRUE(near(colorAt(250, 112), posterColor(9)));
    EXPECT_TRUE(near(colorAt(50, 112), posterColor(7)));
    EXPECT_TRUE(near(colorAt(290, 112), posterColor(10)));
    EXPECT_TRUE(near(colorAt(10, 112), posterColor(6)));
    // Above the covers the background shows; below the front cover its faint reflection.
    EXPECT_EQ(colorAt(150, 5), background);
    const QColor band = colorAt(100, 216);
    EXPECT_FALSE(near(band, posterColor(8)));
    EXPECT_FALSE(near(band, background));

    // The widget paints the same row.
    const QImage painted = view.grab().toImage();
    EXPECT_TRUE(
        near(painted.pixelColor(QPoint(100, 60) * painted.devicePixelRatio()), posterColor(8)));
    EXPECT_TRUE(
        near(painted.pixelColor(QPoint(250, 112) * painted.devicePixelRatio()), posterColor(9)));
}

TEST_F(OpenFlowTest, ASeeThroughPictureHidesNothingBehindIt)
{
    QImage glass(300, 400, QImage::Format_ARGB32_Premultiplied);
    glass.fill(Qt::transparent);
    glass.setDevicePixelRatio(2);
    host.special[9] = glass;
    host.dpr = 2;
    showRow(20, 8);
    // Cover 10 stands behind cover 9 here.
    EXPECT_TRUE(near(colorAt(renderRow(), 250, 112), posterColor(10)));
}

} // namespace
