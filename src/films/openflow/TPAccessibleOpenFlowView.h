#pragma once

#include "kit/QMAccessiblePaintedWidget.h"

class TPOpenFlowView;

// The cover flow as a list of its covers named by their titles, the centred one selected and
// its title the list's value. Pressing a cover does what a tap does. Whenever another cover
// comes to the middle, screen readers hear its title.
class TPAccessibleOpenFlowView : public QMAccessiblePaintedWidget
{
public:
    explicit TPAccessibleOpenFlowView(TPOpenFlowView *view);

    static void install();
    static void announceSelection(TPOpenFlowView *view);

    QString text(QAccessible::Text t) const override;
    int itemCount() const override;
    Item item(int index) const override;
    void pressItem(int index) override;

private:
    static QAccessibleInterface *create(const QString &className, QObject *object);
    TPOpenFlowView *view() const;
};
