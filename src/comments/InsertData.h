#pragma once

#include "xml/QMRecord.h"

#include <QString>

// The service's acknowledgement of a member's write.
class InsertData : public QMRecord
{
    QM_RECORD(InsertData)

public:
    // The write was done: the service's verdict is exactly "ture" (its own spelling; "true"
    // is not a success).
    bool isDone() const { return result == QLatin1StringView("ture"); }

    QString result;
    QString error; // the service's refusal; empty when the write went through
};
