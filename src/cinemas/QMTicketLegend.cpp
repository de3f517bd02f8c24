#include "cinemas/QMTicketLegend.h"

#include "kit/QMKitStyle.h"
#include "services/QMResourceImages.h"

#include <QLabel>

QMTicketLegend::QMTicketLegend(const QPoint &topLeft, QWidget *parent)
    : QWidget(parent)
{
    setGeometry(topLeft.x(), topLeft.y(), 124, 20);
    auto *mark = new QLabel(this);
    mark->setGeometry(0, 1, 19, 17);
    mark->setScaledContents(true);
    mark->setPixmap(QPixmap::fromImage(QMResourceImages::named(QStringLiteral("btn_gou.png"))));
    QMKitStyle::addLabel(this, QRect(24, 0, 100, 20), QMKitStyle::systemFont(12), Qt::black,
                         QStringLiteral("表示支持手机购票"));
}
