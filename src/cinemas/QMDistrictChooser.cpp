#include "cinemas/QMDistrictChooser.h"

#include "app/QMDataContext.h"
#include "cinemas/CountyList.h"
#include "cinemas/QMDistrictInfoProvider.h"
#include "kit/QMWindow.h"
#include "net/QMDataProvider.h"
#include "services/QMViewBusyBee.h"

namespace {
// Everything below the status strip, tab bar included.
constexpr QRect kPickerFrame(0, 20, 320, 460);
constexpr int kBusySize = 40;
constexpr int kWheelWidth = 280;
} // namespace

QMDistrictChooser::QMDistrictChooser(QWidget *ownerView)
    : QObject(ownerView)
    , m_ownerView(ownerView)
    , m_pickerView(new QMPickerView(kPickerFrame, ownerView))
{
    m_pickerView->setNavTitle(QStringLiteral("选择区域"));
    m_pickerView->setPickerDelegate(this);
    m_pickerView->setPickerDataSource(this);
    m_pickerView->setSelectionDelegate(this);
}

QMDistrictChooser::~QMDistrictChooser() = default;

void QMDistrictChooser::chooseDistrict()
{
    QMDistrictInfoProvider *provider = QMDataContext::CurrentDataContext()->districtInfoProvider();
    provider->districtDelegate = this;
    provider->requestDistrictsOfRegion(QMDataProvider::regionCode());
    QMViewBusyBee::showBusyBeeAtCenter(m_ownerView, kBusySize);
}

void QMDistrictChooser::districtInfoProviderDidRecievedDistrictInfo(
    QMDistrictInfoProvider *, const std::shared_ptr<CountyList> &list)
{
    m_districtDictionary.setCounties(list->countyArray);
    QMViewBusyBee::removeBusyBee(m_ownerView);
    if (m_pickerView && m_ownerView) {
        m_pickerView->reloadData();
        m_pickerView->showInWindow(QMWindow::windowOf(m_ownerView));
    }
}

void QMDistrictChooser::districtInfoProviderDidRunIntoError(QMDistrictInfoProvider *,
                                                            const std::optional<QMError> &)
{
    m_districtDictionary.clear();
    QMViewBusyBee::removeBusyBee(m_ownerView);
}

int QMDistrictChooser::numberOfComponentsInPickerView(QMWheelPicker *)
{
    return 1;
}

int QMDistrictChooser::pickerViewNumberOfRowsInComponent(QMWheelPicker *, int)
{
    return m_districtDictionary.count();
}

int QMDistrictChooser::pickerViewWidthForComponent(QMWheelPicker *, int)
{
    return kWheelWidth;
}

QString QMDistrictChooser::pickerViewTitleForRowForComponent(QMWheelPicker *, int row, int)
{
    return m_districtDictionary.nameAt(row);
}

void QMDistrictChooser::pickerViewConformSelction(QMPickerView *picker,
                                                  const QMap<int, int> &selection)
{
    picker->removeFromWindow();
    // Without districts there is no row and no code: nothing to ask for.
    const int row = selection.isEmpty() ? -1 : selection.first();
    if (row < 0 || row >= m_districtDictionary.count())
        return;
    const QString name = m_districtDictionary.nameAt(row);
    emit districtChosen(name, m_districtDictionary.codeForName(name));
}

void QMDistrictChooser::pickerViewCancelledSelection(QMPickerView *picker)
{
    picker->removeFromWindow();
}
