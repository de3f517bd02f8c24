#pragma once

#include <QtGlobal>

// The holder of a request in flight (the requestor), told when the request is over.
class QMRequestDataDelegate
{
public:
    virtual ~QMRequestDataDelegate() = default;
    virtual void requestCompleteSuccessfully(quint64 requestId, bool success) = 0;
};
