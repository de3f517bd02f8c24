#include "KitTestSupport.h"

#include "kit/QMScrollView.h"
#include "kit/QMTableView.h"
#include "kit/QMTableViewCell.h"
#include "kit/QMTableViewDataSource.h"
#include "kit/QMWindow.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

class Rows : public QObject, public QMTableViewDataSource
{
public:
    int tableViewNumberOfRows(QMTableView *) override { return 50; }
    std::unique_ptr<QWidget> tableViewCellForRow(QMTableView *, int) override
    {
        return std::make_unique<QMTableViewCell>();
    }
};

class PageCounter : public QObject, public QMScrollViewDelegate
{
public:
    void scrollViewDidEndDecelerating(QMScrollView *) override { ++rests; }
    int rests = 0;
};

// Three lists side by side in a pager, as the member area shows its reply lists.
class Pager : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = shownWindow();
        ASSERT_TRUE(window);
        pager = new QMScrollView(window.get());
        pager->setGeometry(0, 100, 320, 300);
        pager->setPagingEnabled(true);
        pager->setContentSize(QSize(3 * 320, 300));
        pager->setDelegate(&counter);
        for (int i = 0; i < 3; ++i) {
            auto *list = new QMTableView(pager->contentView());
            list->setGeometry(i * 320, 0, 320, 300);
            list->setDataSource(&rows);
            list->reloadData();
            lists.append(list);
        }
        pager->show();
    }

    Rows rows;
    PageCounter counter;
    std::unique_ptr<QMWindow> window;
    QMScrollView *pager = nullptr;
    QList<QMTableView *> lists;
};

TEST_F(Pager, ASidewaysDragTurnsThePageAndAnUpwardDragScrollsTheList)
{
    drag(lists[0], QPoint(280, 150), QPoint(80, 150), 8, 20, 200);
    EXPECT_EQ(lists[0]->contentOffset(), QPoint(0, 0)) << "the list cannot move sideways";
    ASSERT_TRUE(waitUntil([&] { return counter.rests == 1; }));
    EXPECT_EQ(pager->contentOffset(), QPoint(320, 0)) << "more than half a page: the next one";

    drag(lists[1], QPoint(160, 250), QPoint(160, 100), 8, 20, 200);
    EXPECT_EQ(pager->contentOffset(), QPoint(320, 0));
    EXPECT_GT(lists[1]->contentOffset().y(), 100);
}

TEST_F(Pager, AShortDragSpringsBackToTheSamePage)
{
    pager->setContentOffset(QPoint(320, 0));
    drag(lists[1], QPoint(100, 150), QPoint(180, 150), 4, 20, 200);
    ASSERT_TRUE(waitUntil([&] { return counter.rests == 1; }));
    EXPECT_EQ(pager->contentOffset(), QPoint(320, 0));
}

TEST_F(Pager, AFlickTurnsOnePageEvenWhenShort)
{
    drag(lists[0], QPoint(200, 150), QPoint(150, 150), 5, 8, 1);
    ASSERT_TRUE(waitUntil([&] { return counter.rests == 1; }));
    EXPECT_EQ(pager->contentOffset(), QPoint(320, 0));
}

TEST_F(Pager, ATouchStopsGlidingContentAndIsNoTap)
{
    int selected = 0;
    class Selecting : public Rows
    {
    public:
        explicit Selecting(int *count)
            : m_count(count)
        {}
        void tableViewDidSelectRow(QMTableView *, int) override { ++*m_count; }

    private:
        int *m_count;
    } selecting(&selected);
    lists[0]->setDataSource(&selecting);
    lists[0]->reloadData();
    drag(lists[0], QPoint(160, 280), QPoint(160, 80), 5, 10, 1);
    ASSERT_TRUE(lists[0]->isDecelerating());
    tap(lists[0], QPoint(160, 150));
    const QPoint stopped = lists[0]->contentOffset();
    EXPECT_FALSE(lists[0]->isDecelerating());
    EXPECT_EQ(selected, 0);
    QTest::qWait(100);
    EXPECT_EQ(lists[0]->contentOffset(), stopped);
    lists[0]->setDataSource(&rows);
}

} // namespace
