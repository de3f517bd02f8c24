#include "kit/QMTransition.h"

#include <QVariantAnimation>

QMTransition::QMTransition()
    : m_animation(std::make_unique<QVariantAnimation>())
{
    m_animation->setStartValue(0.0);
    m_animation->setEndValue(1.0);
    QObject::connect(m_animation.get(), &QVariantAnimation::valueChanged, m_animation.get(),
                     [this](const QVariant &value) {
                         if (m_running && m_step)
                             m_step(value.toReal());
                     });
    QObject::connect(m_animation.get(), &QVariantAnimation::finished, m_animation.get(),
                     [this] { finish(); });
}

QMTransition::~QMTransition() = default;

void QMTransition::run(bool animated, std::function<void(qreal)> step, std::function<void()> done,
                       int durationMs, QEasingCurve curve)
{
    finish();
    m_step = std::move(step);
    m_done = std::move(done);
    m_running = true;
    if (!animated || durationMs <= 0) {
        finish();
        return;
    }
    if (m_step)
        m_step(0.0);
    m_animation->setDuration(durationMs);
    m_animation->setEasingCurve(curve);
    m_animation->start();
}

void QMTransition::finish()
{
    if (!m_running)
        return;
    // The ending may start the next movement, or destroy the owner of this one: leave the
    // object in its idle state before calling out.
    m_running = false;
    m_animation->stop();
    auto step = std::move(m_step);
    auto done = std::move(m_done);
    m_step = nullptr;
    m_done = nullptr;
    if (step)
        step(1.0);
    if (done)
        done();
}
