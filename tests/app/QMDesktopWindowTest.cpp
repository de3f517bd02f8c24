#include "app/QMDisplayScale.h"
#include "app/QMWindowPlace.h"
#include "kit/QMWindow.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {
// The settings of this test program, in a directory of their own for the whole run.
void keepSettingsInTemporaryDirectory()
{
    static QTemporaryDir directory;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, directory.path());
}

std::optional<QString> scaleArgument(std::vector<const char *> words)
{
    words.insert(words.begin(), "qmclient");
    return QMDisplayScale::argument(int(words.size()), const_cast<char **>(words.data()));
}
} // namespace

TEST(DisplayScale, WholeNumbersFromOneToFourAndNothingElse)
{
    for (const auto &[text, scale] :
         std::vector<std::pair<const char *, int>>{{"1", 1}, {"2", 2}, {" 3 ", 3}, {"4", 4}}) {
        EXPECT_EQ(QMDisplayScale::parse(QString::fromUtf8(text), nullptr), scale) << text;
    }
    for (const char *bad : {"0", "-1", "x", "100", "1.5", "", "2x", "5"}) {
        QString why;
        EXPECT_FALSE(QMDisplayScale::parse(QString::fromUtf8(bad), &why)) << bad;
        EXPECT_EQ(why, QStringLiteral("a whole number from 1 to 4 is expected"));
    }

    EXPECT_EQ(scaleArgument({"--scale", "2"}), QStringLiteral("2"));
    EXPECT_EQ(scaleArgument({"--delay", "10", "--scale=3"}), QStringLiteral("3"));
    EXPECT_EQ(scaleArgument({"--scale"}), QString()) << "a missing value is a bad one";
    EXPECT_EQ(scaleArgument({"--screenshot", "scale.png"}), std::nullopt);
    EXPECT_EQ(scaleArgument({"--", "--scale", "2"}), std::nullopt);

    // The first start doubles the points on a screen taller than 1,200 (logical) pixels.
    EXPECT_EQ(QMDisplayScale::forScreenHeight(0), 1);
    EXPECT_EQ(QMDisplayScale::forScreenHeight(1200), 1);
    EXPECT_EQ(QMDisplayScale::forScreenHeight(1201), 2);
    EXPECT_EQ(QMDisplayScale::forScreenHeight(2160), 2);
}

TEST(WindowPlace, TheWindowOpensWhereItWasClosedUnlessNoScreenShowsThatPlace)
{
    keepSettingsInTemporaryDirectory();
    QSettings().remove(QStringLiteral("window/position"));
    const QPoint first = [] {
        QMWindow window;
        new QMWindowPlace(&window);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.move(123, 77);
        const QPoint where = window.pos();
        window.close();
        return where;
    }();
    EXPECT_EQ(first, QPoint(123, 77));
    {
        QMWindow again;
        new QMWindowPlace(&again);
        EXPECT_EQ(again.pos(), first);
    }

    // A monitor unplugged since, or a settings file that holds no place.
    const QPoint fresh = QMWindow().pos();
    for (const QVariant &saved : {QVariant(QPoint(5000, 5000)), QVariant(QPoint(-300, 10)),
                                  QVariant(QStringLiteral("left"))}) {
        QSettings().setValue(QStringLiteral("window/position"), saved);
        QMWindow window;
        new QMWindowPlace(&window);
        EXPECT_EQ(window.pos(), fresh) << saved.toString().toStdString();
    }
    EXPECT_TRUE(QMWindowPlace::isReachable(QRect(-200, 10, 320, 480)))
        << "120 points of its top are enough to take hold of it";
}
