#include "app/QMTourHand.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

// The tour's hand: what it touches and types reaches the window as a user's input would.
namespace {

class TourHand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(320, 480);
        button->setGeometry(10, 10, 100, 40);
        field->setGeometry(10, 100, 200, 30);
        text->setGeometry(10, 150, 200, 100);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QWidget window;
    QPushButton *button = new QPushButton(QStringLiteral("OK"), &window);
    QLineEdit *field = new QLineEdit(&window);
    QPlainTextEdit *text = new QPlainTextEdit(&window);
    QMTourHand hand{&window};
};

TEST_F(TourHand, ATapReachesWhatLiesUnderTheFingerOnly)
{
    QSignalSpy clicked(button, &QAbstractButton::clicked);
    EXPECT_TRUE(hand.tap(button));
    EXPECT_EQ(clicked.count(), 1);

    // A veil over the button takes the touch, as it would take a finger's.
    QWidget veil(&window);
    veil.setGeometry(0, 0, 320, 60);
    veil.show();
    EXPECT_TRUE(hand.tap(button));
    EXPECT_EQ(clicked.count(), 1);

    // Nothing is touched that the user cannot see.
    veil.hide();
    button->hide();
    EXPECT_FALSE(hand.tap(button));
    EXPECT_FALSE(hand.tap(nullptr));
    QWidget elsewhere;
    EXPECT_FALSE(hand.tap(&elsewhere));
    EXPECT_FALSE(hand.tapAt(QPoint(-1, 10)));
    EXPECT_FALSE(hand.tapAt(QPoint(10, 480)));
    button->show();
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(TourHand, TypesIntoTheFieldTouchedLastAndReplacesWhatItHeld)
{
    field->setText(QStringLiteral("remembered@example.com"));
    ASSERT_TRUE(hand.tap(field));
    EXPECT_TRUE(field->hasFocus() || window.focusWidget() == field);
    hand.selectAll();
    hand.type(QStringLiteral("demo@example.com"));
    EXPECT_EQ(field->text(), QStringLiteral("demo@example.com"));

    // Chinese and a character beyond the BMP arrive whole, one at a time.
    ASSERT_TRUE(hand.tap(text->viewport()));
    hand.type(QStringLiteral("值得二刷🎬"));
    EXPECT_EQ(text->toPlainText(), QStringLiteral("值得二刷🎬"));
    EXPECT_EQ(field->text(), QStringLiteral("demo@example.com"));
}

TEST_F(TourHand, WaitsForWhatTheEventLoopBringsAndGivesUpInTime)
{
    bool ready = false;
    QTimer::singleShot(10, &window, [&ready] { ready = true; });
    EXPECT_TRUE(QMTourHand::waitFor([&ready] { return ready; }, 5000));
    EXPECT_FALSE(QMTourHand::waitFor([] { return false; }, 50));

    // Widgets let go meanwhile are gone once the wait returns.
    QPointer<QWidget> removed = new QWidget(&window);
    removed->deleteLater();
    QMTourHand::pause(10);
    EXPECT_FALSE(removed);
}

} // namespace
