#include "kit/QMTextView.h"

#include "kit/QMKitStyle.h"
#include "kit/QMScrollView.h"

#include <QLabel>
#include <QPainter>

QMTextView::QMTextView(QWidget *parent)
    : QWidget(parent)
    , m_scrollView(new QMScrollView(this))
    , m_label(new QLabel(m_scrollView->contentView()))
{
    QMKitStyle::setBackgroundColor(this, Qt::white);
    m_label->setWordWrap(true);
    m_label->setTextFormat(Qt::PlainText);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label->setContentsMargins(6, 6, 6, 6);
    m_label->setFont(QMKitStyle::systemFont(14));
    m_label->show();
    m_scrollView->setAlwaysBounceVertical(true);
    relayout();
}

QMTextView::~QMTextView() = default;

QString QMTextView::text() const
{
    return m_label->text();
}

void QMTextView::setText(const QString &text)
{
    m_label->setText(text);
    relayout();
    m_scrollView->setContentOffset(QPoint(0, 0));
}

void QMTextView::setTextFont(const QFont &font)
{
    m_label->setFont(font);
    relayout();
}

void QMTextView::setBorderColor(const QColor &color)
{
    m_borderColor = color;
    relayout();
    update();
}

void QMTextView::paintEvent(QPaintEvent *)
{
    if (!m_borderColor.isValid())
        return;
    QPainter painter(this);
    painter.setPen(m_borderColor);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void QMTextView::resizeEvent(QResizeEvent *)
{
    relayout();
}

void QMTextView::relayout()
{
    const int border = m_borderColor.isValid() ? 1 : 0;
    const QRect inside = rect().adjusted(border, border, -border, -border);
    m_scrollView->setGeometry(inside);
    const int height = m_label->heightForWidth(inside.width());
    m_label->setGeometry(0, 0, inside.width(), qMax(height, 0));
    m_scrollView->setContentSize(QSize(inside.width(), qMax(height, 0)));
}
