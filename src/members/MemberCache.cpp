#include "members/MemberCache.h"

QM_DEFINE_RECORD(MemberCache, QM_FIELD(MemberCache, memberEncode), QM_FIELD(MemberCache, memberid),
                 QM_FIELD(MemberCache, error))
