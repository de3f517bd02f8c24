#include "cinemas/CountyList.h"

QM_DEFINE_RECORD(CountyList, QM_FIELD(CountyList, countyArray))
