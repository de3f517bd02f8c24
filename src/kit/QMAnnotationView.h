#pragma once

#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <memory>

class QMMapAnnotation;
class QPainter;

// How an annotation looks on a map: a picture of a given size, centred on the annotation's
// point moved by centerOffset. The map view owns its annotation views, draws them itself and
// keeps the ones it no longer needs for reuse under their reuse identifier. Subclasses draw
// something else by overriding paint(); the picture arriving later is fine: setImage redraws.
class QMAnnotationView : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMAnnotationView)

public:
    QMAnnotationView(std::shared_ptr<QMMapAnnotation> annotation, const QString &reuseIdentifier);
    ~QMAnnotationView() override;

    QMMapAnnotation *annotation() const { return m_annotation.get(); }
    std::shared_ptr<QMMapAnnotation> sharedAnnotation() const { return m_annotation; }
    void setAnnotation(std::shared_ptr<QMMapAnnotation> annotation);
    QString reuseIdentifier() const { return m_reuseIdentifier; }

    QImage image() const { return m_image; }
    // Also sizes the view to the picture when no size was given.
    void setImage(const QImage &image);
    QSizeF size() const { return m_size; }
    void setSize(const QSizeF &size);
    // From the annotation's point to the view's centre, in points.
    QPointF centerOffset() const { return m_centerOffset; }
    void setCenterOffset(const QPointF &offset);

    // Read out for an annotation without a title (a member's head picture on the map).
    QString accessibleName() const { return m_accessibleName; }
    void setAccessibleName(const QString &name) { m_accessibleName = name; }

    bool canShowCallout() const { return m_canShowCallout; }
    void setCanShowCallout(bool can) { m_canShowCallout = can; }
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);

    // Where the view is drawn when its annotation is at point (view coordinates).
    QRectF frameAt(const QPointF &point) const;
    // Where it takes touches: at least 30 points wide and tall, a small view being hard to hit.
    virtual QRectF touchRectAt(const QPointF &point) const;

    // Called before the view is handed out again for another annotation.
    virtual void prepareForReuse();
    // Draws the view into frame.
    virtual void paint(QPainter *painter, const QRectF &frame) const;

signals:
    // The view looks different now: the map draws it again.
    void needsDisplay();

protected:
    void setNeedsDisplay() { emit needsDisplay(); }

private:
    std::shared_ptr<QMMapAnnotation> m_annotation;
    QString m_reuseIdentifier;
    QString m_accessibleName;
    QImage m_image;
    mutable QPixmap m_scaled; // the picture at the size it was last drawn
    QSizeF m_size;
    QPointF m_centerOffset;
    bool m_hasSize = false;
    bool m_canShowCallout = false;
    bool m_enabled = true;
    bool m_selected = false;
};
