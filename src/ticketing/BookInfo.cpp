#include "ticketing/BookInfo.h"

QM_DEFINE_RECORD(BookInfo, QM_FIELD(BookInfo, mpid), QM_FIELD(BookInfo, linenum),
                 QM_FIELD(BookInfo, ranknum), QM_FIELD(BookInfo, costprice),
                 QM_FIELD(BookInfo, quelprice), QM_FIELD(BookInfo, seatList),
                 QM_FIELD(BookInfo, error))
