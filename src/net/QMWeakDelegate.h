#pragma once

#include <QObject>
#include <QPointer>

// A delegate reference that never keeps its target alive and never calls a target that is gone.
// T is a delegate protocol (an abstract class); the object behind it must also be a QObject,
// which is what the guard watches.
template<typename T> class QMWeakDelegate
{
public:
    QMWeakDelegate() = default;
    QMWeakDelegate(T *delegate) { *this = delegate; } // NOLINT: assignment-like on purpose

    QMWeakDelegate &operator=(T *delegate)
    {
        m_delegate = delegate;
        m_guard = dynamic_cast<QObject *>(delegate);
        Q_ASSERT_X(!delegate || m_guard, "QMWeakDelegate", "a delegate must be a QObject");
        return *this;
    }

    T *get() const { return m_guard.isNull() ? nullptr : m_delegate; }
    T *operator->() const { return get(); }
    explicit operator bool() const { return get() != nullptr; }
    bool operator==(const T *other) const { return get() == other; }

private:
    T *m_delegate = nullptr;
    QPointer<QObject> m_guard;
};
