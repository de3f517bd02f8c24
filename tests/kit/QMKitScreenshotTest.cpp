#include "KitTestSupport.h"

#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMNavigationController.h"
#include "kit/QMNavigationItem.h"
#include "kit/QMTabBarController.h"
#include "kit/QMTabBarItem.h"
#include "kit/QMTableView.h"
#include "kit/QMTableViewCell.h"
#include "kit/QMTableViewDataSource.h"
#include "kit/QMWindow.h"
#include "services/QMResourceImages.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A film list as the screens will build one: a poster, a title, a detail, an arrow.
class SampleListScreen : public QMViewController, public QMTableViewDataSource
{
public:
    SampleListScreen()
    {
        setTitle(QStringLiteral("上海正在放映影片查询"));
        navigationItem()->setBackBarButtonTitle(QStringLiteral("正在热映"));
    }

    int tableViewNumberOfRows(QMTableView *) override { return 40; }
    int tableViewHeightForRow(QMTableView *, int row) override { return row % 4 == 3 ? 44 : 64; }
    std::unique_ptr<QWidget> tableViewCellForRow(QMTableView *, int row) override
    {
        auto cell = std::make_unique<QMTableViewCell>(QMTableViewCell::CellStyle::Subtitle);
        cell->imageView()->setPixmap(QPixmap::fromImage(QMResourceImages::named("default.jpg")));
        cell->textLabel()->setText(QStringLiteral("影片 %1").arg(row + 1));
        cell->detailTextLabel()->setText(QStringLiteral("导演:某某  片长:%1分钟").arg(90 + row));
        cell->setAccessoryType(QMTableViewCell::Accessory::DisclosureIndicator);
        if (row % 2)
            cell->setBackgroundColor(QMKitStyle::lightGrayColor());
        return cell;
    }

protected:
    std::unique_ptr<QWidget> loadView() override
    {
        auto table = std::make_unique<QMTableView>();
        table->setDataSource(this);
        return table;
    }
    void viewDidLoad() override
    {
        auto button = std::make_unique<QMBarButton>(QStringLiteral("即将上映 "),
                                                    QMResourceImages::named("btn_index_right.png"));
        button->setFont(QMKitStyle::boldSystemFont(13));
        button->resize(70, 27);
        navigationItem()->setRightBarButton(std::move(button));
        static_cast<QMTableView *>(view())->reloadData();
    }
};

QColor pixelAt(const QImage &image, QPoint point)
{
    return image.pixelColor(point * image.devicePixelRatio());
}

TEST(KitScreenshot, ASampleStackInTabsLooksLikeAPhone)
{
    QTemporaryDir scratch;
    const QString directory = qEnvironmentVariableIsSet("QM_KIT_SCREENSHOT_DIR")
                                  ? qEnvironmentVariable("QM_KIT_SCREENSHOT_DIR")
                                  : scratch.path();
    QDir().mkpath(directory);

    std::unique_ptr<QMWindow> window = shownWindow();
    ASSERT_TRUE(window);
    QMTabBarController tabs;
    const char *images[] = {"movie.png", "cinema.png", "myQMR.png"};
    const QStringList titles{QStringLiteral("电 影"), QStringLiteral("影 院"),
                             QStringLiteral("叽 喳")};
    std::vector<std::unique_ptr<QMViewController>> stacks;
    for (int i = 0; i < 3; ++i) {
        std::unique_ptr<QMViewController> root;
        if (i == 0)
            root = std::make_unique<SampleListScreen>();
        else
            root = std::make_unique<QMViewController>();
        auto stack = std::make_unique<QMNavigationController>(std::move(root));
        stack->setTintColor(QMKitStyle::tintColor());
        stack->tabBarItem()->setTitle(titles[i]);
        stack->tabBarItem()->setImage(QMResourceImages::named(images[i]));
        stack->tabBarItem()->setTag(i);
        stacks.push_back(std::move(stack));
    }
    tabs.setViewControllers(std::move(stacks));
    window->setRootViewController(&tabs);
    auto *films = static_cast<QMNavigationController *>(tabs.viewControllers().first());

    auto *table = static_cast<QMTableView *>(films->topViewController()->view());
    tap(table, QPoint(160, 64 + 30));
    ASSERT_EQ(table->selectedRow(), 1);

    const QImage list = window->screenshot();
    EXPECT_EQ(list.size(), QSize(320, 480) * list.devicePixelRatio());
    EXPECT_TRUE(list.save(directory + "/kit-list.png"));
    EXPECT_LT(pixelAt(list, {160, 3}).lightness(), 40) << "dark status strip";
    const QColor bar = pixelAt(list, {100, 40});
    EXPECT_GT(bar.red(), 200);
    EXPECT_LT(bar.blue(), 90) << "orange navigation bar";
    EXPECT_GT(pixelAt(list, {300, 476}).lightness(), 230) << "light tab bar";
    const QColor lit = pixelAt(list, {250, 64 + 64 + 40});
    EXPECT_GT(lit.red() - lit.blue(), 30) << "the touched row stays lit, warm";

    auto details = std::make_unique<QMViewController>();
    details->setTitle(QStringLiteral("影片介绍"));
    QMKitStyle::setBackgroundColor(details->view(), QMKitStyle::lightGrayColor());
    films->push(std::move(details), false);
    EXPECT_TRUE(window->saveScreenshot(directory + "/kit-pushed.png"));
    films->pop(false);

    QMAlertView *shown = QMAlertView::show(QStringLiteral("提示"), QStringLiteral("只能显示10页!"),
                                           QStringLiteral("ok"));
    ASSERT_TRUE(waitUntil([&] { return !shown->graphicsEffect(); })) << "faded in";
    const QImage alert = window->screenshot();
    EXPECT_TRUE(alert.save(directory + "/kit-alert.png"));
    EXPECT_LT(pixelAt(alert, {10, 300}).lightness(), pixelAt(list, {10, 300}).lightness())
        << "the window is dimmed under an alert";
    EXPECT_EQ(pixelAt(alert, {35, 240}), QColor(Qt::white)) << "the alert's box";
    shown->clickButton();

    auto comment = std::make_unique<QMViewController>();
    comment->setTitle(QStringLiteral("我来评论"));
    comment->navigationItem()->setRightBarButton(
        std::make_unique<QMBarButton>(QStringLiteral("返回")));
    QMKitStyle::setBackgroundColor(comment->view(), QMKitStyle::lightGrayColor());
    auto sheetStack = std::make_unique<QMNavigationController>(std::move(comment));
    QWidget *sheetView = sheetStack->view();
    films->topViewController()->presentModalViewController(std::move(sheetStack), true);
    ASSERT_TRUE(waitUntil([&] { return sheetView->y() < 300; }));
    EXPECT_TRUE(window->saveScreenshot(directory + "/kit-sheet-rising.png"));
    ASSERT_TRUE(waitUntil([&] { return sheetView->y() == 20; }));
    const QImage sheet = window->screenshot();
    EXPECT_TRUE(sheet.save(directory + "/kit-sheet.png"));
    EXPECT_EQ(pixelAt(sheet, {160, 470}), QMKitStyle::lightGrayColor()) << "over the tab bar";
    window->setRootViewController(nullptr);
}

} // namespace
