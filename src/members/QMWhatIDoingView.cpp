#include "members/QMWhatIDoingView.h"

#include "app/QMDataContext.h"
#include "cinemas/OpCinemaList.h"
#include "cinemas/QMopcListProvider.h"
#include "comments/QMPostingForm.h"
#include "films/MovieList.h"
#include "films/QMOnPlayListProvider.h"
#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMPickerView.h"
#include "kit/QMWindow.h"
#include "members/QMTickButton.h"
#include "services/QMViewBusyBee.h"

namespace {
constexpr int kTextHeight = 110;
constexpr int kMovieRowTop = kTextHeight + 86;
constexpr int kCinemaRowTop = kMovieRowTop + 40;
constexpr int kSubmitTop = kCinemaRowTop + 48;
constexpr int kBusySize = 30;
constexpr int kWheelWidth = 280;

// What the service files a post under: a cinema 0, a film 1, nothing in particular 3.
constexpr unsigned kCinemaType = 0;
constexpr unsigned kMovieType = 1;
constexpr unsigned kNothingType = 3;

QString chooserTitle(QMWhatIDoingView::Link link)
{
    return link == QMWhatIDoingView::Link::Movie ? QStringLiteral("请选择电影")
                                                 : QStringLiteral("请选择影院");
}
} // namespace

QMWhatIDoingView::QMWhatIDoingView(QWidget *parent)
    : QMPostingView(QStringLiteral("你在干嘛"), kTextHeight, kSubmitTop, parent)
    , m_pickerView(new QMPickerView(kFrame, this))
{
    form()->setSuccessMessage(QStringLiteral("评论成功！"));

    const auto addRow = [this](int top, const QString &title, Link link) {
        auto *tick = new QMTickButton(title, this);
        tick->setGeometry(10, top, 116, 30);
        connect(tick, &QAbstractButton::clicked, this, [this, link] { relate(link); });
        auto *chooser = new QMBarButton(chooserTitle(link), this);
        chooser->setFont(QMKitStyle::boldSystemFont(14));
        chooser->setGeometry(130, top, 180, 30);
        connect(chooser, &QAbstractButton::clicked, this, [this, link] {
            if (link == Link::Movie)
                chooseMovie();
            else
                chooseCinema();
        });
        return std::pair{tick, chooser};
    };
    std::tie(m_movieTick, m_movieButton) =
        addRow(kMovieRowTop, QStringLiteral("关联到电影"), Link::Movie);
    std::tie(m_cinemaTick, m_cinemaButton) =
        addRow(kCinemaRowTop, QStringLiteral("关联到影院"), Link::Cinema);
    showTicks();

    m_pickerView->setPickerDelegate(this);
    m_pickerView->setPickerDataSource(this);
    m_pickerView->setSelectionDelegate(this);
}

QMWhatIDoingView::~QMWhatIDoingView() = default;

void QMWhatIDoingView::onPlayListProviderDidReceivedMovieList(
    QMOnPlayListProvider *, const std::shared_ptr<MovieList> &list)
{
    QStringList names, ids;
    for (const auto &film : list->movieListArray) {
        if (film && !film->moviename.isEmpty()) {
            names.append(film->moviename);
            ids.append(film->movieid);
        }
    }
    showChoices(Link::Movie, names, ids);
}

void QMWhatIDoingView::onPlayListProviderDidRunIntoError(QMOnPlayListProvider *,
                                                         const std::optional<QMError> &)
{
    dropChoices();
}

void QMWhatIDoingView::opcListProviderDidReceiveCinemaList(
    QMopcListProvider *, const std::shared_ptr<OpCinemaList> &list)
{
    QStringList names, ids;
    for (const auto &cinema : list->cinemaArray) {
        if (cinema && !cinema->cinemaname.isEmpty()) {
            names.append(cinema->cinemaname);
            ids.append(cinema->relatedid.isEmpty() ? cinema->cinemaid : cinema->relatedid);
        }
    }
    showChoices(Link::Cinema, names, ids);
}

void QMWhatIDoingView::opcListProviderDidRunIntoError(QMopcListProvider *,
                                                      const std::optional<QMError> &)
{
    dropChoices();
}

