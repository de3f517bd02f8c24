#pragma once

#include "cinemas/QMCinemaListView.h"
#include "cinemas/QMCinemaProviderDelegate.h"
#include "cinemas/QMDistrictDictionary.h"
#include "cinemas/QMDistrictInfoProviderDelegate.h"
#include "cinemas/SimpleCinema.h"
#include "films/QMMovieInfoProviderDelegate.h"
#include "films/movie.h"
#include "kit/QMBarButton.h"
#include "kit/QMPickerView.h"
#include "kit/QMPickerViewDelegate.h"
#include "kit/QMTextView.h"
#include "kit/QMViewController.h"
#include "kit/QMWheelPickerDataSource.h"
#include "kit/QMWheelPickerDelegate.h"

#include <QList>
#include <QPointer>

// The cinemas showing one film today, all of them or cut down to those near the user or in one
// district, sellers first; and the film's synopsis on a second tab. A cinema opens the film's
// schedule there.
class QMMoviePlayCinemaViewController : public QMViewController,
                                        public QMCinemaProviderDelegate,
                                        public QMDistrictInfoProviderDelegate,
                                        public QMMovieInfoProviderDelegate,
                                        public QMPickerViewDelegate,
                                        public QMWheelPickerDataSource,
                                        public QMWheelPickerDelegate
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
    const QMDistrictDictionary &districtDictionary() const { return m_districtDictionary; }
    // Until the film's own list has come.
    bool awaitsFilmList() const { return _init; }

    QMCinemaListView *cinemaTableView() const { return m_cinemaTableView; }
    QMPickerView *pickerView() const { return m_pickerView; }
    QMTextView *synopsisView() const { return m_synopsisView; }
    QWidget *filterBar() const { return m_filterBar; }
    QMBarButton *cinemasTabButton() const { return m_cinemasTab; }
    QMBarButton *synopsisTabButton() const { return m_synopsisTab; }
    QMBarButton *nearButton() const { return m_nearButton; }
    QMBarButton *allCinemaButton() const { return m_allCinemaButton; }
    QMBarButton *districtButton() const { return m_districtButton; }

    void returnMovieNearCinema();
    void returnAllCinema();
    void chooseDistrict();
    void taxisPressedSwitch();
    void infoPressedSwitch();
    // A row or its check mark.
    void openScheduleAtRow(int row);

    void cinemaProviderDidReceivedCinemaList(QMCinemaProvider *provider,
                                             const std::shared_ptr<CinemaList> &list) override;
    void cinemaProviderDidRunIntoError(QMCinemaProvider *provider,
                                       const std::optional<QMError> &error) override;
    void
    districtInfoProviderDidRecievedDistrictInfo(QMDistrictInfoProvider *provider,
                                                const std::shared_ptr<CountyList> &list) override;
    void districtInfoProviderDidRunIntoError(QMDistrictInfoProvider *provider,
                                             const std::optional<QMError> &error) override;
    void movieInfoProviderDidReceivedMovieInfo(QMMovieInfoProvider *provider,
                                               const std::shared_ptr<movie> &info) override;
    void movieInfoProviderDidRunInfoError(QMMovieInfoProvider *provider,
                                          const std::optional<QMError> &error) override;
    void pickerViewConformSelction(QMPickerView *picker, const QMap<int, int> &selection) override;
    void pickerViewCancelledSelection(QMPickerView *picker) override;
    int numberOfComponentsInPickerView(QMWheelPicker *picker) override;
    int pickerViewNumberOfRowsInComponent(QMWheelPicker *picker, int component) override;
    int pickerViewWidthForComponent(QMWheelPicker *picker, int component) override;
    QString pickerViewTitleForRowForComponent(QMWheelPicker *picker, int row,
                                              int component) override;

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
    QMDistrictDictionary m_districtDictionary;
    bool _init = true;

    QPointer<QMPickerView> m_pickerView;
    QPointer<QMBarButton> m_cinemasTab;
    QPointer<QMBarButton> m_synopsisTab;
    QPointer<QMTextView> m_synopsisView;
    QPointer<QWidget> m_filterBar;
    QPointer<QMBarButton> m_nearButton;
    QPointer<QMBarButton> m_allCinemaButton;
    QPointer<QMBarButton> m_districtButton;
    QPointer<QMCinemaListView> m_cinemaTableView;
};
