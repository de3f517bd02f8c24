#pragma once

#include "kit/QMAnnotationView.h"
#include "services/QMImageCacheDelegate.h"

// A member's marker: the head picture in an orange one-point frame. The picture comes through
// the image cache; "default.jpg" stands in until it arrives, and stays when it cannot be had.
// Reused for another member, it asks for that member's picture and ignores a late one.
class QMUserAnnotationView : public QMAnnotationView, public QMImageCacheDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMUserAnnotationView)

public:
    // Shared with the cinema pins, which tell the two apart when they take a view back.
    static inline const QString kReuseIdentifier = QStringLiteral("Annotation");
    static constexpr qreal kSide = 34;

    explicit QMUserAnnotationView(std::shared_ptr<QMMapAnnotation> annotation);
    ~QMUserAnnotationView() override;

    QString memberid;
    // The address of the picture shown or on its way.
    QString logo() const { return m_logo; }

    void requestLogo(const QString &url);

    void prepareForReuse() override;
    void paint(QPainter *painter, const QRectF &frame) const override;

    void didRecievedImageForUrl(const QImage &image, const QString &url) override;
    void didRunIntoErrorForUrl(const std::optional<QMError> &error, const QString &url) override;

private:
    QString m_logo;
};
