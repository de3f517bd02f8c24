#include "comments/InsertData.h"

QM_DEFINE_RECORD(InsertData, QM_FIELD(InsertData, result), QM_FIELD(InsertData, error))
