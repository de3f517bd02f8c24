#pragma once

#include <string>

class QMSConnection;
class QMSQuery;
class QMSSignature;

// The service's own payment page, opened in the browser after an order. The address carries the
// order number, the member's user name and password, the partner key and
// encode = md5(user name + password + private key). The page shows the order only to the member
// who placed it; confirming it (a form posting a one-time token) marks it paid and sends the
// collection code, which here means writing it to the log.
class QMSPaymentPage
{
public:
    struct Page
    {
        int status = 200;
        std::string html;
        std::string outcome; // for the log
    };

    static Page show(QMSConnection &db, const QMSSignature &signature, const QMSQuery &query);
    static Page confirm(QMSConnection &db, const QMSQuery &form);
};
