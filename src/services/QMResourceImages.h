#pragma once

#include <QImage>
#include <QString>

// The application's own pictures ("default.jpg", "movie.png", ...), loaded once from the
// resources and shared afterwards (QImage is implicitly shared).
class QMResourceImages
{
public:
    // The picture of that name, or a null image when the application has none.
    static QImage named(const QString &name);
};
