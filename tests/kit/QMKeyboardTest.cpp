#include "KitTestSupport.h"

#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMFocusRing.h"
#include "kit/QMKeyboardNavigation.h"
#include "kit/QMNavigationController.h"
#include "kit/QMNavigationItem.h"
#include "kit/QMPickerView.h"
#include "kit/QMTabBarController.h"
#include "kit/QMTableView.h"
#include "kit/QMTableViewDataSource.h"
#include "kit/QMTextField.h"
#include "kit/QMTextView.h"
#include "kit/QMWheelPicker.h"
#include "kit/QMWindow.h"

#include <QApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The keys as the platform delivers them: to the widget with the keyboard, else the window.
void press(QMWindow *window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus && focus->window() == window ? focus : window, key, modifiers);
}

class Rows : public QObject,
             public QMTableViewDataSource,
             public QMWheelPickerDataSource,
             public QMPickerViewDelegate,
             public QMWheelPickerDelegate
{
public:
    int tableViewNumberOfRows(QMTableView *) override { return 100; }
    std::unique_ptr<QWidget> tableViewCellForRow(QMTableView *, int) override
    {
        return std::make_unique<QWidget>();
    }
    void scrollViewDidEndDecelerating(QMScrollView *) override { ++rested; }

    int numberOfComponentsInPickerView(QMWheelPicker *) override { return 2; }
    int pickerViewNumberOfRowsInComponent(QMWheelPicker *, int component) override
    {
        return component == 0 ? 16 : 3;
    }
    QString pickerViewTitleForRowForComponent(QMWheelPicker *, int row, int) override
    {
        return QString::number(row);
    }
    void pickerViewDidSelectRowInComponent(QMWheelPicker *, int row, int component) override
    {
        turned.append({component, row});
    }
    void pickerViewConformSelction(QMPickerView *, const QMap<int, int> &selection) override
    {
        confirmed.append(selection);
    }
    void pickerViewCancelledSelection(QMPickerView *) override { ++cancelled; }

    int rested = 0;
    QList<std::pair<int, int>> turned;
    QList<QMap<int, int>> confirmed;
    int cancelled = 0;
};

// Three tabs of navigation stacks; the first screen holds a table of 100 rows, two fields and
// a text view.
class Keyboard : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = shownWindow();
        ASSERT_TRUE(window);
        std::vector<std::unique_ptr<QMViewController>> stacks;
        for (int i = 0; i < 3; ++i) {
            auto root = std::make_unique<LoggingScreen>(QStringLiteral("S%1").arg(i), log);
            if (i == 0)
                root->onDidLoad = [this, screen = root.get()] {
                    fill(screen->view());
                };
            stacks.push_back(std::make_unique<QMNavigationController>(std::move(root)));
        }
        tabs.setViewControllers(std::move(stacks));
        window->setRootViewController(&tabs);
        ASSERT_TRUE(table);
    }

    void fill(QWidget *view)
    {
        name = new QMTextField(QRect(10, 10, 300, 30), view);
        password = new QMTextField(QRect(10, 50, 300, 30), view);
        body = new QMTextView(QRect(10, 90, 300, 60), view);
        table = new QMTableView(view);
        table->setGeometry(0, 160, 320, 200);
        table->setDataSource(&rows);
        table->reloadData();
    }

    QMNavigationController *stack(int index) const
    {
        return static_cast<QMNavigationController *>(tabs.viewControllers().at(index));
    }
    void pushScreen(bool hidesBackButton = false)
    {
        auto screen = std::make_unique<LoggingScreen>(QStringLiteral("Pushed"), log);
        screen->navigationItem()->setHidesBackButton(hidesBackButton);
        stack(tabs.selectedIndex())->push(std::move(screen), false);
    }
    // Saves the window when QM_SCREENSHOT_DIR names a directory, to look at.
    void screenshot(const QString &name) const
    {
        const QString dir = qEnvironmentVariable("QM_SCREENSHOT_DIR");
        if (!dir.isEmpty())
            window->saveScreenshot(dir + QLatin1Char('/') + name);
    }
    bool settled(QMScrollView *view) const
    {
        return waitUntil([view] { return !view->isDecelerating(); });
    }

    std::shared_ptr<QStringList> log = std::make_shared<QStringList>();
    Rows rows;
    QMTabBarController tabs;
    std::unique_ptr<QMWindow> window;
    QMTextField *name = nullptr;
    QMTextField *password = nullptr;
    QMTextView *body = nullptr;
    QMTableView *table = nullptr;
};

