#pragma once

#include "kit/QMMapAnnotation.h"

// One cinema on the map: its place, its name and address for the callout, and whether it sells
// tickets through the service (orderType 0, a green pin) or not (1, a red pin).
class QMAnnotation : public QMMapAnnotation
{
public:
    QMAnnotation(double latitude, double longitude);

    QMMapCoordinate coordinate() const override { return _coordinate; }
    QString title() const override { return _annoTitle; }
    QString subtitle() const override { return _annoSubtitle; }

    QString annoTitle() const { return _annoTitle; }
    void setAnnoTitle(const QString &title) { _annoTitle = title; }
    QString annoSubtitle() const { return _annoSubtitle; }
    void setAnnoSubtitle(const QString &subtitle) { _annoSubtitle = subtitle; }
    uint orderType() const { return _orderType; }
    void setOrderType(uint orderType) { _orderType = orderType; }

private:
    QMMapCoordinate _coordinate;
    QString _annoTitle;
    QString _annoSubtitle;
    uint _orderType = 0;
};
