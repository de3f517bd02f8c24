#pragma once

#include "films/QMMovieOpenFlowViewDelegate.h"
#include "films/Simplemovie.h"
#include "films/openflow/TPOpenFlowViewDataSource.h"
#include "films/openflow/TPOpenFlowViewDelegate.h"
#include "kit/QMLabel.h"
#include "net/QMWeakDelegate.h"
#include "services/QMImageCacheDelegate.h"

#include <QHash>
#include <QList>
#include <QMutex>
#include <QWidget>

#include <memory>
#include <optional>

class TPOpenFlowView;

// The film shelf: posters in a cover flow and, beneath, the selected film's title, rating and a
// short description.
class QMMovieOpenFlowView : public QWidget,
                            public TPOpenFlowViewDataSource,
                            public TPOpenFlowViewDelegate,
                            public QMImageCacheDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMMovieOpenFlowView)

public:
    static constexpr QSize kPosterSize{150, 200};

    explicit QMMovieOpenFlowView(const QRect &frame, QWidget *parent = nullptr);
    ~QMMovieOpenFlowView() override;

    QMWeakDelegate<QMMovieOpenFlowViewDelegate> movieInfoDelegate;

    // A new list (shown from its third film, the service's first), or none after a failure:
    // then only the "分" label goes and everything else stays. "分" shows only with a film.
    void setMovieArray(const std::optional<QList<std::shared_ptr<Simplemovie>>> &list);
    const QList<std::shared_ptr<Simplemovie>> &movieArray() const { return m_movieArray; }

    // Writes the texts of the film at index.
    void setMovieInfoForIndex(int index);

    TPOpenFlowView *openFlowView() const { return m_openFlowView; }
    QMLabel *titleLabel() const { return m_titleLabel; }
    QMLabel *scoreLabel() const { return m_scoreLabel; }
    QMLabel *scoreUnitLabel() const { return m_scoreUnitLabel; }
    QMLabel *descriptionLabel() const { return m_descriptionLabel; }

    // The short description of a film as the shelf writes it.
    static QString descriptionText(const Simplemovie &film);

    // TPOpenFlowViewDataSource
    void openFlowViewRequestImageForIndex(TPOpenFlowView *view, int index) override;
    QImage defaultImage() override;
    // TPOpenFlowViewDelegate
    void openFlowViewSelectionDidChange(TPOpenFlowView *view, int index) override;
    void openFlowViewDidWannaCheckIndex(TPOpenFlowView *view, int index) override;
    // QMImageCacheDelegate
    void didRecievedImageForUrl(const QImage &image, const QString &url) override;
    void didRunIntoErrorForUrl(const std::optional<QMError> &error, const QString &url) override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void setCoverImage(const QImage &image, int index);

    QList<std::shared_ptr<Simplemovie>> m_movieArray;
    TPOpenFlowView *m_openFlowView;
    QMLabel *m_titleLabel;
    QMLabel *m_scoreLabel;
    QMLabel *m_scoreUnitLabel;
    QMLabel *m_descriptionLabel;
    QImage m_background;
    QHash<QString, int> m_pendingPosters; // smalllogo -> cover index
    QMutex m_coverLock;
};
