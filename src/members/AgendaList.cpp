#include "members/AgendaList.h"

QM_DEFINE_RECORD(AgendaList, QM_FIELD(AgendaList, agendaArray))
