#pragma once

#include "net/QMRecordProvider.h"
#include "ticketing/Order.h"
#include "ticketing/QMTicketBookProviderDelegate.h"

#include <QUrl>

// A ticket order for the signed-in member. The accepted order carries the address of the
// service's payment page, which the client opens in the browser (paymentAddress).
class QMTicketBookProvider final
    : public QMRecordProvider<QMTicketBookProvider, QMTicketBookProviderDelegate, Order>
{
public:
    QMTicketBookProvider();

    QString mpid;
    QString mobile;    // as typed
    QString seatLabel; // "row:seat" entries joined with ",", in the order chosen
    QMWeakDelegate<QMTicketBookProviderDelegate> orderDelegate;

    // Sends the order when the screening, the mobile number and the seats are all given.
    void requestBookInfo();

    // The payment page of an accepted order with the member's credentials (as typed at sign-in)
    // and their digest appended. Invalid when the order names no web page to open.
    static QUrl paymentAddress(const Order &order, const QString &userName,
                               const QString &password);
    // The same with the credentials of the last sign-in.
    static QUrl paymentAddress(const Order &order);

protected:
    Verdict judgeAnswer(const QNetworkRequest &request, std::shared_ptr<Order> order) override;
};
