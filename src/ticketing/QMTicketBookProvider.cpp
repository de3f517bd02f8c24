#include "ticketing/QMTicketBookProvider.h"

#include "app/QMDataContext.h"
#include "members/QMLoginProvider.h"
#include "net/QMEncoderProvider.h"
#include "net/QMServiceAddress.h"

namespace {
// Only a web page is opened in the browser, never another scheme an answer might name.
QUrl pageUrl(const QString &address)
{
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme();
    const bool web = scheme == QLatin1StringView("http") || scheme == QLatin1StringView("https");
    return url.isValid() && web && !url.host().isEmpty() ? url : QUrl();
}
} // namespace

QMTicketBookProvider::QMTicketBookProvider()
    : QMRecordProvider(&QMTicketBookProvider::orderDelegate,
                       &QMTicketBookProviderDelegate::ticketBookProviderDidReceivedOrder,
                       &QMTicketBookProviderDelegate::ticketBookProviderDidRunIntoError,
                       QLatin1StringView("data"))
{}

void QMTicketBookProvider::requestBookInfo()
{
    if (mpid.isEmpty() || mobile.isEmpty() || seatLabel.isEmpty())
        return;
    const auto member = QMDataContext::CurrentDataContext()->loginProvider()->loginMemeber;
    // Seat names come from the service and may hold anything ("&", a space, Chinese): they are
    // escaped like typed text, so each value arrives whole. The digest binds the values as the
    // service reads them, that is before escaping.
    issueRequest(
        QMServiceAddress(11)
            .addKey()
            .add(QLatin1StringView("memberEncode"), member ? member->memberEncode : QString())
            .add(QLatin1StringView("mpid"), mpid)
            .addUserText(QLatin1StringView("mobile"), mobile)
            .addUserText(QLatin1StringView("seatLabel"), seatLabel)
            .addEncryptCode(QMEncoderProvider::GetEncodeStringWithMpi(mpid + mobile + seatLabel)));
}

QUrl QMTicketBookProvider::paymentAddress(const Order &order, const QString &userName,
                                          const QString &password)
{
    if (pageUrl(order.payurl).isEmpty())
        return {};
    const QString encode = QMEncoderProvider::GetMD5EncodeString(userName + password +
                                                                 QMEncoderProvider::PrivateKey());
    return pageUrl(order.payurl + QLatin1StringView("&username=") +
                   QMServiceAddress::escapeValue(userName) + QLatin1StringView("&password=") +
                   QMServiceAddress::escapeValue(password) + QLatin1StringView("&key=") +
                   QMEncoderProvider::CorprationKey() + QLatin1StringView("&encode=") + encode);
}

QUrl QMTicketBookProvider::paymentAddress(const Order &order)
{
    const QMLoginProvider *login = QMDataContext::CurrentDataContext()->loginProvider();
    return paymentAddress(order, login->username, login->password);
}

QMTicketBookProvider::Verdict QMTicketBookProvider::judgeAnswer(const QNetworkRequest &,
                                                                std::shared_ptr<Order> order)
{
    if (order && !order->error.isEmpty())
        return Verdict::fail(QMError::message(order->error));
    // An order without a page to pay on cannot go on: it counts as an unreadable answer.
    if (!order || pageUrl(order->payurl).isEmpty())
        return Verdict::fail();
    return Verdict::succeed(std::move(order));
}
