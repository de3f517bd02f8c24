#pragma once

#include <QColor>
#include <QTimer>
#include <QWidget>

// The platform's spinning wheel: twelve spokes, one lit after the other. Grey on light
// backgrounds, white on dark ones; hidden while stopped unless told otherwise. It takes no
// touches.
class QMActivityIndicatorView : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMActivityIndicatorView)

public:
    enum class Style { Gray, White };

    explicit QMActivityIndicatorView(Style style = Style::Gray, QWidget *parent = nullptr);

    Style indicatorStyle() const { return m_style; }
    void setIndicatorStyle(Style style);

    void startAnimating();
    void stopAnimating();
    bool isAnimating() const { return m_timer.isActive(); }

    bool hidesWhenStopped() const { return m_hidesWhenStopped; }
    void setHidesWhenStopped(bool hides);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Style m_style;
    QTimer m_timer;
    int m_phase = 0;
    bool m_hidesWhenStopped = true;
};
