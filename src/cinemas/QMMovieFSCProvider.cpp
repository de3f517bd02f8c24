#include "cinemas/QMMovieFSCProvider.h"

QMMovieFSCProvider::QMMovieFSCProvider()
    : QMRecordProvider(&QMMovieFSCProvider::fscDelegate,
                       &QMMovieFSCProviderDelegate::fscProviderDidReceivedMovieList,
                       &QMMovieFSCProviderDelegate::fscProviderDidRunIntoError,
                       QLatin1StringView("data"))
{}
