#pragma once

#include <QStringList>

class QAccessibleInterface;
class QWidget;

// Walks what a screen reader sees under a window and lists the controls it would announce
// without a name: anything a user can act on (a button, a tick box, a tab, a field, a row of a
// list or a wheel) or that takes the keyboard focus, shown, with an empty name. Each is
// described by its role, its class and its path from the root. An empty list passes.
class QMAccessibilityAudit
{
public:
    static QStringList unnamedControls(QWidget *root);

    // Whether a user can act on what the interface stands for.
    static bool isInteractive(QAccessibleInterface *iface);
};
