#include "cinemas/County.h"

QM_DEFINE_RECORD(County, QM_FIELD(County, countycode), QM_FIELD(County, briefname))
