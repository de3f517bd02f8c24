#pragma once

#include "kit/QMAccessiblePaintedWidget.h"

class QMSeatsView;

// The seat map as tick boxes named like the chosen seats are shown ("3排5座"), ticked when
// chosen, unavailable seats disabled. Pressing one chooses or releases it, as a touch does.
class QMAccessibleSeatsView : public QMAccessiblePaintedWidget
{
public:
    explicit QMAccessibleSeatsView(QMSeatsView *view);

    static void install();

    int itemCount() const override;
    Item item(int index) const override;
    void pressItem(int index) override;

private:
    static QAccessibleInterface *create(const QString &className, QObject *object);
    QMSeatsView *view() const;
};
