#include "kit/QMActivityIndicatorView.h"
#include "services/QMGrayText.h"
#include "services/QMNavigaTitle.h"
#include "services/QMViewBusyBee.h"
#include "services/QMViewNavigation.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

namespace {
int indicatorsOf(const QWidget &view)
{
    return int(view.findChildren<QMActivityIndicatorView *>(Qt::FindDirectChildrenOnly).size());
}
} // namespace

TEST(BusyBee, CentresItsIndicatorAndRemovesEveryOne)
{
    QWidget view;
    view.resize(320, 460);
    QMViewBusyBee::showBusyBeeAtCenter(&view, 30);
    const auto indicators = view.findChildren<QMActivityIndicatorView *>();
    ASSERT_EQ(indicators.size(), 1);
    EXPECT_EQ(indicators.first()->geometry(), QRect(145, 215, 30, 30));
    EXPECT_TRUE(indicators.first()->isAnimating());

    QMViewBusyBee::showBusyBee(&view, QRect(0, 0, 20, 20));
    // One added by someone else is removed as well.
    new QMActivityIndicatorView(QMActivityIndicatorView::Style::White, &view);
    EXPECT_EQ(indicatorsOf(view), 3);
    QMViewBusyBee::removeBusyBee(&view);
    EXPECT_EQ(indicatorsOf(view), 0);
    QMViewBusyBee::removeBusyBee(&view); // none: nothing happens
    EXPECT_EQ(indicatorsOf(view), 0);
}

TEST(BusyBee, SquareAtTheCentreIsInTheParentsCoordinates)
{
    QWidget parent;
    QWidget view(&parent);
    view.setGeometry(10, 20, 100, 60);
    EXPECT_EQ(QMViewBusyBee::BusyBeeAtCenter(&view, 30), QRect(45, 35, 30, 30));
}

TEST(ViewNavigation, SlidesInAndRemovesAfterTheMovement)
{
    QWidget host;
    host.resize(320, 480);
    host.show();
    auto *sheet = new QWidget;
    sheet->setGeometry(0, 0, 320, 480);
    QMViewNavigation::presentView(&host, sheet);
    EXPECT_EQ(sheet->parentWidget(), &host);
    EXPECT_EQ(sheet->pos(), QPoint(0, 480));
    ASSERT_TRUE(QTest::qWaitFor([&] { return sheet->pos() == QPoint(0, 0); }, 3000));

    auto *page = new QWidget;
    page->setGeometry(0, 0, 320, 480);
    QMViewNavigation::pushView(&host, page);
    EXPECT_EQ(page->pos(), QPoint(320, 0));
    ASSERT_TRUE(QTest::qWaitFor([&] { return page->pos() == QPoint(0, 0); }, 3000));

    QPointer<QWidget> gonePage = page;
    QPointer<QWidget> goneSheet = sheet;
    QMViewNavigation::popSelf(page);
    QMViewNavigation::dismissSelf(sheet);
    EXPECT_FALSE(gonePage.isNull()); // still moving
    ASSERT_TRUE(QTest::qWaitFor([&] { return gonePage.isNull() && goneSheet.isNull(); }, 3000));
}

TEST(GrayText, PlacesItsTextAreaAndTitleItsLabel)
{
    QMGrayText bubble(QRect(0, 0, 300, 60));
    EXPECT_EQ(bubble.reply()->geometry(), QRect(10, 0, 238, 40));
    EXPECT_TRUE(bubble.reply()->testAttribute(Qt::WA_TransparentForMouseEvents));
    const QImage picture = bubble.grab().toImage();
    // The bubble's grey below the pointer's base and in the pointer a quarter of the way in;
    // nothing beside the pointer above the base.
    const QColor grey(214, 214, 214);
    EXPECT_EQ(QColor(picture.pixel(150, 55)), grey);
    EXPECT_EQ(QColor(picture.pixel(70, 6)), grey);
    EXPECT_NE(QColor(picture.pixel(20, 2)), grey);
    EXPECT_NE(QColor(picture.pixel(200, 2)), grey);

    QMNavigaTitle title(QRect(0, 0, 200, 45));
    title.setName(QStringLiteral("影院详情"));
    EXPECT_EQ(title.name(), QStringLiteral("影院详情"));
}
