#include "kit/QMReadingTextView.h"

#include "kit/QMKitStyle.h"
#include "kit/QMScrollView.h"

#include <QLabel>
#include <QPainter>

QMReadingTextView::QMReadingTextView(QWidget *parent)
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

QMReadingTextView::~QMReadingTextView() = default;

QString QMReadingTextView::text() const
{
    return m_label->text();
}

void QMReadingTextView::setText(const QString &text)
{
    m_label->setText(text);
    relayout();
    m_scrollView->setContentOffset(QPoint(0, 0));
}

void QMReadingTextView::setTextFont(const QFont &font)
{
    m_label->setFont(font);
    relayout();
}

void QMReadingTextView::setBorderColor(const QColor &color)
{
    m_borderColor = color;
    relayout();
    update();
}

void QMReadingTextView::paintEvent(QPaintEvent *)
{
    if (!m_borderColor.isValid())
        return;
    QPainter painter(this);
    painter.setPen(m_borderColor);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void QMReadingTextView::resizeEvent(QResizeEvent *)
{
    relayout();
}

void QMReadingTextView::relayout()
{
    const int border = m_borderColor.isValid() ? 1 : 0;
    const QRect inside = rect().adjusted(border, border, -border, -border);
    m_scrollView->setGeometry(inside);
    const int height = m_label->heightForWidth(inside.width());
    m_label->setGeometry(0, 0, inside.width(), qMax(height, 0));
    m_scrollView->setContentSize(QSize(inside.width(), qMax(height, 0)));
}
