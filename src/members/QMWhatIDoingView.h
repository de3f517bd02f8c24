#pragma once

#include "cinemas/QMopcListProviderDelegate.h"
#include "films/QMOnPlayListProviderDelegate.h"
#include "kit/QMPickerViewDelegate.h"
#include "kit/QMWheelPickerDataSource.h"
#include "kit/QMWheelPickerDelegate.h"
#include "members/QMPostingView.h"

#include <QStringList>

class QMPickerView;
class QMTickButton;

// "你在干嘛": a status post, raised from the bottom over the member area. It may name one film
// now showing or one of the day's cinemas, never both: each has a row with a tick and a button
// that offers the names on the choice overlay. Nothing named, the post is about nothing in
// particular.
class QMWhatIDoingView : public QMPostingView,
                         public QMOnPlayListProviderDelegate,
                         public QMopcListProviderDelegate,
                         public QMPickerViewDelegate,
                         public QMWheelPickerDataSource,
                         public QMWheelPickerDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMWhatIDoingView)

public:
    enum class Link { None, Movie, Cinema };

    explicit QMWhatIDoingView(QWidget *parent = nullptr);
    ~QMWhatIDoingView() override;

    QString whatText() const { return acceptedText(); }
    // The id of the named film or cinema; empty while none is.
    QString selectId() const { return m_selectId; }
    // What the ticked row links to.
    Link link() const { return m_link; }

    QMTickButton *movieTick() const { return m_movieTick; }
    QMTickButton *cinemaTick() const { return m_cinemaTick; }
    QMBarButton *movieButton() const { return m_movieButton; }
    QMBarButton *cinemaButton() const { return m_cinemaButton; }
    QMPickerView *pickerView() const { return m_pickerView; }
    // The names the overlay offers.
    QStringList pickerNames() const { return m_names; }

    // The ticks.
    void relatingMovie();
    void relatingCinema();
    // The buttons that offer the names.
    void chooseMovie();
    void chooseCinema();
    void submitDoing();
    void submit() override { submitDoing(); }

    void onPlayListProviderDidReceivedMovieList(QMOnPlayListProvider *provider,
                                                const std::shared_ptr<MovieList> &list) override;
    void onPlayListProviderDidRunIntoError(QMOnPlayListProvider *provider,
                                           const std::optional<QMError> &error) override;
    void opcListProviderDidReceiveCinemaList(QMopcListProvider *provider,
                                             const std::shared_ptr<OpCinemaList> &list) override;
    void opcListProviderDidRunIntoError(QMopcListProvider *provider,
                                        const std::optional<QMError> &error) override;
    void pickerViewConformSelction(QMPickerView *picker, const QMap<int, int> &selection) override;
    void pickerViewCancelledSelection(QMPickerView *picker) override;
    int numberOfComponentsInPickerView(QMWheelPicker *picker) override;
    int pickerViewNumberOfRowsInComponent(QMWheelPicker *picker, int component) override;
    int pickerViewWidthForComponent(QMWheelPicker *picker, int component) override;
    QString pickerViewTitleForRowForComponent(QMWheelPicker *picker, int row,
                                              int component) override;

private:
    void relate(Link link);
    void showChoices(Link link, const QStringList &names, const QStringList &ids);
    void dropChoices();
    QMBarButton *chooserFor(Link link) const;
    void showTicks();

    QMTickButton *m_movieTick = nullptr;
    QMTickButton *m_cinemaTick = nullptr;
    QMBarButton *m_movieButton = nullptr;
    QMBarButton *m_cinemaButton = nullptr;
    QMPickerView *m_pickerView = nullptr;
    Link m_link = Link::None;
    QString m_selectId;
    // What the overlay offers, names and ids side by side, and for which row.
    Link m_choicesFor = Link::None;
    QStringList m_names;
    QStringList m_ids;
};
