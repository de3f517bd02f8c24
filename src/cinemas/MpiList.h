#pragma once

#include "cinemas/Mpi.h"
#include "xml/QMRecord.h"

#include <QList>

#include <memory>

// Screenings in the order of the answer.
class MpiList : public QMRecord
{
    QM_RECORD(MpiList)

public:
    QList<std::shared_ptr<Mpi>> mpiArray;
};
