#include "services/QMCachedImageView.h"

#include "kit/QMActivityIndicatorView.h"
#include "services/QMImageCache.h"
#include "services/QMResourceImages.h"
#include "services/QMViewBusyBee.h"

#include <QPainter>

QMCachedImageView::QMCachedImageView(QWidget *parent)
    : QLabel(parent)
{
    setScaledContents(true);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    showImage(QImage());
}

QMCachedImageView::~QMCachedImageView() = default;

void QMCachedImageView::setImageUrl(const QString &url)
{
    m_url = url;
    const QImage cached =
        url.isEmpty() ? QImage() : QMImageCache::defaultCache()->requestorImageUrl(this, url);
    showImage(cached);
    showBusy(cached.isNull() && !url.isEmpty());
}

bool QMCachedImageView::isLoading() const
{
    return findChild<QMActivityIndicatorView *>(QString(), Qt::FindDirectChildrenOnly);
}

void QMCachedImageView::setBorderColor(const QColor &color)
{
    m_borderColor = color;
    update();
}

void QMCachedImageView::didRecievedImageForUrl(const QImage &image, const QString &url)
{
    // A view given another address since it asked waits for that one.
    if (url != m_url)
        return;
    showImage(image);
    showBusy(false);
}

void QMCachedImageView::didRunIntoErrorForUrl(const std::optional<QMError> &, const QString &url)
{
    if (url == m_url)
        showBusy(false);
}

void QMCachedImageView::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!m_borderColor.isValid())
        return;
    QPainter painter(this);
    painter.setPen(QPen(m_borderColor, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

void QMCachedImageView::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    if (isLoading())
        showBusy(true);
}

void QMCachedImageView::showImage(const QImage &image)
{
    setPixmap(QPixmap::fromImage(
        image.isNull() ? QMResourceImages::named(QStringLiteral("default.jpg")) : image));
}

void QMCachedImageView::showBusy(bool busy)
{
    QMViewBusyBee::removeBusyBee(this);
    if (busy) {
        const int side = qMin(20, qMin(width(), height()));
        QMViewBusyBee::showBusyBee(this,
                                   QRect((width() - side) / 2, (height() - side) / 2, side, side));
    }
}
