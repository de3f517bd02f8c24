#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QImage>

// A button of a navigation bar (or of any screen): a title on a background picture, or, while
// the picture is missing, on a rounded shape in the tint colour. The back button is the
// pointed variant; the plain variant is text in the tint colour (alert buttons).
class QMBarButton : public QAbstractButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMBarButton)

public:
    enum class Shape { Bordered, Back, Plain };

    explicit QMBarButton(const QString &title = {}, QWidget *parent = nullptr);
    QMBarButton(const QString &title, const QImage &backgroundImage, QWidget *parent = nullptr);

    Shape shape() const { return m_shape; }
    void setShape(Shape shape);

    QImage backgroundImage() const { return m_backgroundImage; }
    void setBackgroundImage(const QImage &image);

    // Without a colour of its own the button takes the one of the bar it stands on.
    QColor tintColor() const;
    void setTintColor(const QColor &color);

    // White on shapes and pictures, the tint colour for plain buttons, unless set.
    QColor titleColor() const;
    void setTitleColor(const QColor &color);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintShape(QPainter &painter, const QRectF &rect) const;

    Shape m_shape = Shape::Bordered;
    QImage m_backgroundImage;
    QColor m_tintColor;
    QColor m_titleColor;
};
