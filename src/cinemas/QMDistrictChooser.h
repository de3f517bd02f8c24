#pragma once

#include "cinemas/QMDistrictDictionary.h"
#include "cinemas/QMDistrictInfoProviderDelegate.h"
#include "kit/QMPickerView.h"
#include "kit/QMPickerViewDelegate.h"
#include "kit/QMWheelPickerDataSource.h"
#include "kit/QMWheelPickerDelegate.h"

#include <QObject>
#include <QPointer>

// The district choice of the cinema lists: asks the service for the city's districts (the busy
// indicator turning on the owner's view meanwhile), offers them on the choice overlay over the
// whole window, and tells which one the user confirmed. Cancelling, or confirming a wheel without
// rows, only closes the overlay. Lives as long as the owner's view.
class QMDistrictChooser : public QObject,
                          public QMDistrictInfoProviderDelegate,
                          public QMPickerViewDelegate,
                          public QMWheelPickerDataSource,
                          public QMWheelPickerDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMDistrictChooser)

public:
    explicit QMDistrictChooser(QWidget *ownerView);
    ~QMDistrictChooser() override;

    const QMDistrictDictionary &districtDictionary() const { return m_districtDictionary; }
    QMPickerView *pickerView() const { return m_pickerView; }

    // The districts, then the overlay.
    void chooseDistrict();

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

signals:
    void districtChosen(const QString &briefname, const QString &countycode);

private:
    QPointer<QWidget> m_ownerView;
    QMDistrictDictionary m_districtDictionary;
    QPointer<QMPickerView> m_pickerView;
};
