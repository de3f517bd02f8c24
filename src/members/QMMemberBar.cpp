#include "members/QMMemberBar.h"

#include "kit/QMBarButton.h"
#include "kit/QMKeyboardNavigation.h"
#include "kit/QMKitStyle.h"
#include "services/QMResourceImages.h"

#include <QPainter>

QMMemberBar::QMMemberBar(QWidget *parent)
    : QWidget(parent)
    , m_returnButton(new QMBarButton(
          QString(), QMResourceImages::named(QStringLiteral("btn_return.png")), this))
    , m_doLabel(QMKitStyle::addLabel(this, QRect(62, 0, 196, kHeight),
                                     QMKitStyle::boldSystemFont(18), Qt::white))
{
    setGeometry(0, 0, parent ? parent->width() : 320, kHeight);
    m_returnButton->setGeometry(5, 7, 52, 30);
    m_doLabel->setAlignment(Qt::AlignCenter);
    QMKeyboardNavigation::markBackButton(m_returnButton);
    connect(m_returnButton, &QAbstractButton::clicked, this, &QMMemberBar::returnTapped);
}

void QMMemberBar::setTitle(const QString &title)
{
    m_doLabel->setText(title);
}

void QMMemberBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QImage bar = QMResourceImages::named(QStringLiteral("btn_myQuelm_bar.png"));
    if (bar.isNull())
        painter.fillRect(rect(), QMKitStyle::tintColor());
    else
        painter.drawImage(rect(), bar);
}
