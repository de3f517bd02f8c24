#pragma once

#include <QImage>

#include <vector>

class QMArtEntry;

// One picture showing every entry at its point size with its name: on white, and also on the
// ground it is usually seen on (the screens' grey or the orange bar) when that is not white.
class QMContactSheet
{
public:
    static QImage render(const std::vector<QMArtEntry> &entries);
};
