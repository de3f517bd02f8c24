#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMScrollView.h"
#include "kit/QMViewController.h"
#include "kit/QMWindow.h"
#include "services/QMResourceImages.h"
#include "ticketing/QMRowIndexView.h"
#include "ticketing/QMRowLabel.h"
#include "ticketing/QMSeatsView.h"

#include "KitTestSupport.h"

#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <limits>

namespace {

std::shared_ptr<Row> row(const QString &rowid, const QString &columns)
{
    auto made = std::make_shared<Row>();
    made->rowid = rowid;
    made->columns = columns;
    return made;
}

QList<std::shared_ptr<Row>> rows(std::initializer_list<std::pair<const char *, const char *>> list)
{
    QList<std::shared_ptr<Row>> made;
    for (const auto &[rowid, columns] : list)
        made.append(row(QString::fromUtf8(rowid), QString::fromUtf8(columns)));
    return made;
}

// The owner of a seat map: writes down what it hears and the count the view had then.
class SeatOwner : public QObject, public QMSeatViewDelegate
{
public:
    explicit SeatOwner(QMSeatsView *view)
        : m_view(view)
    {
        view->seatDelegate = this;
    }
    void didSelectSeatAtRowColumn(const QString &rowid, const QString &column) override
    {
        heard.append(QStringLiteral("+%1:%2 (%3)").arg(rowid, column).arg(m_view->ticketCount()));
        if (onHeard)
            onHeard();
    }
    void didDeselectSeatAtRowColumn(const QString &rowid, const QString &column) override
    {
        heard.append(QStringLiteral("-%1:%2 (%3)").arg(rowid, column).arg(m_view->ticketCount()));
        if (onHeard)
            onHeard();
    }
    QStringList heard;
    std::function<void()> onHeard;

private:
    QMSeatsView *m_view;
};

// A seat map in a phone window, in a scroll area as the seat selection screen places it.
class SeatMap : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = shownWindow();
        ASSERT_TRUE(window);
        window->setRootViewController(&screen);
        QWidget *page = screen.view();
        QMKitStyle::setBackgroundColor(page, QMKitStyle::lightGrayColor());
        indexArea = new QMScrollView(page);
        indexArea->setGeometry(0, 132, 22, 240);
        indexArea->setScrollEnabled(false);
        seatArea = new QMScrollView(page);
        seatArea->setGeometry(25, 132, 320, 240);
        indexView = new QMRowIndexView(QRect(), indexArea->contentView());
        seatView = new QMSeatsView(QRect(), seatArea->contentView());
        owner = std::make_unique<SeatOwner>(seatView);
        for (QWidget *widget :
             {static_cast<QWidget *>(indexArea), static_cast<QWidget *>(seatArea),
              static_cast<QWidget *>(indexView), static_cast<QWidget *>(seatView)})
            widget->show();
    }
    void TearDown() override
    {
        for (QMAlertView *alert : QMAlertView::visibleAlerts())
            alert->clickButton();
        flushDeletions();
    }

    // What the seat selection screen does with an answer's counts and rows.
    void showMap(const QList<std::shared_ptr<Row>> &list, qint64 linenum, qint64 ranknum)
    {
        const QSize grid = QMSeatsView::gridSize(linenum, ranknum);
        seatView->setGeometry(QRect(QPoint(), grid));
        seatArea->setContentSize(grid);
        indexView->setGeometry(QRect(QPoint(), QMRowIndexView::columnSize(linenum)));
        indexArea->setContentSize(indexView->size());
        indexView->setSeatList(list);
        seatView->setSeatList(list);
    }
    void showMap(const QList<std::shared_ptr<Row>> &list)
    {
        qsizetype widest = 0;
        for (const auto &r : list)
            widest = qMax(widest, r->columns.split(QLatin1Char(',')).size());
        showMap(list, list.size(), widest);
    }

    // A finger on the seat: pressed and lifted on it.
    void touch(const QString &rowid, const QString &column)
    {
        const QRect seat = seatView->seatRect(rowid, column);
        ASSERT_FALSE(seat.isEmpty()) << rowid.toStdString() << ":" << column.toStdString();
        QTest::mouseClick(seatView, Qt::LeftButton, {}, seat.center());
    }
    const QMSeatButton &seat(const QString &rowid, const QString &column) const
    {
        return *seatView->seatAt(seatView->seatRect(rowid, column).center());
    }

    // The view's pixels over one seat, as shown on a plain white ground.
    QImage drawnSeat(const QRect &frame) const
    {
        QImage image(frame.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.translate(-frame.topLeft());
        seatView->paintSeats(painter, frame);
        return image;
    }

    QMViewController screen;
    std::unique_ptr<QMWindow> window;
    QMScrollView *indexArea = nullptr;
    QMScrollView *seatArea = nullptr;
    QMRowIndexView *indexView = nullptr;
    QMSeatsView *seatView = nullptr;
    std::unique_ptr<SeatOwner> owner;
};

