#pragma once

#include <QEasingCurve>

#include <functional>
#include <memory>

class QVariantAnimation;

// One movement of a container (a push, a pop, a sheet rising): a step function called with the
// progress from 0 to 1, and an ending. finish() jumps to the end at once, so a container can
// always complete the running movement before it starts the next one and is never left
// half-way.
class QMTransition
{
public:
    QMTransition();
    ~QMTransition();
    QMTransition(const QMTransition &) = delete;
    QMTransition &operator=(const QMTransition &) = delete;

    // Completes the running movement first. Without animation the step and the ending run now.
    void run(bool animated, std::function<void(qreal)> step, std::function<void()> done,
             int durationMs = 300, QEasingCurve curve = QEasingCurve::OutCubic);
    void finish();
    bool isRunning() const { return m_running; }

private:
    std::unique_ptr<QVariantAnimation> m_animation;
    std::function<void(qreal)> m_step;
    std::function<void()> m_done;
    bool m_running = false;
};