void QMWhatIDoingView::pickerViewConformSelction(QMPickerView *picker,
                                                 const QMap<int, int> &selection)
{
    picker->removeFromWindow();
    const int row = selection.value(0, -1);
    // The row may have been unticked while the overlay was up.
    if (row < 0 || row >= m_ids.size() || m_choicesFor != m_link)
        return;
    m_selectId = m_ids[row];
    chooserFor(m_link)->setText(m_names[row]);
}

void QMWhatIDoingView::pickerViewCancelledSelection(QMPickerView *picker)
{
    picker->removeFromWindow();
}

int QMWhatIDoingView::numberOfComponentsInPickerView(QMWheelPicker *)
{
    return 1;
}

int QMWhatIDoingView::pickerViewNumberOfRowsInComponent(QMWheelPicker *, int)
{
    return int(m_names.size());
}

int QMWhatIDoingView::pickerViewWidthForComponent(QMWheelPicker *, int)
{
    return kWheelWidth;
}

QString QMWhatIDoingView::pickerViewTitleForRowForComponent(QMWheelPicker *, int row, int)
{
    return m_names.value(row);
}

void QMWhatIDoingView::relatingMovie()
{
    relate(Link::Movie);
}

void QMWhatIDoingView::relatingCinema()
{
    relate(Link::Cinema);
}

void QMWhatIDoingView::chooseMovie()
{
    if (m_link != Link::Movie)
        return;
    QMViewBusyBee::showBusyBeeAtCenter(this, kBusySize);
    m_pickerView->setNavTitle(QStringLiteral("选择电影"));
    QMOnPlayListProvider *provider = QMDataContext::CurrentDataContext()->onPlayListProvider();
    provider->playListDelegate = this;
    provider->sendRequest();
}

void QMWhatIDoingView::chooseCinema()
{
    if (m_link != Link::Cinema)
        return;
    QMViewBusyBee::showBusyBeeAtCenter(this, kBusySize);
    m_pickerView->setNavTitle(QStringLiteral("选择影院"));
    QMopcListProvider *provider = QMDataContext::CurrentDataContext()->opcListProvider();
    provider->opcListDelegate = this;
    provider->requestOpcList();
}

void QMWhatIDoingView::submitDoing()
{
    // A ticked row without a name chosen links nothing: the service knows no film or cinema
    // without an id.
    if (m_selectId.isEmpty())
        form()->sendComment(QString(), kNothingType);
    else
        form()->sendComment(m_selectId, m_link == Link::Movie ? kMovieType : kCinemaType);
}

void QMWhatIDoingView::relate(Link link)
{
    if (m_link == link) {
        m_link = Link::None;
        m_selectId.clear();
        chooserFor(link)->setText(chooserTitle(link));
    } else if (m_link != Link::None) {
        QMAlertView::show(QStringLiteral("提示"), QStringLiteral("不能同时关联,请重新选择!"),
                          QStringLiteral("ok"));
        return;
    } else {
        m_link = link;
    }
    showTicks();
}

void QMWhatIDoingView::showChoices(Link link, const QStringList &names, const QStringList &ids)
{
    QMViewBusyBee::removeBusyBee(this);
    m_choicesFor = link;
    m_names = names;
    m_ids = ids;
    // Names that come after the row was unticked are not offered.
    if (m_link != link)
        return;
    m_pickerView->reloadData();
    m_pickerView->showInWindow(QMWindow::windowOf(this));
}

void QMWhatIDoingView::dropChoices()
{
    QMViewBusyBee::removeBusyBee(this);
    m_choicesFor = Link::None;
    m_names.clear();
    m_ids.clear();
}

QMBarButton *QMWhatIDoingView::chooserFor(Link link) const
{
    return link == Link::Movie ? m_movieButton : m_cinemaButton;
}

void QMWhatIDoingView::showTicks()
{
    m_movieTick->setTicked(m_link == Link::Movie);
    m_cinemaTick->setTicked(m_link == Link::Cinema);
    m_movieButton->setEnabled(m_link == Link::Movie);
    m_cinemaButton->setEnabled(m_link == Link::Cinema);
}
