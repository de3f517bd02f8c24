#include "members/CollectList.h"

QM_DEFINE_RECORD(CollectList, QM_FIELD(CollectList, collectArray))
