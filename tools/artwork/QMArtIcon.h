#pragma once

#include <QImage>
#include <QList>
#include <QPainterPath>
#include <QString>

// The application's icon: the white clapper of the launch cover on an orange tile. Written as a
// freedesktop icon theme tree, hicolor/<N>x<N>/apps/qmclient.png for every size a desktop asks
// for, and hicolor/scalable/apps/qmclient.svg.
class QMArtIcon
{
public:
    static const QString &name();
    static const QList<int> &sizes();

    static QImage render(int pixels);
    // The same shapes as SVG, on a 256-unit canvas.
    static QByteArray svg();
    // Writes the tree under <directory>; false with a reason on failure.
    static bool save(const QString &directory, QString *error);

private:
    static QRectF tile(qreal size);
    static QPainterPath tileShape(qreal size);
    static QPainterPath mark(qreal size);
};
