#pragma once

#include <QPoint>

class QWidget;

// Slides one view over another: a sheet rising from the bottom, or a page coming in from the
// right, and back. Every movement lasts 0.3 seconds.
class QMViewNavigation
{
public:
    static constexpr int durationMs = 300;

    // Adds v to view and raises it from 480 points below its place.
    static void presentView(QWidget *view, QWidget *v);
    // Moves view 480 points down, then removes it from its parent (and deletes it).
    static void dismissSelf(QWidget *view);
    // Adds v to view and slides it in from 320 points to the right of its place.
    static void pushView(QWidget *view, QWidget *v);
    // Moves view 320 points right, then removes it from its parent (and deletes it).
    static void popSelf(QWidget *view);

private:
    static void slideIn(QWidget *parent, QWidget *v, const QPoint &offset);
    static void slideOut(QWidget *view, const QPoint &offset);
};
