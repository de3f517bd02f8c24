#pragma once

#include "films/QMToPlayListProviderDelegate.h"
#include "films/Simplemovie.h"
#include "kit/QMTableView.h"
#include "kit/QMTableViewDataSource.h"
#include "kit/QMViewController.h"
#include "services/QMImageCacheDelegate.h"

#include <QHash>
#include <QList>
#include <QPointer>

class QLabel;

// The films coming soon, one tall row each, grown ten at a time as the user scrolls to the end.
class QMToPlayListViewController : public QMViewController,
                                   public QMToPlayListProviderDelegate,
                                   public QMTableViewDataSource,
                                   public QMImageCacheDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMToPlayListViewController)

public:
    static constexpr int kRowHeight = 150;
    static inline const QString kReuseIdentifier = QStringLiteral("ToPlayListControllerIdentifier");

    QMToPlayListViewController();
    ~QMToPlayListViewController() override;

    // How many films the list asks for: one counter for the whole process, never reset, so a
    // list opened again asks for as many as the last one reached.
    static int playCount();
    static void setPlayCount(int count);

    const QList<std::shared_ptr<Simplemovie>> &movieArray() const { return m_movieArray; }
    QMTableView *tableView() const { return m_tableView; }

    void loadData();
    // The user reached the end of the list: the next page, or the alert past the last one.
    void nextPage();

    void listProviderDidReceivedMovieList(QMToPlayListProvider *provider,
                                          const std::shared_ptr<MovieList> &list) override;
    void listProviderDidRunIntoError(QMToPlayListProvider *provider,
                                     const std::optional<QMError> &error) override;

    int tableViewNumberOfRows(QMTableView *tableView) override;
    std::unique_ptr<QWidget> tableViewCellForRow(QMTableView *tableView, int row) override;
    int tableViewHeightForRow(QMTableView *tableView, int row) override;
    void tableViewDidSelectRow(QMTableView *tableView, int row) override;
    void tableViewDidDeselectRow(QMTableView *tableView, int row) override;
    void scrollViewDidEndDecelerating(QMScrollView *scrollView) override;

    void didRecievedImageForUrl(const QImage &image, const QString &url) override;
    void didRunIntoErrorForUrl(const std::optional<QMError> &error, const QString &url) override;

protected:
    void viewDidLoad() override;

private:
    std::unique_ptr<QWidget> filmRow(int row);
    std::unique_ptr<QWidget> moreRow();
    QLabel *posterOfRow(int row) const;
    void setPosterBorder(int row, int width);

    QList<std::shared_ptr<Simplemovie>> m_movieArray;
    QHash<QString, int> m_pendingPosters; // smalllogo -> row
    QPointer<QMTableView> m_tableView;
};
