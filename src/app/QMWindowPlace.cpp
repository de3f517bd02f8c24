#include "app/QMWindowPlace.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

static const char *const placeKey = "window/position";
static constexpr int grip = 48; // points of the top edge that must be on a screen

QMWindowPlace::QMWindowPlace(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    if (const std::optional<QPoint> place = savedPlace(window->size()))
        window->move(*place);
    window->installEventFilter(this);
    // Ctrl+Q leaves without closing the window first.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (m_window->isVisible() && !m_window->isMinimized())
            save(m_window->pos());
    });
}

bool QMWindowPlace::isReachable(const QRect &frame)
{
    const QRect top(frame.topLeft(), QSize(frame.width(), grip));
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (const QScreen *screen : screens) {
        const QRect shown = screen->availableGeometry() & top;
        if (shown.width() >= grip && shown.height() >= grip / 2)
            return true;
    }
    return false;
}

std::optional<QPoint> QMWindowPlace::savedPlace(const QSize &windowSize)
{
    const QVariant value = QSettings().value(QLatin1String(placeKey));
    if (!value.canConvert<QPoint>())
        return std::nullopt;
    const QPoint place = value.toPoint();
    if (!isReachable(QRect(place, windowSize)))
        return std::nullopt;
    return place;
}

void QMWindowPlace::save(const QPoint &place)
{
    QSettings().setValue(QLatin1String(placeKey), place);
}

bool QMWindowPlace::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && (event->type() == QEvent::Close || event->type() == QEvent::Hide) &&
        !m_window->isMinimized())
        save(m_window->pos());
    return false;
}
