#pragma once

#include "films/QMMovieInfoProviderDelegate.h"
#include "kit/QMLabel.h"
#include "kit/QMViewController.h"

#include <QImage>
#include <QPointer>

class movie;

// One coming-soon film: its poster, credits and, once the full record has come, its synopsis.
class QMFutureMovieListViewController : public QMViewController, public QMMovieInfoProviderDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMFutureMovieListViewController)

public:
    QMFutureMovieListViewController();
    ~QMFutureMovieListViewController() override;

    // Set by the list before the screen is shown; replaced by the full record when it comes.
    std::shared_ptr<movie> selectsMovie;
    QImage logoImage;

    QMLabel *synopsisLabel() const { return m_synopsis; }
    QMLabel *creditsLabel() const { return m_credits; }

    void movieInfoProviderDidReceivedMovieInfo(QMMovieInfoProvider *provider,
                                               const std::shared_ptr<movie> &info) override;
    void movieInfoProviderDidRunInfoError(QMMovieInfoProvider *provider,
                                          const std::optional<QMError> &error) override;

protected:
    void viewDidLoad() override;

private:
    QPointer<QMLabel> m_credits;
    QPointer<QMLabel> m_synopsis;
    QPointer<QWidget> m_synopsisArea;
};
