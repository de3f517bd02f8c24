#include "members/MemberList.h"

QM_DEFINE_RECORD(MemberList, QM_FIELD(MemberList, memberArray))
