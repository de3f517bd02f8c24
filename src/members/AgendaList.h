#pragma once

#include "members/Agenda.h"
#include "xml/QMRecord.h"

#include <QList>

#include <memory>

// A member's plans of one week.
class AgendaList : public QMRecord
{
    QM_RECORD(AgendaList)

public:
    QList<std::shared_ptr<Agenda>> agendaArray;
};
