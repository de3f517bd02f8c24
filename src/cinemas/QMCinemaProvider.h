#pragma once

#include "cinemas/CinemaList.h"
#include "cinemas/QMCinemaProviderDelegate.h"
#include "net/QMRecordProvider.h"

// The common base of the three cinema list providers: the answer and its delegate.
class QMCinemaProvider
    : public QMRecordProvider<QMCinemaProvider, QMCinemaProviderDelegate, CinemaList>
{
public:
    QMWeakDelegate<QMCinemaProviderDelegate> cinemaDelegate;

    QByteArray trimXML(const QByteArray &text) const override;

protected:
    QMCinemaProvider();
};
