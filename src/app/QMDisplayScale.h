#pragma once

#include <QString>

#include <optional>

// How many device pixels a point of the 320 × 480 phone takes: Qt's scale factor, fixed before
// the application exists. It comes from --scale N, else QT_SCALE_FACTOR when the environment
// sets it, else the choice saved by an earlier start (QSettings "window/scale"); the first
// start without any of them measures the primary screen and keeps what it chose.
class QMDisplayScale
{
public:
    static constexpr int largest = 4;
    // Logical pixels of height above which the first start picks 2×.
    static constexpr int tallScreen = 1200;

    // A whole number from 1 to largest; else nothing, with the reason in why.
    static std::optional<int> parse(const QString &text, QString *why);
    // The text after --scale (or --scale=) in the arguments, before QApplication reads them.
    static std::optional<QString> argument(int argc, char **argv);
    // 2 on a screen taller than tallScreen, else 1.
    static int forScreenHeight(int logicalHeight);

    // Puts the scale in effect for the QApplication made next. False with the reason in why
    // when --scale has a bad value.
    static bool applyBeforeApplication(int argc, char **argv, QString *why);
    // Once the application exists: takes back the QT_SCALE_FACTOR set above, so that programs
    // started from the client (the browser of the payment page) are not scaled by it.
    static void applicationCreated();

private:
    // The primary screen's height in logical pixels, from a platform connection opened and
    // closed for the purpose; 0 without a screen.
    static int measurePrimaryScreen(int argc, char **argv);
    static void setScaleFactor(int scale);

    static inline bool s_environmentSet = false;
};
