#pragma once

#include "films/QMMovieOpenFlowView.h"
#include "films/QMMovieOpenFlowViewDelegate.h"
#include "films/QMOnPlayListProviderDelegate.h"
#include "films/Simplemovie.h"
#include "kit/QMViewController.h"

#include <QList>
#include <QPointer>

// The root screen of the films tab: the films now showing on the shelf, and the way to the films
// coming soon.
class QMMovieViewController : public QMViewController,
                              public QMOnPlayListProviderDelegate,
                              public QMMovieOpenFlowViewDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMMovieViewController)

public:
    QMMovieViewController();
    ~QMMovieViewController() override;

    const QList<std::shared_ptr<Simplemovie>> &movieArray() const { return m_movieArray; }
    QMMovieOpenFlowView *shelfView() const { return m_shelfView; }

    // The last two films of an answer come first, then the rest in the service's order.
    static QList<std::shared_ptr<Simplemovie>>
    shelfOrder(const QList<std::shared_ptr<Simplemovie>> &films);

    void loadData();
    void toPlayList();

    void onPlayListProviderDidReceivedMovieList(QMOnPlayListProvider *provider,
                                                const std::shared_ptr<MovieList> &list) override;
    void onPlayListProviderDidRunIntoError(QMOnPlayListProvider *provider,
                                           const std::optional<QMError> &error) override;
    void switchToMovieForIndex(int index) override;

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

private:
    QList<std::shared_ptr<Simplemovie>> m_movieArray;
    QPointer<QMMovieOpenFlowView> m_shelfView;
};
