#pragma once

#include <QByteArray>

class QPainterPath;

// A painter path as the d attribute of an SVG path element (absolute coordinates, cubic curves).
class QMArtSvgPath
{
public:
    static QByteArray data(const QPainterPath &path);
};
