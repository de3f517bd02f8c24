#pragma once

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>

class QPainter;

// One named picture of the application: its size in points, what it is usually seen on, and
// how to paint it in point coordinates.
class QMArtEntry
{
public:
    enum class Backdrop { White, Grey, Bar };
    using Paint = std::function<void(QPainter &, const QRectF &)>;

    // Pictures are drawn at twice their point size and scaled down to their frames.
    static constexpr qreal kScale = 2.0;

    QMArtEntry(QString name, QSizeF points, Backdrop backdrop, Paint paint);

    const QString &name() const { return m_name; }
    QSizeF points() const { return m_points; }
    Backdrop backdrop() const { return m_backdrop; }
    bool isJpeg() const;
    // What the picture says, or means when it is a sign without words (a back arrow): written
    // into the file as its description, and read out for buttons that show the picture.
    const QString &words() const { return m_words; }
    QMArtEntry withWords(const QString &words) &&;

    // Transparent where nothing is painted, except JPEG pictures, which are painted on white.
    QImage render() const;
    // Writes the picture as <directory>/<name>; false with a reason on failure.
    bool save(const QString &directory, QString *error) const;

private:
    QString m_name;
    QSizeF m_points;
    Backdrop m_backdrop;
    Paint m_paint;
    QString m_words;
};
