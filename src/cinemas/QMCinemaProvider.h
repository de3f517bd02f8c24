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

    QString trimXML(const QString &text) const override;

protected:
    QMCinemaProvider();
};
