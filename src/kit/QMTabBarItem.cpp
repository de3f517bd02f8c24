#include "kit/QMTabBarItem.h"

QMTabBarItem::QMTabBarItem(const QString &title, const QImage &image, int tag)
    : m_title(title)
    , m_image(image)
    , m_tag(tag)
{}

void QMTabBarItem::setTitle(const QString &title)
{
    m_title = title;
    emit changed();
}

void QMTabBarItem::setImage(const QImage &image)
{
    m_image = image;
    emit changed();
}