// Mean difference per channel (0 to 255) between two pictures of one size.
double difference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int j = 0; j < x.height(); ++j) {
        for (int i = 0; i < x.width(); ++i) {
            const QRgb p = x.pixel(i, j);
            const QRgb q = y.pixel(i, j);
            sum +=
                qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * x.width() * x.height());
}

} // namespace

TEST_F(SeatMap, SeatsAndRowNamesStandOnTheGrid)
{
    showMap(rows({{"1", "ZL,ZL,7"}, {"", "1,2"}, {"3", "LK,5,,6"}}));
    const auto &seats = seatView->seatButtonArray();
    ASSERT_EQ(seats.size(), 5u);
    EXPECT_EQ(seats[0].frame(), QRect(80, 5, 30, 30));
    EXPECT_EQ(seats[0].column(), QStringLiteral("7"));
    EXPECT_EQ(seatView->size(), QSize(160, 120));

    // The aisle row holds nothing; the third row's seats stand at y = 85.
    EXPECT_EQ(seatView->seatAt(QPoint(15, 60)), nullptr);
    EXPECT_EQ(seats[1].frame(), QRect(0, 85, 30, 30));
    EXPECT_EQ(seats[1].seatStatus(), QMSeatButton::Unavailable);
    EXPECT_FALSE(seats[1].isSelectable());
    EXPECT_EQ(seats[2].frame(), QRect(40, 85, 30, 30));
    EXPECT_EQ(seats[2].row(), QStringLiteral("3"));
    EXPECT_EQ(seats[3].column(), QString()); // two commas: a free seat with no name
    EXPECT_EQ(seats[3].seatStatus(), QMSeatButton::Free);
    EXPECT_TRUE(seats[3].isSelectable());
    EXPECT_EQ(seats[4].frame(), QRect(120, 85, 30, 30));
    EXPECT_EQ(seatView->ticketCount(), 0);

    // One label per row, aisles included; the third at y = 80.
    const auto &labels = indexView->rowNumArray();
    ASSERT_EQ(labels.size(), 3u);
    EXPECT_EQ(labels[2]->geometry(), QRect(5, 80, 18, 18));
    EXPECT_EQ(labels[2]->indexLabel()->text(), QStringLiteral("3"));
    EXPECT_EQ(labels[1]->indexLabel()->text(), QString());
    EXPECT_EQ(labels[0]->indexLabel()->geometry(), QRect(2, 2, 14, 14));
    EXPECT_EQ(labels[0]->indexLabel()->alignment(), Qt::AlignCenter);
    EXPECT_EQ(indexView->size(), QSize(23, 120));
}

