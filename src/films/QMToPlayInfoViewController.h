#pragma once

#include "cinemas/QMCinemaProviderDelegate.h"
#include "cinemas/SimpleCinema.h"
#include "comments/QMCommentListOwner.h"
#include "comments/QMCommentRows.h"
#include "comments/QMMovieCommentViewControllerDelegate.h"
#include "films/QMMovieHeaderView.h"
#include "films/QMMovieInfoProviderDelegate.h"
#include "kit/QMBarButton.h"
#include "kit/QMReadingTextView.h"
#include "kit/QMTableView.h"
#include "kit/QMTableViewDataSource.h"
#include "kit/QMViewController.h"
#include "members/QMSignInGate.h"
#include "services/QMImageCacheDelegate.h"

#include <QImage>
#include <QLabel>
#include <QList>
#include <QPointer>

class Comment;
class QMPageCounter;
class movie;

// The details of a film now showing: its poster and credits, then either how many cinemas show
// it with the ways to them and to a map of them, followed by members' comments page by page, or
// its synopsis. Members comment on it from here.
class QMToPlayInfoViewController : public QMViewController,
                                   public QMTableViewDataSource,
                                   public QMMovieInfoProviderDelegate,
                                   public QMCinemaProviderDelegate,
                                   public QMImageCacheDelegate,
                                   public QMCommentListOwner,
                                   public QMMovieCommentViewControllerDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMToPlayInfoViewController)

public:
    static constexpr int kHeaderHeight = 160;
    static constexpr int kScheduleHeight = 98;
    static constexpr int kSynopsisHeight = 203;
    static constexpr int kFirstCommentRow = 2;

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
    const QList<std::shared_ptr<Comment>> &commentArray() const;
    // The cinemas last fetched for the map.
    const QList<std::shared_ptr<SimpleCinema>> &cinemaArray() const { return m_cinemaArray; }

    QMTableView *tableView() const { return m_tableView; }
    QMCommentRows *commentRows() const { return m_commentRows; }
    QMBarButton *commentButton() const { return m_commentButton; }
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

    void selectCommentList() override;
    void taxisPressedSwitch();
    void infoPressedSwitch();
    void selectMovieCinema();
    void gotoMap();
    void userComment();
    void presentCommentView();
    // Row actions: the table row of a comment's text or head picture.
    void selectCommentInfo(int row);
    void selectUserInfo(int row);
    void moreCiname();

    int tableViewNumberOfRows(QMTableView *tableView) override;
    int tableViewHeightForRow(QMTableView *tableView, int row) override;
    std::unique_ptr<QWidget> tableViewCellForRow(QMTableView *tableView, int row) override;
    void scrollViewDidEndDecelerating(QMScrollView *scrollView) override;

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
    std::unique_ptr<QWidget> loadView() override;
    void viewDidLoad() override;

private:
    std::unique_ptr<QWidget> headerRow();
    std::unique_ptr<QWidget> tabRow();
    void addSchedulePanel(QWidget *row);
    void addSynopsis(QWidget *row);
    void showCinemasOnMap();

    QList<std::shared_ptr<SimpleCinema>> m_cinemaArray;
    bool m_isInfo = false;
    QMSignInGate m_gate{this};

    QPointer<QMTableView> m_tableView;
    QPointer<QMCommentRows> m_commentRows;
    QPointer<QMBarButton> m_commentButton;
    QPointer<QMMovieHeaderView> m_header;
    QPointer<QMBarButton> m_scheduleTab;
    QPointer<QMBarButton> m_synopsisTab;
    QPointer<QMBarButton> m_cinemasButton;
    QPointer<QMBarButton> m_mapButton;
    QPointer<QLabel> m_cinemaCount;
    QPointer<QLabel> m_orderCount;
    QPointer<QMReadingTextView> m_synopsisView;
};
