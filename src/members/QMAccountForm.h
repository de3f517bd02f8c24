#pragma once

#include <QString>

class QMTextField;
class QWidget;

// What the sign-in and registration screens share: captioned fields and the four lines on what
// a member can do.
class QMAccountForm
{
public:
    static constexpr int margin = 20;
    static constexpr int width = 280;

    // A caption at top and under it a framed field whose return key reads "Go".
    static QMTextField *addField(QWidget *view, int top, const QString &caption);
    // The height addField takes, gap to the next one included.
    static constexpr int fieldHeight = 70;

    // The four lines of 13-point text, from top down.
    static void addPromises(QWidget *view, int top);
};
