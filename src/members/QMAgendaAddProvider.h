#pragma once

#include "comments/QMInsertDataProvider.h"
#include "members/QMAgendaAddProviderDelegate.h"

// Adds a screening to the signed-in member's plans. Every refusal reads "错误".
class QMAgendaAddProvider final
    : public QMInsertDataProvider<QMAgendaAddProvider, QMAgendaAddProviderDelegate>
{
public:
    QMAgendaAddProvider();

    QString memberEncode;
    QString mpid;
    QMWeakDelegate<QMAgendaAddProviderDelegate> agendaAddDelegate;

    void requestAgendaAdd();
};
