#pragma once

#if defined(__SANITIZE_THREAD__)
#define QM_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define QM_THREAD_SANITIZER 1
#endif
#endif

#ifdef QM_THREAD_SANITIZER
#include <sanitizer/tsan_interface.h>
#endif

// Tells ThreadSanitizer of a hand-over that Qt performs inside its own, uninstrumented, libraries:
// work given to a QThreadPool, or a call queued to the main thread. Both pass through one queue
// under a lock, so everything a thread did before handing work over happens before whatever
// runs the work. Nothing in other builds.
class QMThreadHandOver
{
public:
    // Last thing before the work is queued.
    static void handOver()
    {
#ifdef QM_THREAD_SANITIZER
        __tsan_release(&s_queue);
#endif
    }
    // First thing in the work, before any of its captures is read.
    static void takeOver()
    {
#ifdef QM_THREAD_SANITIZER
        __tsan_acquire(&s_queue);
#endif
    }

private:
    static inline char s_queue = 0;
};