TEST_F(SeatMap, ATouchChoosesAFreeSeatAndASecondReleasesIt)
{
    showMap(rows({{"3", "LK,5,6,ZL,7"}}));
    touch("3", "5");
    EXPECT_EQ(seat("3", "5").seatStatus(), QMSeatButton::Chosen);
    EXPECT_EQ(seat("3", "5").picture(), QMSeatButton::Chosen);
    touch("3", "6");
    touch("3", "5");
    EXPECT_EQ(seat("3", "5").seatStatus(), QMSeatButton::Free);
    EXPECT_EQ(seat("3", "5").picture(), QMSeatButton::Free);
    // The owner reads the count already changed.
    EXPECT_EQ(owner->heard, QStringList({"+3:5 (1)", "+3:6 (2)", "-3:5 (1)"}));
    EXPECT_EQ(seatView->ticketCount(), 1);

    // Nothing for an unavailable seat, a gap between seats, or a press that ends elsewhere.
    QTest::mouseClick(seatView, Qt::LeftButton, {}, QPoint(15, 20));
    QTest::mouseClick(seatView, Qt::LeftButton, {}, QPoint(35, 20));
    QTest::mouseClick(seatView, Qt::LeftButton, {}, QPoint(140, 20)); // the "ZL" place
    const QRect five = seatView->seatRect("3", "5");
    const QRect seven = seatView->seatRect("3", "7");
    QTest::mousePress(seatView, Qt::LeftButton, {}, five.center());
    QTest::mouseRelease(seatView, Qt::LeftButton, {}, seven.center());
    EXPECT_EQ(owner->heard.size(), 3);
    EXPECT_EQ(seatView->seatButtonArray()[0].seatStatus(), QMSeatButton::Unavailable);
    EXPECT_EQ(seat("3", "7").seatStatus(), QMSeatButton::Free);
}

TEST_F(SeatMap, ASixthSeatIsRefusedUntilOneOfTheFiveIsReleased)
{
    showMap(rows({{"1", "1,2,3,4,5,6,7"}}));
    for (const char *name : {"1", "2", "3", "4", "5"})
        touch("1", name);
    ASSERT_EQ(seatView->ticketCount(), 5);
    EXPECT_TRUE(QMAlertView::visibleAlerts().isEmpty());

    touch("1", "6");
    ASSERT_EQ(QMAlertView::visibleAlerts().size(), 1);
    QMAlertView *alert = QMAlertView::visibleAlerts().first();
    EXPECT_EQ(alert->title(), QString());
    EXPECT_EQ(alert->message(), QStringLiteral("已经达到最大可选座位数"));
    EXPECT_EQ(alert->button()->text(), QStringLiteral("OK"));
    EXPECT_EQ(seat("1", "6").seatStatus(), QMSeatButton::Free);
    EXPECT_EQ(seatView->ticketCount(), 5);
    EXPECT_EQ(owner->heard.size(), 5);
    alert->clickButton();
    flushDeletions();

    touch("1", "2");
    touch("1", "6");
    EXPECT_EQ(seat("1", "6").seatStatus(), QMSeatButton::Chosen);
    EXPECT_EQ(owner->heard.mid(5), QStringList({"-1:2 (4)", "+1:6 (5)"}));
    EXPECT_TRUE(QMAlertView::visibleAlerts().isEmpty());
}

