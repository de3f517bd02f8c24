#include "QMXMLTestRecords.h"

QM_DEFINE_RECORD(XTItem, QM_FIELD(XTItem, name))
QM_DEFINE_DERIVED_RECORD(XTSpecialItem, XTItem, QM_FIELD(XTSpecialItem, extra))
QM_DEFINE_RECORD(XTOther, QM_FIELD(XTOther, name))
QM_DEFINE_RECORD(XTAll, QM_FIELD(XTAll, text), QM_FIELD(XTAll, integer),
                 QMRecordField::makeLong("longInteger", &XTAll::longInteger),
                 QM_FIELD(XTAll, longLong), QM_FIELD(XTAll, shortInteger), QM_FIELD(XTAll, number),
                 QM_FIELD(XTAll, flag), QM_FIELD(XTAll, date), QM_FIELD(XTAll, item),
                 QM_FIELD(XTAll, items), QM_FIELD(XTAll, anything))