TEST_F(Keyboard, EscAndAltLeftGoBackButNotPastAHiddenBackButtonNorOutOfAField)
{
    pushScreen();
    press(window.get(), Qt::Key_Escape);
    EXPECT_EQ(stack(0)->viewControllers().size(), 1);
    pushScreen();
    press(window.get(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(stack(0)->viewControllers().size(), 1);
    press(window.get(), Qt::Key_Escape); // the root: nothing to go back to
    EXPECT_EQ(stack(0)->viewControllers().size(), 1);

    pushScreen(true);
    press(window.get(), Qt::Key_Escape);
    press(window.get(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(stack(0)->viewControllers().size(), 2) << "the back button is hidden";
    stack(0)->pop(false);
    flushDeletions();

    // Esc first leaves the field it is typed in; only the next one leaves the screen.
    pushScreen();
    auto *field = new QMTextField(QRect(10, 10, 200, 30), stack(0)->topViewController()->view());
    field->show();
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("abc"));
    press(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(field->hasFocus());
    EXPECT_EQ(stack(0)->viewControllers().size(), 2);
    press(window.get(), Qt::Key_Escape);
    EXPECT_EQ(stack(0)->viewControllers().size(), 1);

    // A page laid over the window with a return button of its own: only the top layer's.
    QList<QPointer<QWidget>> pages;
    for (int page = 0; page < 2; ++page) {
        auto *panel = new QWidget(window.get());
        pages.append(panel);
        panel->setGeometry(window->contentRect());
        auto *back = new QMBarButton(QStringLiteral("返回"), panel);
        QMKeyboardNavigation::markBackButton(back);
        QObject::connect(back, &QAbstractButton::clicked, panel, &QObject::deleteLater);
        panel->show();
    }
    pushScreen();
    press(window.get(), Qt::Key_Escape);
    flushDeletions();
    EXPECT_TRUE(pages[0] && !pages[1]) << "the upper page went";
    EXPECT_EQ(stack(0)->viewControllers().size(), 2);
    press(window.get(), Qt::Key_Left, Qt::AltModifier);
    flushDeletions();
    EXPECT_FALSE(pages[0]);
    press(window.get(), Qt::Key_Escape);
    EXPECT_EQ(stack(0)->viewControllers().size(), 1) << "the stack's turn once the pages went";
}

TEST_F(Keyboard, CtrlDigitsPickTabsOnlyWhenTheTabBarIsInView)
{
    press(window.get(), Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(tabs.selectedIndex(), 1);
    press(window.get(), Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(tabs.selectedIndex(), 2);
    press(window.get(), Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(tabs.selectedIndex(), 0);

    // A field keeps its text keys but not the chords.
    name->setFocus();
    press(window.get(), Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(tabs.selectedIndex(), 1);
    EXPECT_TRUE(name->text().isEmpty());
    press(window.get(), Qt::Key_1, Qt::ControlModifier);

    // A sheet covers the tab bar; an alert stops every chord but its own keys.
    stack(0)->presentModalViewController(
        std::make_unique<LoggingScreen>(QStringLiteral("Sheet"), log), false);
    press(window.get(), Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(tabs.selectedIndex(), 0);
    stack(0)->dismissModalViewController(false);
    flushDeletions();
    bool dismissed = false;
    QMAlertView::show(QStringLiteral("提示"), QStringLiteral("消息"), QStringLiteral("ok"),
                      [&dismissed] { dismissed = true; });
    press(window.get(), Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(tabs.selectedIndex(), 0);
    press(window.get(), Qt::Key_Tab);
    press(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(dismissed) << "Tab stays on the alert, Esc answers it";
    EXPECT_TRUE(QMAlertView::visibleAlerts().isEmpty());
    QMAlertView::show(QString(), QStringLiteral("再来"), QStringLiteral("ok"));
    press(window.get(), Qt::Key_Enter);
    EXPECT_TRUE(QMAlertView::visibleAlerts().isEmpty());
    flushDeletions();

    QSignalSpy quit(window->keyboardNavigation(), &QMKeyboardNavigation::quitRequested);
    press(window.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(quit.count(), 1);
}

TEST_F(Keyboard, TableKeysScrollByLinePageAndToTheEndsWithAVisibleFocus)
{
    const int last = table->maximumContentOffset().y();
    ASSERT_GT(last, 1000);
    // Nothing has the keyboard: the screen's table takes the arrows, and shows it.
    press(window.get(), Qt::Key_Down);
    EXPECT_TRUE(table->hasFocus());
    ASSERT_TRUE(settled(table));
    EXPECT_EQ(table->contentOffset().y(), 40);
    EXPECT_EQ(window->focusRing()->target(), table);
    const QRect area(table->mapTo(window.get(), QPoint(0, 0)), table->size());
    EXPECT_EQ(window->focusRing()->geometry(), area.adjusted(-3, -3, 3, 3) & window->rect())
        << "3 points around the table, cut at the window's sides";
    press(window.get(), Qt::Key_PageDown);
    ASSERT_TRUE(settled(table));
    EXPECT_EQ(table->contentOffset().y(), 40 + 160);
    screenshot(QStringLiteral("kit-keys-table.png"));
    press(window.get(), Qt::Key_Up);
    press(window.get(), Qt::Key_Up); // a second key adds to the first before it arrives
    ASSERT_TRUE(settled(table));
    EXPECT_EQ(table->contentOffset().y(), 120);
    press(window.get(), Qt::Key_End);
    ASSERT_TRUE(settled(table));
    EXPECT_EQ(table->contentOffset().y(), last);
    EXPECT_GE(rows.rested, 1) << "the end of a list is reached as by the user";
    press(window.get(), Qt::Key_PageUp);
    press(window.get(), Qt::Key_Home);
    ASSERT_TRUE(settled(table));
    EXPECT_EQ(table->contentOffset().y(), 0);

    // A touch needs no ring.
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(160, 450));
    EXPECT_EQ(window->focusRing()->target(), nullptr);
}

TEST_F(Keyboard, TabMovesBetweenFieldsWhichKeepTheirOwnKeys)
{
    name->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(name, QStringLiteral("bc"));
    press(window.get(), Qt::Key_Home);
    QTest::keyClicks(name, QStringLiteral("a"));
    press(window.get(), Qt::Key_End);
    press(window.get(), Qt::Key_Left);
    QTest::keyClicks(name, QStringLiteral("-"));
    EXPECT_EQ(name->text(), QStringLiteral("ab-c"));
    EXPECT_EQ(table->contentOffset().y(), 0);

    press(window.get(), Qt::Key_Tab);
    EXPECT_TRUE(password->hasFocus());
    EXPECT_EQ(window->focusRing()->target(), password);
    press(window.get(), Qt::Key_Tab);
    EXPECT_TRUE(body->hasFocus());
    press(window.get(), Qt::Key_Tab);
    EXPECT_FALSE(body->toPlainText().contains(QLatin1Char('\t')));
    EXPECT_TRUE(table->hasFocus()) << "then the table";
    press(window.get(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(body->hasFocus());
}

TEST_F(Keyboard, PickerWheelsTurnWithKeysEnterConfirmsEscCancels)
{
    QMPickerView picker(QRect(0, 20, 320, 460), tabs.view());
    picker.setPickerDataSource(&rows);
    picker.setPickerDelegate(&rows);
    picker.setSelectionDelegate(&rows);
    picker.reloadData();
    picker.showInWindow(window.get());
    QMWheelPicker *wheel = picker.pickerView();
    EXPECT_TRUE(wheel->hasFocus());

    press(window.get(), Qt::Key_Down);
    press(window.get(), Qt::Key_Down);
    EXPECT_EQ(wheel->selectedRowInComponent(0), 2) << "the target while turning";
    ASSERT_TRUE(waitUntil([wheel] { return !wheel->isTurning(); }));
    press(window.get(), Qt::Key_PageDown);
    ASSERT_TRUE(waitUntil([wheel] { return !wheel->isTurning(); }));
    EXPECT_EQ(wheel->selectedRowInComponent(0), 7);
    press(window.get(), Qt::Key_End);
    ASSERT_TRUE(waitUntil([wheel] { return !wheel->isTurning(); }));
    EXPECT_EQ(wheel->selectedRowInComponent(0), 15);
    press(window.get(), Qt::Key_Right);
    press(window.get(), Qt::Key_Right); // no third wheel
    press(window.get(), Qt::Key_Down);
    ASSERT_TRUE(waitUntil([wheel] { return !wheel->isTurning(); }));
    EXPECT_EQ(wheel->keyComponent(), 1);
    screenshot(QStringLiteral("kit-keys-picker.png"));
    EXPECT_EQ(rows.turned, (QList<std::pair<int, int>>{{0, 2}, {0, 7}, {0, 15}, {1, 1}}));

    press(window.get(), Qt::Key_Tab);
    EXPECT_TRUE(wheel->hasFocus()) << "nothing under the veil is reached";
    press(window.get(), Qt::Key_Return);
    ASSERT_EQ(rows.confirmed.size(), 1);
    EXPECT_EQ(rows.confirmed.first(), (QMap<int, int>{{0, 15}, {1, 1}}));

    // Keys reach the picker even when something else had the keyboard.
    name->setFocus();
    press(window.get(), Qt::Key_Escape);
    EXPECT_EQ(rows.cancelled, 0) << "the field's Esc only leaves the field";
    press(window.get(), Qt::Key_Escape);
    EXPECT_EQ(rows.cancelled, 1);
    EXPECT_EQ(stack(0)->viewControllers().size(), 1);
    picker.removeFromWindow();
}

} // namespace
