#pragma once

#include <QEasingCurve>
#include <QPointF>
#include <QtGlobal>

// A value that moves to a new target along an ease-out curve, starting from wherever it is
// when the new target is given. T needs +, - and * qreal. Time is in milliseconds of any clock.
template<typename T> class TPEaseOutAnimation
{
public:
    const T &value() const { return m_value; }
    bool isRunning() const { return m_running; }

    void setValue(const T &value)
    {
        m_value = m_from = m_to = value;
        m_running = false;
    }

    void animateTo(const T &target, qint64 nowMs, int durationMs)
    {
        m_from = m_value;
        m_to = target;
        m_startMs = nowMs;
        m_durationMs = qMax(durationMs, 1);
        m_running = true;
    }

    // Moves the value to time nowMs; false once the target is reached.
    bool advance(qint64 nowMs)
    {
        if (!m_running)
            return false;
        const qreal t = qBound(0.0, qreal(nowMs - m_startMs) / m_durationMs, 1.0);
        if (t >= 1.0) {
            m_value = m_to;
            m_running = false;
        } else {
            m_value = m_from + (m_to - m_from) * easing().valueForProgress(t);
        }
        return m_running;
    }

private:
    // The platform's ease-out timing: a cubic Bezier through (0, 0), (0.58, 1).
    static const QEasingCurve &easing()
    {
        static const QEasingCurve curve = [] {
            QEasingCurve c(QEasingCurve::BezierSpline);
            c.addCubicBezierSegment(QPointF(0.0, 0.0), QPointF(0.58, 1.0), QPointF(1.0, 1.0));
            return c;
        }();
        return curve;
    }

    T m_value{};
    T m_from{};
    T m_to{};
    qint64 m_startMs = 0;
    int m_durationMs = 1;
    bool m_running = false;
};
