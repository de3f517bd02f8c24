#include "KitTestSupport.h"

#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMNavigationController.h"
#include "kit/QMWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class Alerts : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = shownWindow();
        ASSERT_TRUE(window);
        screen = std::make_unique<LoggingScreen>(QStringLiteral("Screen"), log);
        window->setRootViewController(screen.get());
    }

    void TearDown() override
    {
        for (QMAlertView *alert : QMAlertView::visibleAlerts())
            alert->clickButton();
        flushDeletions();
    }

    std::shared_ptr<QStringList> log = std::make_shared<QStringList>();
    std::unique_ptr<QMWindow> window;
    std::unique_ptr<LoggingScreen> screen;
};

TEST_F(Alerts, ShowReturnsAtOnceAndAClickDismissesWithOneCallback)
{
    int dismissed = 0;
    QPointer<QMAlertView> alert =
        QMAlertView::show(QStringLiteral("提示"), QStringLiteral("只能显示10页!"),
                          QStringLiteral("ok"), [&] { ++dismissed; });
    // Reaching this line at all means no nested loop held the caller.
    EXPECT_EQ(QMAlertView::visibleAlerts(), QList<QMAlertView *>{alert.data()});
    EXPECT_EQ(dismissed, 0);
    EXPECT_EQ(alert->parentWidget(), window.get());
    EXPECT_EQ(alert->geometry(), window->rect()) << "over the whole window";

    auto *button = window->findChild<QMBarButton *>(QStringLiteral("QMAlertViewButton"));
    ASSERT_TRUE(button);
    EXPECT_EQ(button->text(), QStringLiteral("ok"));
    EXPECT_TRUE(alert->isAncestorOf(button));
    tap(button, button->rect().center());
    EXPECT_EQ(dismissed, 1);
    EXPECT_TRUE(QMAlertView::visibleAlerts().isEmpty());
    if (alert) // it may already be gone: it deletes itself
        alert->clickButton();
    tap(window.get(), QPoint(160, 300));
    EXPECT_EQ(dismissed, 1) << "the callback runs once";
    flushDeletions();
    EXPECT_TRUE(alert.isNull());
}

TEST_F(Alerts, TheTitleIsOptional)
{
    QMAlertView *alert =
        QMAlertView::show(QString(), QStringLiteral("评论成功！"), QStringLiteral("ok"));
    const QList<QLabel *> labels = alert->findChildren<QLabel *>();
    QStringList shown;
    for (QLabel *label : labels) {
        if (label->isVisible())
            shown.append(label->text());
    }
    EXPECT_EQ(shown, QStringList{QStringLiteral("评论成功！")});
    EXPECT_TRUE(alert->title().isEmpty());
}

TEST_F(Alerts, TouchesDoNotReachTheScreenUnderneath)
{
    auto *underneath = new QPushButton(QStringLiteral("buy"), screen->view());
    underneath->setGeometry(0, 380, 320, 60);
    underneath->show();
    int clicks = 0;
    QObject::connect(underneath, &QPushButton::clicked, [&] { ++clicks; });
    QMAlertView::show(QStringLiteral("错误"), QStringLiteral("与后台通讯错误"),
                      QStringLiteral("ok"));
    tap(underneath, QPoint(160, 30));
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(QMAlertView::visibleAlerts().size(), 1);
}

TEST_F(Alerts, ReturnKeyPressesTheButtonAndACallbackMayShowTheNextAlert)
{
    QMAlertView *first = QMAlertView::show(
        QStringLiteral("成功"), QStringLiteral("注册成功!"), QStringLiteral("ok"), [] {
            QMAlertView::show(QStringLiteral("提示"), QStringLiteral("next"),
                              QStringLiteral("确定"));
        });
    QTest::keyClick(first, Qt::Key_Return);
    const QList<QMAlertView *> shown = QMAlertView::visibleAlerts();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown.first()->message(), QStringLiteral("next"));
}

TEST_F(Alerts, AlertsStayAboveSheetsPresentedAfterThem)
{
    QMAlertView *alert =
        QMAlertView::show(QStringLiteral("提示"), QStringLiteral("m"), QStringLiteral("ok"));
    screen->presentModalViewController(
        std::make_unique<LoggingScreen>(QStringLiteral("Sheet"), log), false);
    QWidget *top = window->childAt(alert->button()->geometry().center() + alert->pos());
    EXPECT_EQ(top, alert->button());
}

TEST_F(Alerts, WithoutAWindowAnAlertIsAWindowOfItsOwn)
{
    window.reset();
    int dismissed = 0;
    QMAlertView *alert = QMAlertView::show(QStringLiteral("错误"), QStringLiteral("x"), QString(),
                                           [&] { ++dismissed; });
    EXPECT_TRUE(alert->isWindow());
    EXPECT_EQ(alert->button()->text(), QStringLiteral("确定"));
    alert->clickButton();
    EXPECT_EQ(dismissed, 1);
}

} // namespace
