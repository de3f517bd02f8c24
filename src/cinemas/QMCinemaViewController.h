#pragma once

#include "cinemas/QMCinemaListView.h"
#include "cinemas/QMCinemaProviderDelegate.h"
#include "cinemas/QMDistrictChooser.h"
#include "cinemas/SimpleCinema.h"
#include "kit/QMBarButton.h"
#include "kit/QMViewController.h"

#include <QLabel>
#include <QList>
#include <QPointer>

// The root screen of the cinemas tab: the cinemas near the user, or of one district chosen on
// the wheel, those selling tickets through the phone first, each with its distance.
class QMCinemaViewController : public QMViewController, public QMCinemaProviderDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMCinemaViewController)

public:
    QMCinemaViewController();
    ~QMCinemaViewController() override;

    const QList<std::shared_ptr<SimpleCinema>> &cinemaArray() const { return _cinemaArray; }
    QMCinemaListView *cinemaTableView() const { return _cinemaTableView; }
    // The districts and their overlay, once the view is loaded.
    QMDistrictChooser *districtChooser() const { return m_districtChooser; }
    QLabel *nearLabel() const { return _nearLabel; }
    QMBarButton *nameButton() const { return _nameButton; }
    QMBarButton *districtButton() const { return m_districtButton; }

    // The nearby list, from the position known now.
    void requestNearDelegate();
    // The districts, then the overlay to choose one.
    void chooseDistrict();
    // The cinemas of the district confirmed on the overlay.
    void requestDistrict(const QString &briefname, const QString &countycode);
    // A row or its check mark.
    void openCinemaAtRow(int row);

    void cinemaProviderDidReceivedCinemaList(QMCinemaProvider *provider,
                                             const std::shared_ptr<CinemaList> &list) override;
    void cinemaProviderDidRunIntoError(QMCinemaProvider *provider,
                                       const std::optional<QMError> &error) override;

protected:
    std::unique_ptr<QWidget> loadView() override;
    void viewDidLoad() override;

private:
    QPointer<QMCinemaListView> _cinemaTableView;
    QList<std::shared_ptr<SimpleCinema>> _cinemaArray;
    QPointer<QMDistrictChooser> m_districtChooser; // the district map and the overlay
    QPointer<QLabel> _nearLabel;
    QPointer<QMBarButton> _nameButton;
    QPointer<QMBarButton> m_districtButton;
    QString m_requestedDistrict; // the short name of the district list asked for last
};
