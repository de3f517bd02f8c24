#pragma once

#include "cinemas/Mpi.h"
#include "cinemas/SimpleCinema.h"
#include "kit/QMBarButton.h"
#include "kit/QMScrollView.h"
#include "kit/QMScrollViewDelegate.h"
#include "kit/QMViewController.h"
#include "ticketing/QMBookInfoProviderDelegate.h"
#include "ticketing/QMRowIndexView.h"
#include "ticketing/QMSeatViewDelegate.h"
#include "ticketing/QMSeatsView.h"

#include <QLabel>
#include <QPointer>
#include <QStringList>

// The hall's seat map for one screening, on which the member chooses up to five seats. The
// choice is listed in the order it was made, and goes on to the order confirmation. The row
// names stand beside their rows however the map is scrolled.
class QMMovieSelectPewViewController : public QMViewController,
                                       public QMSeatViewDelegate,
                                       public QMBookInfoProviderDelegate,
                                       public QMScrollViewDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMMovieSelectPewViewController)

public:
    QMMovieSelectPewViewController();
    ~QMMovieSelectPewViewController() override;

    // Set by the opener before the screen is shown.
    std::shared_ptr<Mpi> mpi;
    std::shared_ptr<SimpleCinema> cinema;

    // The chosen seats as "row:seat" entries, and as the text shown, in the order chosen.
    const QStringList &selectSeats() const { return m_selectSeats; }
    QString selectionText() const { return m_seatTexts.join(QString()); }
    // "%1排%2座" and five blanks: a seat as the chosen-seats text lists it.
    static QString seatText(const QString &rowid, const QString &column);

    QMScrollView *seatScrollView() const { return m_seatScrollView; }
    QMScrollView *indexScrollView() const { return m_indexScrollView; }
    QMSeatsView *seatsView() const { return m_seatView; }
    QMRowIndexView *rowIndexView() const { return m_indexView; }
    QMBarButton *confirmButton() const { return m_confirmButton; }
    QLabel *selectionLabel() const { return m_textView; }

    void bookInfoProviderDidReceivedSeatInfo(QMBookInfoProvider *provider,
                                             const std::shared_ptr<BookInfo> &info) override;
    void bookInfoProviderDidRunIntoError(QMBookInfoProvider *provider,
                                         const std::optional<QMError> &error) override;
    void didSelectSeatAtRowColumn(const QString &rowid, const QString &column) override;
    void didDeselectSeatAtRowColumn(const QString &rowid, const QString &column) override;
    void scrollViewDidScroll(QMScrollView *scrollView) override;

    void confirmBuyTicket();

protected:
    std::unique_ptr<QWidget> loadView() override;
    void viewDidLoad() override;

private:
    void addHeader(QWidget *view);
    void showSelection();

    QPointer<QMScrollView> m_seatScrollView;
    QPointer<QMScrollView> m_indexScrollView;
    QPointer<QMSeatsView> m_seatView;
    QPointer<QMRowIndexView> m_indexView;
    QPointer<QMBarButton> m_confirmButton;
    QPointer<QLabel> m_textView;
    QStringList m_selectSeats;
    QStringList m_seatTexts; // one per entry of m_selectSeats
};
