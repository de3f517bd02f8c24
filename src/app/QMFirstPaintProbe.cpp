#include "app/QMFirstPaintProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <ctime>

void QMFirstPaintProbe::installIfAsked()
{
    if (qEnvironmentVariableIsEmpty("QM_FIRST_PAINT_EXIT"))
        return;
    QCoreApplication *app = QCoreApplication::instance();
    app->installEventFilter(new QMFirstPaintProbe(app));
}

bool QMFirstPaintProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && !m_seen) {
        m_seen = true;
        // A window's widgets are painted in one go: the next turn of the loop comes after the
        // whole frame.
        QTimer::singleShot(0, this, [] {
            timespec now{};
            clock_gettime(CLOCK_REALTIME, &now);
            std::printf("first-paint %lld\n", qint64(now.tv_sec) * 1000000000 + now.tv_nsec);
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    }
    return QObject::eventFilter(watched, event);
}
