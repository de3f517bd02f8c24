#pragma once

#include "xml/QMRecord.h"

#include <QString>

// One plan: a screening the member means to attend.
class Agenda : public QMRecord
{
    QM_RECORD(Agenda)

public:
    QString body; // what the plan is, as the service words it
    QString time; // "yyyy-MM-dd HH:mm"
};
