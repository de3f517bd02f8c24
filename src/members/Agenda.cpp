#include "members/Agenda.h"

QM_DEFINE_RECORD(Agenda, QM_FIELD(Agenda, body), QM_FIELD(Agenda, time))
