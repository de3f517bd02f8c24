#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// Gives the kit's own widgets what a screen reader needs: the painted tabs, wheel rows and map
// pins as children with roles and names, alerts as alerts. Installed by the window and by the
// widgets concerned, so that it is in place before anyone asks.
class QMAccessibleFactory
{
public:
    static void install();
    static QAccessibleInterface *create(const QString &className, QObject *object);
};
