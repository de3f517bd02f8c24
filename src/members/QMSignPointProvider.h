#pragma once

#include "comments/QMInsertDataProvider.h"
#include "members/QMSingPointProviderDelegate.h"

// Checks the member in where the device is. Every refusal reads "错误".
class QMSignPointProvider final
    : public QMInsertDataProvider<QMSignPointProvider, QMSingPointProviderDelegate>
{
public:
    QMSignPointProvider();

    QString memberid;
    QMWeakDelegate<QMSingPointProviderDelegate> singPointDelegate;

    void requestSingPoint();
};
