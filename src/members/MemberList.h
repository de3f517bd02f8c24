#pragma once

#include "members/NearbyUser.h"
#include "xml/QMRecord.h"

#include <QList>

#include <memory>

// Members near a position.
class MemberList : public QMRecord
{
    QM_RECORD(MemberList)

public:
    QList<std::shared_ptr<NearbyUser>> memberArray;
};
