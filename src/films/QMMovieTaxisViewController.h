#pragma once

#include "cinemas/Mpi.h"
#include "cinemas/QMMovieFSCProviderDelegate.h"
#include "cinemas/QMMovieToFSCProvider.h"
#include "cinemas/SimpleCinema.h"
#include "films/movie.h"
#include "kit/QMBarButton.h"
#include "kit/QMTableView.h"
#include "kit/QMTableViewDataSource.h"
#include "kit/QMViewController.h"
#include "members/QMSignInGate.h"

#include <QDateTime>
#include <QList>
#include <QPointer>

#include <array>

class QMMovieTaxisCell;

// One film's screenings at one cinema on one of three days: today, tomorrow and the day after.
// A screening opens its screening choice, after sign-in when no member is signed in.
class QMMovieTaxisViewController : public QMViewController,
                                   public QMTableViewDataSource,
                                   public QMMovieFSCProviderDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMMovieTaxisViewController)

public:
    // Day buttons are told apart by tag.
    enum Day { Today = 1, Tomorrow = 2, AfterTomorrow = 3 };

    QMMovieTaxisViewController();
    ~QMMovieTaxisViewController() override;

    // Set by the opener before the screen is shown.
    std::shared_ptr<SimpleCinema> selectCinema;
    std::shared_ptr<movie> selectMovie;

    // The screenings of the day shown, in the service's order.
    const QList<std::shared_ptr<Mpi>> &playMovieArray() const { return m_playMovieArray; }
    // The day's date: the moment the screen was made plus 0, 24 or 48 hours.
    QDate dateOfDay(int tag) const;
    // The day whose screenings are shown, and the day marked as chosen. They differ only while
    // the chosen day's screenings are on their way.
    int shownDay() const { return m_shownDay; }
    int highlightedDay() const { return m_highlightedDay; }
    int indexRow() const { return m_indexRow; }

    QMBarButton *dayButton(int tag) const;
    QMBarButton *mapButton() const { return m_mapButton; }
    QMTableView *tableView() const { return m_tableView; }
    // The live row, or null when it is far from view.
    QMMovieTaxisCell *cellForRow(int row) const;
    QMSignInGate &signInGate() { return m_gate; }

    int tableViewNumberOfRows(QMTableView *tableView) override;
    int tableViewHeightForRow(QMTableView *tableView, int row) override;
    std::unique_ptr<QWidget> tableViewCellForRow(QMTableView *tableView, int row) override;
    void tableViewDidSelectRow(QMTableView *tableView, int row) override;

    void fscProviderDidReceivedMovieList(QMMovieFSCProvider *provider,
                                         const std::shared_ptr<MpiList> &list) override;
    void fscProviderDidRunIntoError(QMMovieFSCProvider *provider,
                                    const std::optional<QMError> &error) override;

    // A day button.
    void selectMovieByDate(int tag);
    // A row or its check mark: the screening choice opens for it, once a member is signed in.
    void selectBuyTicket(int row);
    // "【地图】": the cinema on the map.
    void gotoMap();

protected:
    std::unique_ptr<QWidget> loadView() override;
    void viewDidLoad() override;

private:
    void requestDay(int tag);
    // Whether an answer of the shared provider is the one to this screen's last request.
    bool isAnswerToLastRequest(QMMovieFSCProvider *provider) const;
    void highlightDay(int tag);
    void presentCommentView(const std::shared_ptr<Mpi> &screening);

    const QDateTime m_builtAt = QDateTime::currentDateTime();
    QList<std::shared_ptr<Mpi>> m_playMovieArray;
    int m_indexRow = -1;
    int m_shownDay = Today;
    int m_highlightedDay = Today;
    int m_askedDay = Today;
    QMMovieToFSCProvider::Asked m_asked;
    QMSignInGate m_gate{this};

    std::array<QPointer<QMBarButton>, 3> m_dayButtons;
    QPointer<QMBarButton> m_mapButton;
    QPointer<QMTableView> m_tableView;
};
