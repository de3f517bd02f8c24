#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

#include <optional>

class QWidget;

// Where the window stood when it was last closed (QSettings "window/position"), to open it there
// again. A place that lies off every screen now (a monitor unplugged) is forgotten.
class QMWindowPlace : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMWindowPlace)

public:
    // Moves the window to its saved place and saves it again each time it is hidden.
    explicit QMWindowPlace(QWidget *window);

    // The saved place, when a screen still shows enough of the window there to take hold of it.
    static std::optional<QPoint> savedPlace(const QSize &windowSize);
    static void save(const QPoint &place);
    // True when at least a grip of the window's top edge is on one of the screens.
    static bool isReachable(const QRect &frame);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
};
