#include "kit/QMTabBar.h"

#include "kit/QMAccessibleFactory.h"
#include "kit/QMKitStyle.h"
#include "kit/QMTabBarItem.h"

#include <QMouseEvent>
#include <QPainter>

QMTabBar::QMTabBar(QWidget *parent)
    : QWidget(parent)
    , m_tintColor(QMKitStyle::tintColor())
{
    QMAccessibleFactory::install();
    resize(320, barHeight);
}

void QMTabBar::setItems(const QList<QMTabBarItem *> &items)
{
    for (const QPointer<QMTabBarItem> &old : std::as_const(m_items)) {
        if (old)
            disconnect(old, nullptr, this, nullptr);
    }
    m_items.clear();
    for (QMTabBarItem *item : items) {
        m_items.append(item);
        if (item)
            connect(item, &QMTabBarItem::changed, this, qOverload<>(&QWidget::update));
    }
    update();
}

QList<QMTabBarItem *> QMTabBar::items() const
{
    QList<QMTabBarItem *> result;
    for (const QPointer<QMTabBarItem> &item : m_items)
        result.append(item.data());
    return result;
}

void QMTabBar::setSelectedIndex(int index)
{
    m_selectedIndex = index;
    update();
}

void QMTabBar::setTintColor(const QColor &color)
{
    m_tintColor = color;
    update();
}

QRect QMTabBar::itemRect(int index) const
{
    const int count = int(m_items.size());
    if (index < 0 || index >= count)
        return {};
    const int left = index * width() / count;
    const int right = (index + 1) * width() / count;
    return QRect(left, 0, right - left, height());
}

int QMTabBar::indexAt(const QPoint &position) const
{
    for (int i = 0; i < m_items.size(); ++i) {
        if (itemRect(i).contains(position))
            return i;
    }
    return -1;
}

QSize QMTabBar::sizeHint() const
{
    return QSize(320, barHeight);
}

bool QMTabBar::tapItem(int index)
{
    if (index < 0 || index >= m_items.size())
        return false;
    emit itemTapped(index);
    return true;
}

void QMTabBar::mousePressEvent(QMouseEvent *event)
{
    // Tabs switch on touch-down, as on the phone.
    const int index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index >= 0)
        emit itemTapped(index);
    event->accept();
}

// The item's glyph fitted into a square of side size, in color.
static void drawGlyph(QPainter &painter, const QImage &image, const QRectF &box,
                      const QColor &color)
{
    if (image.isNull()) {
        // No picture yet: a ring keeps the tab recognisable.
        painter.setPen(QPen(color, 2.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(box.adjusted(6, 6, -6, -6));
        return;
    }
    QSizeF size = image.deviceIndependentSize();
    if (size.width() > box.width() || size.height() > box.height())
        size.scale(box.size(), Qt::KeepAspectRatio);
    const QRectF target(box.center().x() - size.width() / 2, box.center().y() - size.height() / 2,
                        size.width(), size.height());
    painter.drawImage(target, QMKitStyle::tinted(image, color));
}

void QMTabBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0.0, QColor(255, 255, 255));
    fill.setColorAt(1.0, QColor(246, 246, 246));
    painter.fillRect(rect(), fill);
    painter.setPen(QColor(200, 200, 204));
    painter.drawLine(0, 0, width(), 0);

    const QColor idle(142, 142, 147);
    for (int i = 0; i < m_items.size(); ++i) {
        const QMTabBarItem *item = m_items.at(i);
        if (!item)
            continue;
        const QRect area = itemRect(i);
        const bool selected = i == m_selectedIndex;
        const QColor color = selected ? m_tintColor : idle;
        if (selected) {
            QColor glow = m_tintColor;
            glow.setAlpha(26);
            painter.setPen(Qt::NoPen);
            painter.setBrush(glow);
            painter.drawRoundedRect(QRectF(area).adjusted(4, 3, -4, -2), 6, 6);
        }
        drawGlyph(painter, item->image(), QRectF(area.center().x() - 15, 4, 30, 28), color);
        painter.setPen(color);
        painter.setFont(selected ? QMKitStyle::boldSystemFont(10) : QMKitStyle::systemFont(10));
        painter.drawText(QRect(area.left(), 32, area.width(), 15), Qt::AlignCenter, item->title());
    }
}
