#pragma once

#include "cinemas/QMCinemaListView.h"
#include "cinemas/QMCinemaProviderDelegate.h"
#include "cinemas/QMDistrictChooser.h"
#include "cinemas/SimpleCinema.h"
#include "films/QMMovieInfoProviderDelegate.h"
#include "films/movie.h"
#include "kit/QMBarButton.h"
#include "kit/QMReadingTextView.h"
#include "kit/QMViewController.h"

#include <QList>
#include <QPointer>

// The cinemas showing one film today, all of them or cut down to those near the user or in one
// district, sellers first; and the film's synopsis on a second tab. A cinema opens the film's
// schedule there.
class QMMoviePlayCinemaViewController : public QMViewController,
                                        public QMCinemaProviderDelegate,
                                        public QMMovieInfoProviderDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMMoviePlayCinemaViewController)

public:
    QMMoviePlayCinemaViewController();
    ~QMMoviePlayCinemaViewController() override;

    // Set by the opener before the screen is shown; the synopsis tab puts the full record here.
    std::shared_ptr<movie> selectMovie;

    // Every cinema showing the film today, in the service's order.
    const QList<std::shared_ptr<SimpleCinema>> &tmCinemaArray() const { return m_tmCinemaArray; }
    // The rows shown.
    const QList<std::shared_ptr<SimpleCinema>> &cinemaArray() const { return m_cinemaArray; }
    // Until the film's own list has come.
    bool awaitsFilmList() const { return _init; }

    QMCinemaListView *cinemaTableView() const { return m_cinemaTableView; }
    // The districts and their overlay, once the view is loaded.
    QMDistrictChooser *districtChooser() const { return m_districtChooser; }
    QMReadingTextView *synopsisView() const { return m_synopsisView; }
    QWidget *filterBar() const { return m_filterBar; }
    QMBarButton *cinemasTabButton() const { return m_cinemasTab; }
    QMBarButton *synopsisTabButton() const { return m_synopsisTab; }
    QMBarButton *nearButton() const { return m_nearButton; }
    QMBarButton *allCinemaButton() const { return m_allCinemaButton; }
    QMBarButton *districtButton() const { return m_districtButton; }

    void returnMovieNearCinema();
    void returnAllCinema();
    void chooseDistrict();
    // The cinemas of the district confirmed on the overlay, cut down to the film's.
    void requestDistrict(const QString &briefname, const QString &countycode);
    void taxisPressedSwitch();
    void infoPressedSwitch();
    // A row or its check mark.
    void openScheduleAtRow(int row);

    void cinemaProviderDidReceivedCinemaList(QMCinemaProvider *provider,
                                             const std::shared_ptr<CinemaList> &list) override;
    void cinemaProviderDidRunIntoError(QMCinemaProvider *provider,
                                       const std::optional<QMError> &error) override;
    void movieInfoProviderDidReceivedMovieInfo(QMMovieInfoProvider *provider,
                                               const std::shared_ptr<movie> &info) override;
    void movieInfoProviderDidRunInfoError(QMMovieInfoProvider *provider,
                                          const std::optional<QMError> &error) override;

protected:
    std::unique_ptr<QWidget> loadView() override;
    void viewDidLoad() override;

private:
    void requestFilmList();
    void showCinemas(const QList<std::shared_ptr<SimpleCinema>> &cinemas);
    void showNearButton(bool near);
    void setTabImages(const char *cinemas, const char *synopsis);

    QList<std::shared_ptr<SimpleCinema>> m_tmCinemaArray;
    QList<std::shared_ptr<SimpleCinema>> m_cinemaArray;
    bool _init = true;

    QPointer<QMDistrictChooser> m_districtChooser;
    QPointer<QMBarButton> m_cinemasTab;
    QPointer<QMBarButton> m_synopsisTab;
    QPointer<QMReadingTextView> m_synopsisView;
    QPointer<QWidget> m_filterBar;
    QPointer<QMBarButton> m_nearButton;
    QPointer<QMBarButton> m_allCinemaButton;
    QPointer<QMBarButton> m_districtButton;
    QPointer<QMCinemaListView> m_cinemaTableView;
};