TEST_F(SeatMap, EachSeatShowsThePictureOfItsState)
{
    showMap(rows({{"1", "LK,1,2"}}));
    touch("1", "2");
    const QList<QImage> pictures = {
        QMResourceImages::named(QMSeatButton::pictureName(QMSeatButton::Unavailable)),
        QMResourceImages::named(QMSeatButton::pictureName(QMSeatButton::Free)),
        QMResourceImages::named(QMSeatButton::pictureName(QMSeatButton::Chosen))};
    EXPECT_EQ(QMSeatButton::pictureName(QMSeatButton::Unavailable), "seat_select.png");
    EXPECT_EQ(QMSeatButton::pictureName(QMSeatButton::Free), "seat_unavail.png");
    EXPECT_EQ(QMSeatButton::pictureName(QMSeatButton::Chosen), "seat_avail.png");

    // Each seat's pixels are its own state's picture, and far from the other two.
    for (int state = 0; state < 3; ++state) {
        const QImage drawn = drawnSeat(seatView->seatButtonArray()[size_t(state)].frame());
        for (int other = 0; other < 3; ++other) {
            ASSERT_FALSE(pictures[other].isNull());
            QImage expected(30, 30, QImage::Format_ARGB32_Premultiplied);
            expected.fill(Qt::white);
            QPainter(&expected).drawImage(
                QRect(0, 0, 30, 30),
                pictures[other].scaled(30, 30, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            if (other == state)
                EXPECT_LT(difference(drawn, expected), 3.0) << state;
            else
                EXPECT_GT(difference(drawn, expected), 10.0) << state << " vs " << other;
        }
    }

    // Another status value is kept, and the picture stays as it was.
    QMSeatButton button(QRect(0, 0, 30, 30), "1", "1", QMSeatButton::Chosen, true);
    button.setSeatStatus(7);
    EXPECT_EQ(button.seatStatus(), 7u);
    EXPECT_EQ(button.picture(), QMSeatButton::Chosen);
}

TEST_F(SeatMap, AnAnswersCountsAreClampedAndSizedWithoutOverflow)
{
    constexpr qint64 big = std::numeric_limits<qint32>::max();
    EXPECT_EQ(QMSeatsView::gridSize(12, 18), QSize(720, 480));
    EXPECT_EQ(QMSeatsView::gridSize(-3, -1), QSize(0, 0));
    EXPECT_EQ(QMSeatsView::gridSize(big, big), QSize(8000, 8000));
    EXPECT_EQ(QMSeatsView::gridSize(std::numeric_limits<qint64>::min(), 201), QSize(8000, 0));
    EXPECT_EQ(QMRowIndexView::columnSize(-7), QSize(23, 0));
    EXPECT_EQ(QMRowIndexView::columnSize(big), QSize(23, 8000));

    // 250 rows of 300 seats: the first 200 of each are drawn.
    QStringList names;
    for (int s = 1; s <= 300; ++s)
        names.append(QString::number(s));
    QList<std::shared_ptr<Row>> hall;
    for (int r = 1; r <= 250; ++r)
        hall.append(row(QString::number(r), names.join(QLatin1Char(','))));
    showMap(hall, big, -1);
    EXPECT_EQ(seatView->size(), QSize(0, 8000));
    seatView->resize(QMSeatsView::gridSize(big, big));
    ASSERT_EQ(seatView->seatButtonArray().size(), 200u * 200u);
    EXPECT_EQ(seatView->seatButtonArray().back().frame(), QRect(7960, 7965, 30, 30));
    EXPECT_FALSE(seatView->seatRect("200", "200").isEmpty());
    EXPECT_TRUE(seatView->seatRect("200", "201").isEmpty());
    EXPECT_TRUE(seatView->seatRect("201", "1").isEmpty());
    EXPECT_EQ(seatView->seatAt(QPoint(8010, 20)), nullptr);
    EXPECT_EQ(indexView->rowNumArray().size(), 200u);

    // The last seat is reached and chosen like any other.
    touch("200", "200");
    EXPECT_EQ(seat("200", "200").seatStatus(), QMSeatButton::Chosen);

    // A row of a million commas makes 200 nameless seats, no more.
    showMap({row("1", QString(1'000'000, QLatin1Char(',')))}, 1, 1'000'001);
    EXPECT_EQ(seatView->seatButtonArray().size(), 200u);
}

TEST_F(SeatMap, ASecondListReplacesTheSeatsAndStartsCountingAgain)
{
    showMap(rows({{"1", "1,2,3"}, {"2", "1,2,3"}}));
    touch("1", "1");
    touch("2", "3");
    ASSERT_EQ(seatView->ticketCount(), 2);

    showMap(rows({{"A", "LK,1,2"}}));
    EXPECT_EQ(seatView->ticketCount(), 0);
    ASSERT_EQ(seatView->seatButtonArray().size(), 3u);
    EXPECT_TRUE(seatView->seatRect("1", "1").isEmpty());
    EXPECT_EQ(seat("A", "1").seatStatus(), QMSeatButton::Free);
    EXPECT_EQ(indexView->rowNumArray().size(), 1u);
    EXPECT_EQ(indexView->findChildren<QMRowLabel *>().size(), 1);
    EXPECT_EQ(owner->heard.size(), 2); // the owner that gave the list is not told

    // An owner may give a new list while it is being told of a choice.
    owner->onHeard = [this] {
        seatView->setSeatList(rows({{"B", "1"}}));
    };
    touch("A", "2");
    EXPECT_EQ(seatView->ticketCount(), 0);
    EXPECT_EQ(seatView->seatButtonArray().size(), 1u);
    EXPECT_EQ(owner->heard.last(), QStringLiteral("+A:2 (1)"));
}

TEST_F(SeatMap, InItsScrollAreaATapChoosesAndADragOnlyScrolls)
{
    QStringList names;
    for (int s = 1; s <= 20; ++s)
        names.append(QString::number(s));
    QList<std::shared_ptr<Row>> hall;
    for (int r = 1; r <= 15; ++r)
        hall.append(row(QString::number(r), names.join(QLatin1Char(','))));
    showMap(hall);

    const QRect seat22 = seatView->seatRect("2", "2");
    tap(seatView, seat22.center());
    EXPECT_EQ(seat("2", "2").seatStatus(), QMSeatButton::Chosen);

    const QRect seat33 = seatView->seatRect("3", "3");
    drag(seatView, seat33.center(), seat33.center() - QPoint(0, 120), 8, 16, 200);
    EXPECT_TRUE(waitUntil([&] { return !seatArea->isDecelerating(); }));
    EXPECT_GT(seatArea->contentOffset().y(), 60);
    EXPECT_EQ(seat("3", "3").seatStatus(), QMSeatButton::Free);
    EXPECT_EQ(seatView->ticketCount(), 1);

    // Scrolled, the seat under the finger is still the one chosen.
    const QRect seat88 = seatView->seatRect("8", "8");
    tap(seatView, seat88.center());
    EXPECT_EQ(seat("8", "8").seatStatus(), QMSeatButton::Chosen);
}

TEST_F(SeatMap, Screenshot)
{
    // A large hall as the service lays it out: narrower front rows, two aisles, a cross aisle.
    QList<std::shared_ptr<Row>> hall;
    int number = 0;
    for (int r = 0; r < 12; ++r) {
        if (r == 6) {
            hall.append(row(QString(), QStringList(18, QStringLiteral("ZL")).join(',')));
            continue;
        }
        QStringList codes;
        int name = 0;
        for (int s = 0; s < 16; ++s) {
            if (s == 3 || s == 13)
                codes.append(QStringLiteral("ZL"));
            if (s < (r == 0 ? 2 : r == 1 ? 1 : 0) || s >= 16 - (r == 0 ? 2 : r == 1 ? 1 : 0)) {
                codes.append(QStringLiteral("ZL"));
                continue;
            }
            ++name;
            codes.append((r * 7 + s) % 9 == 0 ? QStringLiteral("LK") : QString::number(name));
        }
        hall.append(row(QString::number(++number), codes.join(',')));
    }
    showMap(hall, 12, 18);
    auto *legend = new QLabel(screen.view());
    legend->setGeometry(0, 96, 320, 36);
    legend->setScaledContents(true);
    legend->setPixmap(QPixmap::fromImage(QMResourceImages::named("btn_select_pew.png")));
    legend->show();
    touch("3", "6");
    touch("3", "7");
    touch("5", "8");
    EXPECT_EQ(seatView->ticketCount(), 3);

    const QString dir = qEnvironmentVariable("QM_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        EXPECT_TRUE(window->saveScreenshot(QDir(dir).filePath(QStringLiteral("seatmap.png"))));
    }
}
