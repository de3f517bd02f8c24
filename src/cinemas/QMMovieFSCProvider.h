#pragma once

#include "cinemas/MpiList.h"
#include "cinemas/QMMovieFSCProviderDelegate.h"
#include "net/QMRecordProvider.h"

// The common base of the two providers of a cinema's screenings: the answer and its delegate.
class QMMovieFSCProvider
    : public QMRecordProvider<QMMovieFSCProvider, QMMovieFSCProviderDelegate, MpiList>
{
public:
    QMWeakDelegate<QMMovieFSCProviderDelegate> fscDelegate;

protected:
    QMMovieFSCProvider();
};
