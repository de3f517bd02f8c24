#pragma once

#include <QImage>
#include <QObject>
#include <QString>

// The tab of a screen in the tab bar: a title under a glyph, and a tag the application reads.
// The glyph is drawn in the bar's colours when it has transparency, as it is otherwise.
class QMTabBarItem : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMTabBarItem)

public:
    QMTabBarItem(const QString &title, const QImage &image, int tag);

    QString title() const { return m_title; }
    void setTitle(const QString &title);
    QImage image() const { return m_image; }
    void setImage(const QImage &image);
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

signals:
    void changed();

private:
    QString m_title;
    QImage m_image;
    int m_tag = 0;
};
