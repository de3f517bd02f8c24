#pragma once

#include "net/QMError.h"

#include <QByteArray>
#include <QNetworkRequest>

#include <optional>

// The receiver of a request's outcome (every provider). Exactly one of the two outcomes is
// delivered per request, always from the run loop and never from inside the call that issued it.
class QMConnectionRequestorDelegate
{
public:
    virtual ~QMConnectionRequestorDelegate() = default;
    virtual void requestFailedWithError(const QNetworkRequest &request,
                                        const std::optional<QMError> &error) = 0;
    // The whole body, whatever the HTTP status.
    virtual void requestSucceededWithData(const QNetworkRequest &request,
                                          const QByteArray &data) = 0;
    virtual void requestWillStart(const QNetworkRequest &request) = 0;
};
