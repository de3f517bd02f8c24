#pragma once

#include "cinemas/County.h"
#include "xml/QMRecord.h"

#include <QList>

#include <memory>

// The districts of the city, in the order of the answer.
class CountyList : public QMRecord
{
    QM_RECORD(CountyList)

public:
    QList<std::shared_ptr<County>> countyArray;
};
