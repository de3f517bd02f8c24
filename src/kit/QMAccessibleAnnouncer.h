#pragma once

#include <functional>

class QAccessibleEvent;

// The one way the client tells screen readers of something they would not notice otherwise (an
// alert, the film that came to the middle of the cover flow). Qt drops such events while no
// screen reader is attached, which is always so under the offscreen platform: a test listens
// here instead.
class QMAccessibleAnnouncer
{
public:
    static void announce(QAccessibleEvent *event);

    // Hears every announcement, whether a screen reader is attached or not; empty: none.
    static void setListenerForTesting(std::function<void(QAccessibleEvent *)> listener);
};
