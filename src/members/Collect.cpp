#include "members/Collect.h"

QM_DEFINE_RECORD(Collect, QM_FIELD(Collect, body), QM_FIELD(Collect, time), QM_FIELD(Collect, tag),
                 QM_FIELD(Collect, relatedid), QM_FIELD(Collect, name), QM_FIELD(Collect, logo))

QString Collect::tagForType(unsigned type)
{
    switch (type) {
    case 0:
        return QStringLiteral("member");
    case 1:
        return QStringLiteral("cinema");
    default:
        return QStringLiteral("movie");
    }
}
