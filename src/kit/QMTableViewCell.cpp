#include "kit/QMTableViewCell.h"

#include "kit/QMKitStyle.h"
#include "kit/QMLabel.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>

static constexpr int accessoryWidth = 24;

QMTableViewCell::QMTableViewCell(CellStyle style, const QString &reuseIdentifier, QWidget *parent)
    : QWidget(parent)
    , m_style(style)
    , m_reuseIdentifier(reuseIdentifier)
{
    resize(320, 44);
}

QMLabel *QMTableViewCell::makeLabel(qreal fontSize, bool bold, const QColor &color)
{
    auto *label = new QMLabel(this);
    label->setFont(bold ? QMKitStyle::boldSystemFont(fontSize) : QMKitStyle::systemFont(fontSize));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    label->show();
    return label;
}

QLabel *QMTableViewCell::imageView()
{
    if (!m_imageView) {
        m_imageView = makeLabel(12, false, Qt::black);
        m_imageView->setAlignment(Qt::AlignCenter);
        relayout();
    }
    return m_imageView;
}

QMLabel *QMTableViewCell::textLabel()
{
    if (!m_textLabel) {
        m_textLabel = makeLabel(m_style == CellStyle::Subtitle ? 16 : 17, true, Qt::black);
        relayout();
    }
    return m_textLabel;
}

QMLabel *QMTableViewCell::detailTextLabel()
{
    if (!m_detailTextLabel) {
        const bool aside = m_style == CellStyle::Value1;
        m_detailTextLabel =
            makeLabel(aside ? 16 : 13, false, aside ? QColor(56, 84, 135) : QColor(110, 110, 115));
        if (aside)
            m_detailTextLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        relayout();
    }
    return m_detailTextLabel;
}

void QMTableViewCell::setAccessoryType(Accessory accessory)
{
    m_accessory = accessory;
    relayout();
    update();
}

void QMTableViewCell::setSelectionStyle(SelectionStyle style)
{
    m_selectionStyle = style;
    update();
}

void QMTableViewCell::setBackgroundColor(const QColor &color)
{
    m_backgroundColor = color;
    update();
}

void QMTableViewCell::setSelected(bool selected)
{
    if (selected == m_selected)
        return;
    m_selected = selected;
    update();
}

void QMTableViewCell::setHighlighted(bool highlighted)
{
    if (highlighted == m_highlighted)
        return;
    m_highlighted = highlighted;
    update();
}

void QMTableViewCell::prepareForReuse()
{
    setSelected(false);
    setHighlighted(false);
}

void QMTableViewCell::resizeEvent(QResizeEvent *)
{
    relayout();
}

void QMTableViewCell::relayout()
{
    int left = 10;
    const int right = width() - (m_accessory == Accessory::None ? 10 : accessoryWidth + 6);
    if (m_imageView && !m_imageView->pixmap().isNull()) {
        const QSize size = m_imageView->pixmap().deviceIndependentSize().toSize().boundedTo(
            QSize(height() - 4, height() - 4));
        m_imageView->setGeometry(left, (height() - size.height()) / 2, size.width(), size.height());
        m_imageView->setScaledContents(true);
        left += size.width() + 10;
    }
    const int textWidth = qMax(0, right - left);
    switch (m_style) {
    case CellStyle::Default:
        if (m_textLabel)
            m_textLabel->setGeometry(left, 0, textWidth, height());
        if (m_detailTextLabel)
            m_detailTextLabel->hide();
        break;
    case CellStyle::Subtitle:
        if (m_textLabel)
            m_textLabel->setGeometry(left, height() / 2 - 22, textWidth, 22);
        if (m_detailTextLabel)
            m_detailTextLabel->setGeometry(left, height() / 2, textWidth, 18);
        break;
    case CellStyle::Value1:
        if (m_textLabel)
            m_textLabel->setGeometry(left, 0, textWidth * 3 / 5, height());
        if (m_detailTextLabel)
            m_detailTextLabel->setGeometry(left + textWidth * 3 / 5, 0, textWidth * 2 / 5,
                                           height());
        break;
    }
}

void QMTableViewCell::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), m_backgroundColor);
    if ((m_selected || m_highlighted) && m_selectionStyle != SelectionStyle::None) {
        const QColor shade = m_selectionStyle == SelectionStyle::Gray
                                 ? QColor(217, 217, 217)
                                 : QMKitStyle::selectionColor();
        QLinearGradient fill(0, 0, 0, height());
        fill.setColorAt(0.0, shade.lighter(104));
        fill.setColorAt(1.0, shade.darker(104));
        painter.fillRect(rect(), fill);
    }

    const QRectF mark(width() - accessoryWidth - 4, 0, accessoryWidth, height());
    const QPointF centre = mark.center();
    switch (m_accessory) {
    case Accessory::None:
        break;
    case Accessory::DisclosureIndicator: {
        painter.setPen(
            QPen(QColor(170, 170, 176), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath chevron;
        chevron.moveTo(centre + QPointF(-2.5, -6));
        chevron.lineTo(centre + QPointF(3.5, 0));
        chevron.lineTo(centre + QPointF(-2.5, 6));
        painter.drawPath(chevron);
        break;
    }
    case Accessory::Checkmark: {
        painter.setPen(
            QPen(QMKitStyle::tintColor(), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tick;
        tick.moveTo(centre + QPointF(-6, 0));
        tick.lineTo(centre + QPointF(-1.5, 5));
        tick.lineTo(centre + QPointF(6.5, -6));
        painter.drawPath(tick);
        break;
    }
    }
}
