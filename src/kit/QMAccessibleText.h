#pragma once

#include <QString>

class QWidget;

// What a widget shows in words, to be read out where it has no name of its own: its accessible
// name, else its own text (a label, a button's name), else the texts of the shown labels and
// buttons inside it, in order, separated by spaces.
class QMAccessibleText
{
public:
    static QString of(const QWidget *widget);
};
