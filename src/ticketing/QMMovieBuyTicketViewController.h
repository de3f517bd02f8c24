#pragma once

#include "cinemas/Mpi.h"
#include "cinemas/SimpleCinema.h"
#include "kit/QMBarButton.h"
#include "kit/QMViewController.h"
#include "members/QMAgendaAddProviderDelegate.h"
#include "members/QMSignInGate.h"

#include <QLabel>
#include <QPointer>

// One screening in detail, with its prices: buying seats for it, when the service sells them,
// and adding it to the member's plans ("我的生活"). A member must be signed in whenever it
// shows; the sign-in screen stands in front of it until one is.
class QMMovieBuyTicketViewController : public QMViewController, public QMAgendaAddProviderDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMMovieBuyTicketViewController)

public:
    QMMovieBuyTicketViewController();
    ~QMMovieBuyTicketViewController() override;

    // Set by the opener before the screen is shown; the cinema may be absent.
    std::shared_ptr<SimpleCinema> selectCiname;
    std::shared_ptr<Mpi> selectMpi;

    QLabel *dateLabel() const { return m_dateLabel; }
    QLabel *playtimeLabel() const { return m_playtimeLabel; }
    // The price asked, in orange; null when no price is shown.
    QLabel *priceLabel() const { return m_priceLabel; }
    // The cinema's own price, struck through beside the service's; null when not shown.
    QLabel *originalPriceLabel() const { return m_originalPriceLabel; }
    QWidget *strikeBar() const { return m_strikeBar; }
    // Null for a screening not sold through the service.
    QMBarButton *buyButton() const { return m_buyButton; }
    QMBarButton *addMyLiveButton() const { return m_addMyLiveButton; }
    QMSignInGate &signInGate() { return m_gate; }

    void agendaAddProviderDidReceiveInsertData(QMAgendaAddProvider *provider,
                                               const std::shared_ptr<InsertData> &data) override;
    void agendaAddProviderDidRunIntoError(QMAgendaAddProvider *provider,
                                          const std::optional<QMError> &error) override;

    void buyTicket();
    void addMyLive();

protected:
    std::unique_ptr<QWidget> loadView() override;
    void viewDidLoad() override;
    void viewDidAppear(bool animated) override;

private:
    void addPrices(QWidget *panel);
    // The member area, where the plans are listed.
    void showPlansInMemberArea();

    QMSignInGate m_gate{this};
    QPointer<QLabel> m_dateLabel;
    QPointer<QLabel> m_playtimeLabel;
    QPointer<QLabel> m_priceLabel;
    QPointer<QLabel> m_originalPriceLabel;
    QPointer<QWidget> m_strikeBar;
    QPointer<QMBarButton> m_buyButton;
    QPointer<QMBarButton> m_addMyLiveButton;
};
