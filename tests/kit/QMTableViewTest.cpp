#include "KitTestSupport.h"

#include "kit/QMTableView.h"
#include "kit/QMTableViewCell.h"
#include "kit/QMTableViewDataSource.h"
#include "kit/QMWindow.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

// A list screen's side of a table: rows of given heights, each a cell with its number.
class RowSource : public QObject, public QMTableViewDataSource
{
public:
    int rows = 300;
    std::function<int(int)> height = [](int) {
        return 44;
    };
    QString reuseIdentifier;
    QList<int> built;
    QList<int> selected;
    QList<int> deselected;
    int cameToRest = 0;
    int buttonRow = -1;
    int buttonClicks = 0;

    int tableViewNumberOfRows(QMTableView *) override { return rows; }
    int tableViewHeightForRow(QMTableView *, int row) override { return height(row); }
    std::unique_ptr<QWidget> tableViewCellForRow(QMTableView *table, int row) override
    {
        built.append(row);
        std::unique_ptr<QMTableViewCell> cell = table->dequeueReusableCell(reuseIdentifier);
        if (!cell)
            cell = std::make_unique<QMTableViewCell>(QMTableViewCell::CellStyle::Subtitle,
                                                     reuseIdentifier);
        cell->textLabel()->setText(QStringLiteral("row %1").arg(row));
        if (row == buttonRow) {
            auto *button = new QPushButton(QStringLiteral("buy"), cell.get());
            button->setObjectName(QStringLiteral("buy"));
            button->setGeometry(220, 5, 80, 30);
            QObject::connect(button, &QPushButton::clicked, this, [this] { ++buttonClicks; });
        }
        return cell;
    }
    void tableViewDidSelectRow(QMTableView *, int row) override { selected.append(row); }
    void tableViewDidDeselectRow(QMTableView *, int row) override { deselected.append(row); }
    void scrollViewDidEndDecelerating(QMScrollView *) override { ++cameToRest; }
};

class Table : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = shownWindow();
        ASSERT_TRUE(window);
        table = new QMTableView(window.get());
        table->setGeometry(0, 64, 320, 367);
        table->show();
    }

    void load()
    {
        table->setDataSource(&source);
        table->reloadData();
    }

    RowSource source;
    std::unique_ptr<QMWindow> window;
    QMTableView *table = nullptr;
};

TEST_F(Table, OnlyRowsNearTheVisibleAreaAreBuilt)
{
    load();
    EXPECT_EQ(table->contentSize(), QSize(320, 300 * 44));
    EXPECT_EQ(table->visibleRows().first(), 0);
    EXPECT_EQ(table->visibleRows().last(), 8) << "367 points show rows 0 to 8";
    EXPECT_LT(source.built.size(), 20);
    EXPECT_TRUE(table->cellForRow(0));
    EXPECT_FALSE(table->cellForRow(299));

    table->setContentOffset(table->maximumContentOffset(), false);
    EXPECT_EQ(table->contentOffset(), QPoint(0, 300 * 44 - 367));
    ASSERT_TRUE(table->cellForRow(299));
    EXPECT_EQ(static_cast<QMTableViewCell *>(table->cellForRow(299))->textLabel()->text(),
              "row 299");
    EXPECT_FALSE(table->cellForRow(0)) << "rows far from view give their widgets up";
    EXPECT_LT(source.built.size(), 45);
    EXPECT_EQ(table->cellForRow(299)->mapTo(table, QPoint(0, 0)).y(), 367 - 44);
}

TEST_F(Table, RowsOfVaryingHeightsStackUp)
{
    source.rows = 7;
    source.height = [](int row) {
        return 30 + (row % 3) * 20;
    }; // 30 50 70 30 50 70 30
    load();
    EXPECT_EQ(table->contentSize().height(), 330);
    EXPECT_EQ(table->rectForRow(3), QRect(0, 150, 320, 30));
    EXPECT_EQ(table->rowAtPoint(QPoint(10, 149)), 2);
    EXPECT_EQ(table->rowAtPoint(QPoint(10, 150)), 3);
    EXPECT_EQ(table->rowAtPoint(QPoint(10, 330)), -1);
    EXPECT_EQ(table->cellForRow(2)->geometry(), QRect(0, 80, 320, 69)) << "one point for the line";
    table->setSeparatorStyle(QMTableView::SeparatorStyle::None);
    EXPECT_EQ(table->cellForRow(2)->geometry(), QRect(0, 80, 320, 70));
    EXPECT_EQ(table->maximumContentOffset(), QPoint(0, 0)) << "short content does not scroll";
}

TEST_F(Table, AClickSelectsARowAndAnotherMovesTheSelection)
{
    load();
    tap(table, QPoint(100, 44 * 2 + 20));
    EXPECT_EQ(source.selected, QList<int>{2});
    EXPECT_EQ(table->selectedRow(), 2);
    EXPECT_TRUE(static_cast<QMTableViewCell *>(table->cellForRow(2))->isSelected());

    tap(table, QPoint(100, 44 * 5 + 20));
    EXPECT_EQ(source.selected, (QList<int>{2, 5}));
    EXPECT_EQ(source.deselected, QList<int>{2});
    EXPECT_FALSE(static_cast<QMTableViewCell *>(table->cellForRow(2))->isSelected());

    table->deselectRow(5, true);
    EXPECT_EQ(table->selectedRow(), -1);
    EXPECT_FALSE(static_cast<QMTableViewCell *>(table->cellForRow(5))->isSelected());
    EXPECT_EQ(source.deselected, QList<int>{2}) << "the screen's own deselection is not reported";
}

