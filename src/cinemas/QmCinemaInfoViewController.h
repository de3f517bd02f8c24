#pragma once

#include "cinemas/Cinema.h"
#include "cinemas/Mpi.h"
#include "cinemas/QMCinemaFilmStrip.h"
#include "cinemas/QMCinemaInfoProviderDelegate.h"
#include "cinemas/QMMovieFSCProviderDelegate.h"
#include "comments/QMCinemaCommentViewControllerDelegate.h"
#include "comments/QMCommentedDetailsViewController.h"
#include "kit/QMBarButton.h"
#include "kit/QMReadingTextView.h"
#include "members/QMSingPointProviderDelegate.h"

#include <QList>
#include <QPointer>

class Comment;
class QMPageCounter;

// One cinema: its name, mark and address with the way to the map, then either the films it is
// showing in a strip, followed by members' comments page by page, or its description. Members
// comment on it, and check in when they stand within 500 metres of it.
class QmCinemaInfoViewController : public QMCommentedDetailsViewController,
                                   public QMMovieFSCProviderDelegate,
                                   public QMCinemaInfoProviderDelegate,
                                   public QMSingPointProviderDelegate,
                                   public QMCinemaCommentViewControllerDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QmCinemaInfoViewController)

public:
    static constexpr int kHeaderHeight = 75;
    static constexpr int kFilmsHeight = 185;
    static constexpr int kDescriptionHeight = 288;
    static constexpr double kCheckInMetres = 500.0;

    QmCinemaInfoViewController();
    ~QmCinemaInfoViewController() override;

    // How many comments cinema details ask for, for the whole process.
    static QMPageCounter &commentPageCounter();
    // Whether a member standing that many metres from a cinema may check in there. A distance
    // that is not a number never may.
    static bool isCloseEnoughToCheckIn(double metres) { return metres <= kCheckInMetres; }

    // Set by the opener (a record made from a list row); replaced by the full record when the
    // description is asked for.
    std::shared_ptr<Cinema> selectCinema;

    const QList<std::shared_ptr<Mpi>> &mpiArray() const { return _mpiArray; }
    QString addressText() const { return _addressText; }
    // A check-in is waiting for a sign-in.
    bool isHere() const { return _isHere; }
    bool isCinemaInfo() const { return _isCinemaInfo; }

    QMBarButton *checkInButton() const { return m_checkInButton; }
    // The parts of the rows on screen now; null while their row is not built.
    QAbstractButton *mapButton() const { return m_mapButton; }
    QMBarButton *onplayTabButton() const { return _onplayButton; }
    QMBarButton *infoTabButton() const { return _infoButton; }
    QMCinemaFilmStrip *filmStrip() const { return _cinemaScrollView; }
    QMReadingTextView *cinemaInfoView() const { return _cinemaInfoView; }

    void checkInPos();
    void gotoMap();
    void onpalyPressedSwitch();
    void infoPressedSwitch();
    // A film of the strip: its schedule at this cinema.
    void openScheduleForFilm(int index);
    void userComment() override;
    void presentCommentView() override;

    void fscProviderDidReceivedMovieList(QMMovieFSCProvider *provider,
                                         const std::shared_ptr<MpiList> &list) override;
    void fscProviderDidRunIntoError(QMMovieFSCProvider *provider,
                                    const std::optional<QMError> &error) override;
    void cinemaInfoProviderDidReceiveCinemaInfo(QMCinemaInfoProvider *provider,
                                                const std::shared_ptr<Cinema> &info) override;
    void cinemaInfoProviderDidRunIntoError(QMCinemaInfoProvider *provider,
                                           const std::optional<QMError> &error) override;
    void singPointProviderDidReceiveInsertData(QMSignPointProvider *provider,
                                               const std::shared_ptr<InsertData> &data) override;
    void singPointProviderDidRunIntoError(QMSignPointProvider *provider,
                                          const std::optional<QMError> &error) override;
    void cinemaCommentViewControllerWillDismiss(QMCinemaCommentViewController *controller) override;

protected:
    void viewDidLoad() override;

    bool showsComments() const override { return !_isCinemaInfo; }
    int headerHeight() const override { return kHeaderHeight; }
    int tabRowHeight() const override { return _isCinemaInfo ? kDescriptionHeight : kFilmsHeight; }
    std::unique_ptr<QWidget> headerRow() override;
    std::unique_ptr<QWidget> tabRow() override;

private:
    QList<std::shared_ptr<Mpi>> _mpiArray;
    QString _addressText;
    bool _isHere = false;
    bool _isCinemaInfo = false;

    QPointer<QMBarButton> m_checkInButton;
    QPointer<QAbstractButton> m_mapButton;
    QPointer<QMBarButton> _onplayButton;
    QPointer<QMBarButton> _infoButton;
    QPointer<QMCinemaFilmStrip> _cinemaScrollView;
    QPointer<QMReadingTextView> _cinemaInfoView;
};
