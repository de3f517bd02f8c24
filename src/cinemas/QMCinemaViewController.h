#pragma once

#include "cinemas/QMCinemaListView.h"
#include "cinemas/QMCinemaProviderDelegate.h"
#include "cinemas/QMDistrictDictionary.h"
#include "cinemas/QMDistrictInfoProviderDelegate.h"
#include "cinemas/SimpleCinema.h"
#include "kit/QMBarButton.h"
#include "kit/QMPickerView.h"
#include "kit/QMPickerViewDelegate.h"
#include "kit/QMViewController.h"
#include "kit/QMWheelPickerDataSource.h"
#include "kit/QMWheelPickerDelegate.h"

#include <QLabel>
#include <QList>
#include <QPointer>

// The root screen of the cinemas tab: the cinemas near the user, or of one district chosen on
// the wheel, those selling tickets through the phone first, each with its distance.
class QMCinemaViewController : public QMViewController,
                               public QMCinemaProviderDelegate,
                               public QMDistrictInfoProviderDelegate,
                               public QMPickerViewDelegate,
                               public QMWheelPickerDataSource,
                               public QMWheelPickerDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMCinemaViewController)

public:
    QMCinemaViewController();
    ~QMCinemaViewController() override;

    const QList<std::shared_ptr<SimpleCinema>> &cinemaArray() const { return _cinemaArray; }
    const QMDistrictDictionary &districtDictionary() const { return _districtDictionary; }
    QMCinemaListView *cinemaTableView() const { return _cinemaTableView; }
    QMPickerView *pickerView() const { return _pickerView; }
    QLabel *nearLabel() const { return _nearLabel; }
    QMBarButton *nameButton() const { return _nameButton; }
    QMBarButton *districtButton() const { return m_districtButton; }

    // The nearby list, from the position known now.
    void requestNearDelegate();
    // The districts, then the overlay to choose one.
    void chooseDistrict();
    // A row or its check mark.
    void openCinemaAtRow(int row);

    void cinemaProviderDidReceivedCinemaList(QMCinemaProvider *provider,
                                             const std::shared_ptr<CinemaList> &list) override;
    void cinemaProviderDidRunIntoError(QMCinemaProvider *provider,
                                       const std::optional<QMError> &error) override;
    void
    districtInfoProviderDidRecievedDistrictInfo(QMDistrictInfoProvider *provider,
                                                const std::shared_ptr<CountyList> &list) override;
    void districtInfoProviderDidRunIntoError(QMDistrictInfoProvider *provider,
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
    void popPickerView();

    QPointer<QMCinemaListView> _cinemaTableView;
    QList<std::shared_ptr<SimpleCinema>> _cinemaArray;
    QMDistrictDictionary _districtDictionary;
    QPointer<QMPickerView> _pickerView;
    QPointer<QLabel> _nearLabel;
    QPointer<QMBarButton> _nameButton;
    QPointer<QMBarButton> m_districtButton;
    QString m_requestedDistrict; // the short name of the district list asked for last
};
