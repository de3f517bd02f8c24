#pragma once

#include "members/Collect.h"
#include "xml/QMRecord.h"

#include <QList>

#include <memory>

// What a member follows.
class CollectList : public QMRecord
{
    QM_RECORD(CollectList)

public:
    QList<std::shared_ptr<Collect>> collectArray;
};
