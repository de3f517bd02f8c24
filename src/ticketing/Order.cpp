#include "ticketing/Order.h"

QM_DEFINE_RECORD(Order, QM_FIELD(Order, mpid), QM_FIELD(Order, tradeno), QM_FIELD(Order, mobile),
                 QM_FIELD(Order, unitprice), QM_FIELD(Order, quantity), QM_FIELD(Order, discount),
                 QM_FIELD(Order, amount), QM_FIELD(Order, validtime), QM_FIELD(Order, moviename),
                 QM_FIELD(Order, cinemaname), QM_FIELD(Order, playtime), QM_FIELD(Order, seat),
                 QM_FIELD(Order, payurl), QM_FIELD(Order, error))
