#pragma once

#include "cinemas/Mpi.h"
#include "cinemas/SimpleCinema.h"
#include "kit/QMBarButton.h"
#include "kit/QMTextField.h"
#include "kit/QMViewController.h"
#include "ticketing/QMTicketBookProviderDelegate.h"

#include <QLabel>
#include <QPointer>
#include <QStringList>

// The last step of buying tickets: the screening, the chosen seats and their total, and the
// mobile number the code for collecting the tickets is sent to. The order, once the service
// accepts it, is paid on the service's payment page in the browser.
class QMMovieConfirmPewViewController : public QMViewController, public QMTicketBookProviderDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMMovieConfirmPewViewController)

public:
    // A number this long or shorter cannot be a mobile number; the service judges the rest.
    static constexpr int shortestRefusedLength = 10;

    QMMovieConfirmPewViewController();
    ~QMMovieConfirmPewViewController() override;

    // Set by the opener before the screen is shown.
    std::shared_ptr<Mpi> mpi;
    std::shared_ptr<SimpleCinema> cinema;
    QString selectionText; // the chosen seats as the seat map's screen lists them
    int selectionCount = 0;
    QStringList selectSeats; // "row:seat" entries, in the order chosen

    // The seats as the order sends them: the entries joined with ",".
    QString seatLabel() const { return selectSeats.join(QLatin1Char(',')); }

    QMTextField *phoneText() const { return m_phoneText; }
    QMBarButton *buyTicketButton() const { return m_buyTicketButton; }
    QLabel *totalLabel() const { return m_totalLabel; }

    void ticketBookProviderDidReceivedOrder(QMTicketBookProvider *provider,
                                            const std::shared_ptr<Order> &order) override;
    void ticketBookProviderDidRunIntoError(QMTicketBookProvider *provider,
                                           const std::optional<QMError> &error) override;

    void cofirmPurchase();

protected:
    std::unique_ptr<QWidget> loadView() override;
    void viewDidLoad() override;
    void viewDidAppear(bool animated) override;

private:
    void phoneNumberError();
    void showRefusal(const QString &message);
    // After either alert: the number is typed afresh.
    void alertViewDidDismiss();

    QPointer<QMTextField> m_phoneText;
    QPointer<QMBarButton> m_buyTicketButton;
    QPointer<QLabel> m_totalLabel;
};
