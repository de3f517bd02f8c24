#include "KitTestSupport.h"

#include "kit/QMBarButton.h"
#include "kit/QMNavigationBar.h"
#include "kit/QMPickerView.h"
#include "kit/QMWheelPicker.h"
#include "kit/QMWindow.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

// A screen that fills the wheels and records what the picker and the overlay tell it.
class Chooser : public QObject,
                public QMWheelPickerDataSource,
                public QMWheelPickerDelegate,
                public QMPickerViewDelegate
{
public:
    int numberOfComponentsInPickerView(QMWheelPicker *) override { return int(wheels.size()); }
    int pickerViewNumberOfRowsInComponent(QMWheelPicker *, int component) override
    {
        return int(wheels.value(component).size());
    }
    int pickerViewWidthForComponent(QMWheelPicker *, int) override { return width; }
    QString pickerViewTitleForRowForComponent(QMWheelPicker *, int row, int component) override
    {
        return wheels.value(component).value(row);
    }
    std::unique_ptr<QWidget> pickerViewViewForRowForComponent(QMWheelPicker *, int row,
                                                              int component) override
    {
        if (!ownViews)
            return nullptr;
        auto button = std::make_unique<QPushButton>(wheels.value(component).value(row));
        button->setObjectName(QStringLiteral("own"));
        return button;
    }
    void pickerViewDidSelectRowInComponent(QMWheelPicker *, int row, int component) override
    {
        selected.append({component, row});
    }
    void pickerViewConformSelction(QMPickerView *, const QMap<int, int> &selection) override
    {
        confirmed.append(selection);
    }
    void pickerViewCancelledSelection(QMPickerView *) override { ++cancelled; }

    QList<QStringList> wheels;
    int width = 0;
    bool ownViews = false;
    QList<std::pair<int, int>> selected;
    QList<QMap<int, int>> confirmed;
    int cancelled = 0;
};

QStringList rowNames(int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names.append(QStringLiteral("行%1").arg(i));
    return names;
}

void turnMouseWheel(QWidget *widget, QPoint at, int angle)
{
    QWidget *target = widget->childAt(at);
    ASSERT_TRUE(target);
    const QPoint local = target->mapFrom(widget, at);
    QWheelEvent event(local, target->mapToGlobal(local), QPoint(), QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

// The overlay over a shown window, as a screen of the cinemas tab raises it.
class PickerOverlay : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = shownWindow();
        ASSERT_TRUE(window);
        ownerView = new QWidget(window.get());
        ownerView->setGeometry(window->contentRect());
        underneath = new QPushButton(QStringLiteral("below"), ownerView);
        underneath->setGeometry(0, 0, 320, 460);
        ownerView->show();
        overlay = new QMPickerView(QRect(0, 20, 320, 460), ownerView);
        overlay->setNavTitle(QStringLiteral("选择区域"));
        overlay->setPickerDataSource(&chooser);
        overlay->setPickerDelegate(&chooser);
        overlay->setSelectionDelegate(&chooser);
        chooser.width = 280;
        chooser.wheels = {rowNames(12)};
    }

    void show()
    {
        overlay->reloadData();
        overlay->showInWindow(window.get());
    }
    QMWheelPicker *picker() const { return overlay->pickerView(); }
    // The middle of a row as drawn now, in the picker.
    QPoint rowCentre(int row, int component = 0) const
    {
        return picker()->rectForRowInComponent(row, component).center();
    }
    bool settled() const
    {
        return waitUntil([&] { return !picker()->isTurning(); }, 3000);
    }
    // The selected row sits exactly in the middle band.
    bool restsInTheBand(int component = 0) const
    {
        const int row = picker()->selectedRowInComponent(component);
        const QRect rect = picker()->rectForRowInComponent(row, component);
        return rect.top() == (picker()->height() - rect.height()) / 2;
    }

    Chooser chooser;
    std::unique_ptr<QMWindow> window;
    QWidget *ownerView = nullptr;
    QPushButton *underneath = nullptr;
    QMPickerView *overlay = nullptr;
};

} // namespace