TEST_F(Table, AButtonInARowTakesItsClickNotTheRow)
{
    source.buttonRow = 1;
    load();
    auto *button = table->cellForRow(1)->findChild<QPushButton *>(QStringLiteral("buy"));
    ASSERT_TRUE(button);
    tap(button, QPoint(40, 15));
    EXPECT_EQ(source.buttonClicks, 1);
    EXPECT_TRUE(source.selected.isEmpty());
}

TEST_F(Table, ADragScrollsWithoutSelectingAndComesToRestOnce)
{
    load();
    drag(table, QPoint(160, 300), QPoint(160, 100), 10, 20, 200);
    EXPECT_EQ(table->contentOffset(), QPoint(0, 200 - 8))
        << "follows the finger past the threshold";
    EXPECT_TRUE(source.selected.isEmpty());
    ASSERT_TRUE(waitUntil([&] { return source.cameToRest == 1; }));
    QTest::qWait(50);
    EXPECT_EQ(source.cameToRest, 1);
    EXPECT_FALSE(table->isDecelerating());
}

TEST_F(Table, AFlickGlidesOnThenStops)
{
    load();
    drag(table, QPoint(160, 300), QPoint(160, 150), 5, 10, 1);
    const int released = table->contentOffset().y();
    EXPECT_TRUE(table->isDecelerating());
    ASSERT_TRUE(waitUntil([&] { return source.cameToRest == 1; }, 5000));
    EXPECT_GT(table->contentOffset().y(), released + 100);
    EXPECT_LE(table->contentOffset().y(), table->maximumContentOffset().y());
}

TEST_F(Table, ContentPulledPastTheEndSpringsBack)
{
    source.rows = 5;
    load();
    drag(table, QPoint(160, 100), QPoint(160, 300), 10, 20, 200);
    EXPECT_LT(table->contentOffset().y(), -50) << "follows the finger, less and less";
    EXPECT_GT(table->contentOffset().y(), -200);
    ASSERT_TRUE(waitUntil([&] { return source.cameToRest == 1; }));
    EXPECT_EQ(table->contentOffset(), QPoint(0, 0));
}

TEST_F(Table, ADragThatStartsOnAButtonScrollsInsteadOfClicking)
{
    source.buttonRow = 3;
    load();
    auto *button = table->cellForRow(3)->findChild<QPushButton *>(QStringLiteral("buy"));
    const QPoint start = button->mapTo(table, QPoint(40, 15));
    drag(table, start, start - QPoint(0, 120), 6, 20, 200);
    EXPECT_EQ(source.buttonClicks, 0);
    EXPECT_GT(table->contentOffset().y(), 100);
    ASSERT_TRUE(waitUntil([&] { return source.cameToRest == 1; }));
}

TEST_F(Table, TheWheelScrollsWithinTheContentAndComesToRest)
{
    load();
    const QPointF at(160, 200);
    QWheelEvent down(at, table->mapToGlobal(at), QPoint(), QPoint(0, -120 * 3), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(table, &down);
    ASSERT_TRUE(waitUntil([&] { return source.cameToRest == 1; }));
    EXPECT_EQ(table->contentOffset(), QPoint(0, 150));
    QWheelEvent up(at, table->mapToGlobal(at), QPoint(), QPoint(0, 120 * 10), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(table, &up);
    ASSERT_TRUE(waitUntil([&] { return source.cameToRest == 2; }));
    EXPECT_EQ(table->contentOffset(), QPoint(0, 0)) << "never past the top";
}

TEST_F(Table, ReloadingFewerRowsKeepsTheOffsetInsideTheContent)
{
    load();
    table->setContentOffset(QPoint(0, 5000), false);
    source.rows = 10;
    table->reloadData();
    EXPECT_EQ(table->contentOffset(), QPoint(0, 440 - 367));
    EXPECT_TRUE(table->cellForRow(9));
    source.rows = 0;
    table->reloadData();
    EXPECT_EQ(table->contentOffset(), QPoint(0, 0));
    EXPECT_EQ(table->numberOfRows(), 0);
    EXPECT_TRUE(table->visibleRows().isEmpty());
}

TEST_F(Table, CellsWithAReuseIdentifierAreHandedOutAgain)
{
    source.reuseIdentifier = QStringLiteral("ToPlayListControllerIdentifier");
    load();
    QSet<QWidget *> distinct;
    for (int y = 0; y <= table->maximumContentOffset().y(); y += 100) {
        table->setContentOffset(QPoint(0, y), false);
        for (int row : table->visibleRows())
            distinct.insert(table->cellForRow(row));
    }
    EXPECT_GT(source.built.size(), 290);
    EXPECT_LT(distinct.size(), 40) << "a few cells serve all 300 rows";
}

TEST_F(Table, AHeaderBandStaysOnTopWhileRowsScroll)
{
    class TitledSource : public RowSource
    {
    public:
        QString tableViewTitleForHeader(QMTableView *) override
        {
            return QStringLiteral("周边影院");
        }
    } titled;
    table->setDataSource(&titled);
    table->reloadData();
    EXPECT_EQ(table->rectForRow(0).top(), 22);
    table->setContentOffset(QPoint(0, 500), false);
    auto *header = table->findChild<QLabel *>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->geometry(), QRect(0, 0, 320, 22));
    EXPECT_EQ(header->text(), QStringLiteral("周边影院"));
    table->setDataSource(&source);
}

TEST_F(Table, ADataSourceThatGoesAwayLeavesAnEmptyTable)
{
    auto gone = std::make_unique<RowSource>();
    table->setDataSource(gone.get());
    table->reloadData();
    gone.reset();
    table->setContentOffset(QPoint(0, 3000), false);
    table->reloadData();
    EXPECT_EQ(table->numberOfRows(), 0);
}

} // namespace
