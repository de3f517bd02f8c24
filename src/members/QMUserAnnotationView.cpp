#include "members/QMUserAnnotationView.h"

#include "kit/QMKitStyle.h"
#include "services/QMImageCache.h"
#include "services/QMResourceImages.h"

#include <QPainter>

QMUserAnnotationView::QMUserAnnotationView(std::shared_ptr<QMMapAnnotation> annotation)
    : QMAnnotationView(std::move(annotation), kReuseIdentifier)
{
    setSize({kSide, kSide});
    setImage(QMResourceImages::named(QStringLiteral("default.jpg")));
}

QMUserAnnotationView::~QMUserAnnotationView() = default;

void QMUserAnnotationView::requestLogo(const QString &url)
{
    m_logo = url;
    const QImage cached =
        url.isEmpty() ? QImage() : QMImageCache::defaultCache()->requestorImageUrl(this, url);
    setImage(cached.isNull() ? QMResourceImages::named(QStringLiteral("default.jpg")) : cached);
}

void QMUserAnnotationView::prepareForReuse()
{
    QMAnnotationView::prepareForReuse();
    m_logo.clear();
    memberid.clear();
}

void QMUserAnnotationView::paint(QPainter *painter, const QRectF &frame) const
{
    QMAnnotationView::paint(painter, frame.adjusted(1, 1, -1, -1));
    painter->save();
    painter->setPen(QPen(QMKitStyle::tintColor(), isSelected() ? 2 : 1));
    painter->setBrush(Qt::NoBrush);
    const qreal inset = isSelected() ? 1 : 0.5;
    painter->drawRect(frame.adjusted(inset, inset, -inset, -inset));
    painter->restore();
}

void QMUserAnnotationView::didRecievedImageForUrl(const QImage &image, const QString &url)
{
    if (url == m_logo && !image.isNull())
        setImage(image);
}

void QMUserAnnotationView::didRunIntoErrorForUrl(const std::optional<QMError> &, const QString &)
{
    // The placeholder stays.
}
