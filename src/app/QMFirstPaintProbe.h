#pragma once

#include <QObject>

// Launch timing: with QM_FIRST_PAINT_EXIT set, prints the wall-clock time (nanoseconds since
// the epoch) once the first frame of any window has been painted, and quits. The launch
// benchmark starts the process and reads the line; the screens know nothing of it.
class QMFirstPaintProbe : public QObject
{
public:
    // Installs a probe on the application when the environment asks for one.
    static void installIfAsked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
    bool m_seen = false;
};
