#pragma once

#include "cinemas/Mpi.h"
#include "kit/QMIndexButton.h"
#include "services/QMImageCacheDelegate.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <memory>

class QMScrollView;

// The films a cinema is showing, side by side in a white strip that scrolls sideways: each one's
// poster, its name in orange and its mark in brackets. Posters come through the image cache,
// "default.jpg" with a small busy indicator until they arrive. A touched poster tells its film's
// place in the list.
class QMCinemaFilmStrip : public QWidget, public QMImageCacheDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMCinemaFilmStrip)

public:
    static constexpr int kSlotWidth = 82;
    static constexpr QSize kSize{298, 152};

    explicit QMCinemaFilmStrip(QWidget *parent = nullptr);
    ~QMCinemaFilmStrip() override;

    void setMpiArray(const QList<std::shared_ptr<Mpi>> &films);

    // One more than the films placed: the strip ends with an empty slot.
    int movieCount() const { return m_movieCount; }
    QMScrollView *scrollView() const { return m_scrollView; }
    // The slots in the order of the films.
    QList<QWidget *> slotViews() const;
    QMIndexButton *posterButton(int index) const;
    // True until that film's poster has come (or failed).
    bool isLoadingPoster(int index) const;

    void didRecievedImageForUrl(const QImage &image, const QString &url) override;
    void didRunIntoErrorForUrl(const std::optional<QMError> &error, const QString &url) override;

signals:
    void filmChosen(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *addSlot(const Mpi &film, int index);
    static void showPoster(QMIndexButton *button, const QImage &poster);

    QMScrollView *m_scrollView;
    QList<QPointer<QMIndexButton>> m_posters;
    // Posters waiting for their picture, by address (two films may share one).
    QHash<QString, QList<QPointer<QMIndexButton>>> _viewDict;
    int m_movieCount = 1;
};
