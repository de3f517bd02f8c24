#pragma once

#include "cinemas/QMCinemaProviderDelegate.h"
#include "cinemas/SimpleCinema.h"
#include "comments/QMCommentedDetailsViewController.h"
#include "comments/QMMovieCommentViewControllerDelegate.h"
#include "films/QMMovieHeaderView.h"
#include "films/QMMovieInfoProviderDelegate.h"
#include "kit/QMBarButton.h"
#include "kit/QMReadingTextView.h"
#include "services/QMImageCacheDelegate.h"

#include <QImage>
#include <QLabel>
#include <QList>
#include <QPointer>

class QMPageCounter;
class movie;

// The details of a film now showing: its poster and credits, then either how many cinemas show
// it with the ways to them and to a map of them, followed by members' comments page by page, or
// its synopsis. Members comment on it from here.
class QMToPlayInfoViewController : public QMCommentedDetailsViewController,
                                   public QMMovieInfoProviderDelegate,
                                   public QMCinemaProviderDelegate,
                                   public QMImageCacheDelegate,
                                   public QMMovieCommentViewControllerDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMToPlayInfoViewController)

public:
    static constexpr int kHeaderHeight = 160;
    static constexpr int kScheduleHeight = 98;
    static constexpr int kSynopsisHeight = 203;

    QMToPlayInfoViewController();
    ~QMToPlayInfoViewController() override;

    // How many comments film details ask for, for the whole process.
    static QMPageCounter &commentPageCounter();

    // Set by the opener: a provisional record from a list row, replaced by the full one when the
    // synopsis is asked for; and the poster, replaced when it arrives under the film's logo or
    // smalllogo.
    std::shared_ptr<movie> selectsMovie;
    QImage logoImage;

    // True once the synopsis is chosen (it shows when the film's record has come).
    bool isInfo() const { return m_isInfo; }
    // The cinemas last fetched for the map.
    const QList<std::shared_ptr<SimpleCinema>> &cinemaArray() const { return m_cinemaArray; }

    // The parts of the rows on screen now; null while their row is not built.
    QMMovieHeaderView *headerView() const { return m_header; }
    QMBarButton *scheduleTabButton() const { return m_scheduleTab; }
    QMBarButton *synopsisTabButton() const { return m_synopsisTab; }
    QMBarButton *cinemasButton() const { return m_cinemasButton; }
    QMBarButton *mapButton() const { return m_mapButton; }
    // "%d家影院上映," and, in orange, how many of them sell through the service.
    QLabel *cinemaCountLabel() const { return m_cinemaCount; }
    QLabel *orderCountLabel() const { return m_orderCount; }
    QMReadingTextView *synopsisView() const { return m_synopsisView; }

    void taxisPressedSwitch();
    void infoPressedSwitch();
    void selectMovieCinema();
    void gotoMap();
    void presentCommentView() override;

    void movieInfoProviderDidReceivedMovieInfo(QMMovieInfoProvider *provider,
                                               const std::shared_ptr<movie> &info) override;
    void movieInfoProviderDidRunInfoError(QMMovieInfoProvider *provider,
                                          const std::optional<QMError> &error) override;
    void cinemaProviderDidReceivedCinemaList(QMCinemaProvider *provider,
                                             const std::shared_ptr<CinemaList> &list) override;
    void cinemaProviderDidRunIntoError(QMCinemaProvider *provider,
                                       const std::optional<QMError> &error) override;
    void didRecievedImageForUrl(const QImage &image, const QString &url) override;
    void didRunIntoErrorForUrl(const std::optional<QMError> &error, const QString &url) override;
    void movieCommentViewControllerWillDismiss(QMMovieCommentViewController *controller) override;

protected:
    void viewDidLoad() override;

    bool showsComments() const override { return !m_isInfo; }
    int headerHeight() const override { return kHeaderHeight; }
    int tabRowHeight() const override { return m_isInfo ? kSynopsisHeight : kScheduleHeight; }
    std::unique_ptr<QWidget> headerRow() override;
    std::unique_ptr<QWidget> tabRow() override;

private:
    void addSchedulePanel(QWidget *row);
    void addSynopsis(QWidget *row);
    void showCinemasOnMap();

    QList<std::shared_ptr<SimpleCinema>> m_cinemaArray;
    bool m_isInfo = false;

    QPointer<QMMovieHeaderView> m_header;
    QPointer<QMBarButton> m_scheduleTab;
    QPointer<QMBarButton> m_synopsisTab;
    QPointer<QMBarButton> m_cinemasButton;
    QPointer<QMBarButton> m_mapButton;
    QPointer<QLabel> m_cinemaCount;
    QPointer<QLabel> m_orderCount;
    QPointer<QMReadingTextView> m_synopsisView;
};
