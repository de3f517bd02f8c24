#pragma once

#include "xml/QMRecord.h"

#include <QString>

// The identity the service hands a member at sign-in or registration.
class MemberCache : public QMRecord
{
    QM_RECORD(MemberCache)

public:
    QString memberEncode; // the member's credential, sent by every write on their behalf
    QString memberid;     // the member's public identifier, sent by reads
    QString error;        // the service's refusal; empty on success
};
