#include "kit/QMBarButton.h"

#include "kit/QMAccessibleFactory.h"
#include "kit/QMKitStyle.h"
#include "kit/QMNavigationBar.h"

#include <QPainter>
#include <QPainterPath>

QMBarButton::QMBarButton(const QString &title, QWidget *parent)
    : QAbstractButton(parent)
{
    setText(title);
    setFont(QMKitStyle::boldSystemFont(12));
    setFocusPolicy(Qt::NoFocus);
    QMAccessibleFactory::install();
    resize(sizeHint());
}

QMBarButton::QMBarButton(const QString &title, const QImage &backgroundImage, QWidget *parent)
    : QMBarButton(title, parent)
{
    setBackgroundImage(backgroundImage);
}

void QMBarButton::setShape(Shape shape)
{
    m_shape = shape;
    if (shape == Shape::Plain)
        setFont(QMKitStyle::boldSystemFont(17));
    updateGeometry();
    update();
}

void QMBarButton::setBackgroundImage(const QImage &image)
{
    m_backgroundImage = image;
    if (!image.isNull())
        resize(image.deviceIndependentSize().toSize());
    updateGeometry();
    update();
}

QColor QMBarButton::tintColor() const
{
    if (m_tintColor.isValid())
        return m_tintColor;
    for (QWidget *w = parentWidget(); w; w = w->parentWidget()) {
        if (auto *bar = qobject_cast<QMNavigationBar *>(w))
            return bar->tintColor();
    }
    return QMKitStyle::tintColor();
}

void QMBarButton::setTintColor(const QColor &color)
{
    m_tintColor = color;
    update();
}

QColor QMBarButton::titleColor() const
{
    if (m_titleColor.isValid())
        return m_titleColor;
    return m_shape == Shape::Plain ? tintColor() : QColor(Qt::white);
}

void QMBarButton::setTitleColor(const QColor &color)
{
    m_titleColor = color;
    update();
}

QSize QMBarButton::sizeHint() const
{
    if (!m_backgroundImage.isNull())
        return m_backgroundImage.deviceIndependentSize().toSize();
    const int textWidth = fontMetrics().horizontalAdvance(text());
    switch (m_shape) {
    case Shape::Back:
        return QSize(qBound(44, textWidth + 24, 110), 30);
    case Shape::Plain:
        return QSize(textWidth + 24, 44);
    case Shape::Bordered:
        break;
    }
    return QSize(qMax(44, textWidth + 20), 30);
}

void QMBarButton::paintShape(QPainter &painter, const QRectF &rect) const
{
    const qreal radius = 5;
    QPainterPath path;
    if (m_shape == Shape::Back) {
        const qreal tip = 11;
        const qreal mid = rect.center().y();
        path.moveTo(rect.left(), mid);
        path.lineTo(rect.left() + tip, rect.top() + 0.5);
        path.lineTo(rect.right() - radius, rect.top());
        path.quadTo(rect.topRight(), QPointF(rect.right(), rect.top() + radius));
        path.lineTo(rect.right(), rect.bottom() - radius);
        path.quadTo(rect.bottomRight(), QPointF(rect.right() - radius, rect.bottom()));
        path.lineTo(rect.left() + tip, rect.bottom() - 0.5);
        path.closeSubpath();
    } else {
        path.addRoundedRect(rect, radius, radius);
    }
    QColor base = tintColor();
    if (isDown())
        base = base.darker(125);
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0.0, base.lighter(112));
    fill.setColorAt(1.0, base.darker(112));
    painter.setPen(QPen(base.darker(150), 1.0));
    painter.setBrush(fill);
    painter.drawPath(path);
}

void QMBarButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!isEnabled())
        painter.setOpacity(0.45);
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);

    if (!m_backgroundImage.isNull()) {
        QImage picture = m_backgroundImage;
        if (isDown()) {
            // Darken only what the picture covers, not its transparent corners.
            picture = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QPainter shade(&picture);
            shade.setCompositionMode(QPainter::CompositionMode_SourceAtop);
            shade.fillRect(picture.rect(), QColor(0, 0, 0, 60));
        }
        painter.drawImage(QRectF(rect()), picture);
    } else if (m_shape == Shape::Plain) {
        if (isDown())
            painter.fillRect(rect(), QColor(0, 0, 0, 20));
    } else {
        paintShape(painter, area);
    }

    QRect textArea = rect();
    if (m_shape == Shape::Back && m_backgroundImage.isNull())
        textArea.adjust(10, 0, -3, 0);
    painter.setFont(font());
    painter.setPen(titleColor());
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, textArea.width() - 6);
    painter.drawText(textArea, Qt::AlignCenter, shown);
}
