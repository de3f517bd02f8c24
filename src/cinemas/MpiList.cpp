#include "cinemas/MpiList.h"

QM_DEFINE_RECORD(MpiList, QM_FIELD(MpiList, mpiArray))
