#pragma once

#include "cinemas/OpCinemaList.h"
#include "cinemas/QMopcListProviderDelegate.h"
#include "net/QMRecordProvider.h"

#include <QDate>

// The cinemas of one day that a member's status post can name.
class QMopcListProvider final
    : public QMRecordProvider<QMopcListProvider, QMopcListProviderDelegate, OpCinemaList>
{
public:
    QMopcListProvider();

    QMWeakDelegate<QMopcListProviderDelegate> opcListDelegate;

    void requestOpcList(const QDate &date = QDate::currentDate());

    QByteArray trimXML(const QByteArray &text) const override;
};
