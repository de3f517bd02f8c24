#include "members/NearbyUser.h"

QM_DEFINE_RECORD(NearbyUser, QM_FIELD(NearbyUser, memberid), QM_FIELD(NearbyUser, nickname),
                 QM_FIELD(NearbyUser, pointx), QM_FIELD(NearbyUser, pointy),
                 QM_FIELD(NearbyUser, logo))