TEST_F(PickerOverlay, CoversTheWholeWindowWithItsBarAndWheel)
{
    show();
    EXPECT_EQ(overlay->parentWidget(), window.get());
    EXPECT_EQ(overlay->geometry(), QRect(0, 20, 320, 460));
    EXPECT_EQ(overlay->naviBar()->geometry(), QRect(0, 156, 320, 44));
    EXPECT_EQ(picker()->geometry(), QRect(0, 200, 320, 260));
    EXPECT_EQ(overlay->navTitle(), QStringLiteral("选择区域"));
    EXPECT_EQ(overlay->cancelButton()->text(), QStringLiteral("取消"));
    EXPECT_EQ(overlay->confirmButton()->text(), QStringLiteral("确定"));
    EXPECT_TRUE(picker()->showsSelectionIndicator());
    // One 280-point wheel in the middle, rows 40 high, the first in the band.
    EXPECT_EQ(picker()->rectForRowInComponent(0, 0), QRect(20, 110, 280, 40));
    auto *first = qobject_cast<QLabel *>(picker()->viewForRowForComponent(0, 0));
    ASSERT_TRUE(first);
    EXPECT_EQ(first->text(), QStringLiteral("行0"));
    EXPECT_EQ(first->alignment(), Qt::AlignCenter);

    // Touches on the veil and where the tab bar would be reach nothing underneath.
    QSignalSpy clicks(underneath, &QPushButton::clicked);
    tap(window.get(), QPoint(160, 60));
    tap(window.get(), QPoint(160, 470));
    EXPECT_EQ(clicks.count(), 0);

    overlay->removeFromWindow();
    EXPECT_FALSE(overlay->isVisible());
    EXPECT_EQ(overlay->parentWidget(), ownerView);
    tap(window.get(), QPoint(160, 60));
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(PickerOverlay, ConfirmTellsEveryWheelsRowAndCancelOnlyCancels)
{
    chooser.width = 0;
    chooser.wheels = {rowNames(5), rowNames(3)};
    show();
    picker()->selectRow(3, 0, false);
    picker()->selectRow(1, 1, false);
    tap(overlay->confirmButton(), overlay->confirmButton()->rect().center());
    ASSERT_EQ(chooser.confirmed.size(), 1);
    EXPECT_EQ(chooser.confirmed.first(), (QMap<int, int>{{0, 3}, {1, 1}}));
    // Neither the program's choice nor the confirmation counts as a turn by the user.
    EXPECT_TRUE(chooser.selected.isEmpty());

    tap(overlay->cancelButton(), overlay->cancelButton()->rect().center());
    EXPECT_EQ(chooser.cancelled, 1);
    EXPECT_EQ(chooser.confirmed.size(), 1);
    // The owner removes the overlay, not the overlay itself.
    EXPECT_TRUE(overlay->isInWindow());
}

TEST_F(PickerOverlay, AWheelWithoutRowsConfirmsNoRow)
{
    chooser.wheels = {QStringList()};
    show();
    EXPECT_EQ(picker()->numberOfRowsInComponent(0), 0);
    // Nothing to turn.
    drag(picker(), QPoint(160, 200), QPoint(160, 60), 6, 16, 0);
    turnMouseWheel(picker(), QPoint(160, 130), -120);
    tap(picker(), QPoint(160, 170));
    overlay->conformSelection();
    ASSERT_EQ(chooser.confirmed.size(), 1);
    EXPECT_EQ(chooser.confirmed.first(), (QMap<int, int>{{0, -1}}));
    EXPECT_TRUE(chooser.selected.isEmpty());
}

TEST_F(PickerOverlay, ATapOnARowTurnsItIntoTheBand)
{
    show();
    tap(picker(), rowCentre(2));
    ASSERT_TRUE(settled());
    EXPECT_EQ(picker()->selectedRowInComponent(0), 2);
    EXPECT_TRUE(restsInTheBand());
    EXPECT_EQ(chooser.selected, (QList<std::pair<int, int>>{{0, 2}}));

    // The row in the band again changes nothing; a row above turns back.
    tap(picker(), rowCentre(2));
    ASSERT_TRUE(settled());
    EXPECT_EQ(chooser.selected.size(), 1);
    tap(picker(), rowCentre(1));
    ASSERT_TRUE(settled());
    EXPECT_EQ(picker()->selectedRowInComponent(0), 1);
    EXPECT_EQ(chooser.selected.last(), std::make_pair(0, 1));
}

TEST_F(PickerOverlay, ADragTurnsRowByRowAndSettlesOnOne)
{
    show();
    // Three rows and a bit up, held still before letting go: no glide.
    drag(picker(), QPoint(160, 200), QPoint(160, 200 - 3 * 40 - 12), 8, 20, 300);
    ASSERT_TRUE(settled());
    EXPECT_EQ(picker()->selectedRowInComponent(0), 3);
    EXPECT_TRUE(restsInTheBand());
    EXPECT_EQ(chooser.selected, (QList<std::pair<int, int>>{{0, 3}}));

    // The same distance as a quick flick carries on past it.
    drag(picker(), QPoint(160, 200), QPoint(160, 200 - 3 * 40 - 12), 4, 10, 0);
    EXPECT_TRUE(picker()->isTurning());
    ASSERT_TRUE(settled());
    EXPECT_GT(picker()->selectedRowInComponent(0), 6);
    EXPECT_TRUE(restsInTheBand());
    EXPECT_EQ(chooser.selected.size(), 2);
}

TEST_F(PickerOverlay, PulledPastAnEndItSpringsBack)
{
    show();
    drag(picker(), QPoint(160, 60), QPoint(160, 250), 6, 20, 300);
    ASSERT_TRUE(settled());
    EXPECT_EQ(picker()->selectedRowInComponent(0), 0);
    EXPECT_TRUE(restsInTheBand());
    EXPECT_TRUE(chooser.selected.isEmpty());

    picker()->selectRow(11, 0, false);
    drag(picker(), QPoint(160, 250), QPoint(160, 10), 4, 8, 0);
    ASSERT_TRUE(settled());
    EXPECT_EQ(picker()->selectedRowInComponent(0), 11);
    EXPECT_TRUE(restsInTheBand());
}

TEST_F(PickerOverlay, TheMouseWheelTurnsOneRowPerNotch)
{
    show();
    const QPoint band(160, 130);
    turnMouseWheel(picker(), band, -120);
    turnMouseWheel(picker(), band, -120);
    EXPECT_EQ(picker()->selectedRowInComponent(0), 2); // the row it is turning to
    ASSERT_TRUE(settled());
    EXPECT_TRUE(restsInTheBand());
    turnMouseWheel(picker(), band, 120);
    ASSERT_TRUE(settled());
    EXPECT_EQ(picker()->selectedRowInComponent(0), 1);
    // Half notches add up; the first row is as far as it goes.
    turnMouseWheel(picker(), band, 60);
    EXPECT_EQ(picker()->selectedRowInComponent(0), 1);
    turnMouseWheel(picker(), band, 60);
    turnMouseWheel(picker(), band, 120);
    ASSERT_TRUE(settled());
    EXPECT_EQ(picker()->selectedRowInComponent(0), 0);
}

TEST_F(PickerOverlay, AReloadKeepsTheRowWhileItExists)
{
    chooser.ownViews = true;
    show();
    picker()->selectRow(11, 0, false);
    ASSERT_TRUE(picker()->viewForRowForComponent(11, 0));
    EXPECT_EQ(picker()->viewForRowForComponent(11, 0)->objectName(), QStringLiteral("own"));
    // A row far from the band has no view.
    EXPECT_EQ(picker()->viewForRowForComponent(0, 0), nullptr);

    chooser.wheels = {rowNames(20)};
    overlay->reloadData();
    EXPECT_EQ(picker()->selectedRowInComponent(0), 11);
    chooser.wheels = {rowNames(4)};
    overlay->reloadData();
    EXPECT_EQ(picker()->selectedRowInComponent(0), 3);
    EXPECT_TRUE(restsInTheBand());
    // A tap on the row's own widget still turns the wheel.
    tap(picker(), rowCentre(2));
    ASSERT_TRUE(settled());
    EXPECT_EQ(picker()->selectedRowInComponent(0), 2);
}
