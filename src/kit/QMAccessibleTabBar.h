#pragma once

#include "kit/QMAccessiblePaintedWidget.h"

class QMTabBar;

// The tab bar as a list of page tabs named by their titles, the selected one marked.
class QMAccessibleTabBar : public QMAccessiblePaintedWidget
{
public:
    explicit QMAccessibleTabBar(QMTabBar *bar);

    int itemCount() const override;
    Item item(int index) const override;
    void pressItem(int index) override;

private:
    QMTabBar *bar() const;
};
