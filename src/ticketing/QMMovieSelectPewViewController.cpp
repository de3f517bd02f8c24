#include "ticketing/QMMovieSelectPewViewController.h"

#include "app/QMDataContext.h"
#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMLabel.h"
#include "kit/QMNavigationController.h"
#include "kit/QMNavigationItem.h"
#include "kit/QMPanelView.h"
#include "kit/QMScrollView.h"
#include "services/QMResourceImages.h"
#include "services/QMViewBusyBee.h"
#include "ticketing/BookInfo.h"
#include "ticketing/QMBookInfoProvider.h"
#include "ticketing/QMMovieConfirmPewViewController.h"
#include "ticketing/QMRowIndexView.h"
#include "ticketing/QMScreeningTitleView.h"
#include "ticketing/QMSeatsView.h"

#include <QLabel>

namespace {
constexpr QSize kViewSize(320, 367);
constexpr int kBusySize = 30;
// The seat map's area, below the legend strip, ending two points above the tab bar.
constexpr int kMapTop = 145;
constexpr int kMapHeight = 220;
} // namespace

QMMovieSelectPewViewController::QMMovieSelectPewViewController() = default;

QMMovieSelectPewViewController::~QMMovieSelectPewViewController() = default;

std::unique_ptr<QWidget> QMMovieSelectPewViewController::loadView()
{
    auto view = std::make_unique<QWidget>();
    view->resize(kViewSize);
    QMKitStyle::setBackgroundColor(view.get(), QMKitStyle::lightGrayColor());
    return view;
}

void QMMovieSelectPewViewController::viewDidLoad()
{
    if (!mpi)
        mpi = std::make_shared<Mpi>();
    QWidget *v = view();
    navigationItem()->setTitle(mpi->moviename);
    navigationItem()->setTitleFont(QMKitStyle::systemFont(18));
    navigationItem()->setBackBarButtonTitle(QStringLiteral("选择座位"));
    addHeader(v);

    auto *panel = new QMPanelView(QRect(0, 54, 320, 55), v);
    m_textView = QMKitStyle::addLabel(panel, QRect(8, 4, 200, 47), QMKitStyle::systemFont(12.5),
                                      QMKitStyle::tintColor());
    m_textView->setWordWrap(true);
    m_textView->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_textView->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_confirmButton = new QMBarButton(
        QString(), QMResourceImages::named(QStringLiteral("btn_confirm.png")), panel);
    m_confirmButton->setGeometry(218, 4, 90, 32);
    m_confirmButton->setEnabled(false);
    connect(m_confirmButton, &QAbstractButton::clicked, this,
            &QMMovieSelectPewViewController::confirmBuyTicket);
    QMKitStyle::addLabel(panel, QRect(214, 37, 104, 16), QMKitStyle::systemFont(12), Qt::gray,
                         QStringLiteral("您最多可选5张票"));

    auto *legend = new QLabel(v);
    legend->setGeometry(0, 109, 320, 36);
    legend->setScaledContents(true);
    legend->setPixmap(
        QPixmap::fromImage(QMResourceImages::named(QStringLiteral("btn_select_pew.png"))));

    // The row names only follow the map; the map is what the member drags.
    const int column = QMRowIndexView::columnWidth;
    m_indexScrollView = new QMScrollView(v);
    m_indexScrollView->setGeometry(0, kMapTop, column, kMapHeight);
    m_indexScrollView->setScrollEnabled(false);
    m_indexScrollView->setShowsScrollIndicators(false, false);
    QMKitStyle::setBackgroundColor(m_indexScrollView, Qt::white);
    m_indexView = new QMRowIndexView(QRect(), m_indexScrollView->contentView());

    m_seatScrollView = new QMScrollView(v);
    m_seatScrollView->setGeometry(column + 2, kMapTop, 320 - column - 2, kMapHeight);
    m_seatScrollView->setDelegate(this);
    m_seatView = new QMSeatsView(QRect(), m_seatScrollView->contentView());
    m_seatView->seatDelegate = this;

    QMBookInfoProvider *provider = QMDataContext::CurrentDataContext()->bookInfoProvider();
    provider->bookInfoDelegate = this;
    provider->requestForMpi(mpi->mpid);
    if (!mpi->mpid.isEmpty()) // otherwise nothing is sent, and no answer comes
        QMViewBusyBee::showBusyBeeAtCenter(v, kBusySize);
}

void QMMovieSelectPewViewController::bookInfoProviderDidReceivedSeatInfo(
    QMBookInfoProvider *, const std::shared_ptr<BookInfo> &info)
{
    // The map of another screening, asked for by a screen since gone.
    if (info && !info->mpid.isEmpty() && info->mpid != mpi->mpid)
        return;
    QMViewBusyBee::removeBusyBee(view());
    const QSize grid = info ? QMSeatsView::gridSize(info->linenum, info->ranknum) : QSize();
    const QSize names = info ? QMRowIndexView::columnSize(info->linenum) : QSize();
    const QList<std::shared_ptr<Row>> rows = info ? info->seatList : QList<std::shared_ptr<Row>>();
    m_seatView->setGeometry(QRect(QPoint(), grid));
    m_seatScrollView->setContentSize(grid);
    m_indexView->setGeometry(QRect(QPoint(), names));
    m_indexScrollView->setContentSize(names);
    m_indexView->setSeatList(rows);
    m_seatView->setSeatList(rows);
    m_seatView->show();
    m_indexView->show();
}

void QMMovieSelectPewViewController::bookInfoProviderDidRunIntoError(
    QMBookInfoProvider *, const std::optional<QMError> &error)
{
    QMViewBusyBee::removeBusyBee(view());
    // Only the service's own refusal has words for the member.
    if (error && error->code() == -1)
        QMAlertView::show(QStringLiteral("出错了！"), error->domain(), QStringLiteral("OK"));
}

void QMMovieSelectPewViewController::didSelectSeatAtRowColumn(const QString &rowid,
                                                              const QString &column)
{
    m_selectSeats.append(rowid + QLatin1Char(':') + column);
    m_seatTexts.append(seatText(rowid, column));
    showSelection();
}

void QMMovieSelectPewViewController::didDeselectSeatAtRowColumn(const QString &rowid,
                                                                const QString &column)
{
    // Only the one seat released: another entry may read the same (two seats of one name).
    const qsizetype index = m_selectSeats.indexOf(rowid + QLatin1Char(':') + column);
    if (index >= 0) {
        m_selectSeats.removeAt(index);
        m_seatTexts.removeAt(index);
    }
    showSelection();
}

void QMMovieSelectPewViewController::scrollViewDidScroll(QMScrollView *scrollView)
{
    if (scrollView != m_seatScrollView || !m_indexScrollView)
        return;
    const QPoint offset = scrollView->contentOffset();
    m_indexScrollView->setContentOffset(QPoint(0, offset.y()));
    QMKitStyle::setBackgroundColor(m_indexScrollView, offset.x() > 0
                                                          ? QColor::fromRgbF(0.6f, 0.6f, 0.6f, 0.4f)
                                                          : QColor(Qt::white));
}

void QMMovieSelectPewViewController::confirmBuyTicket()
{
    QMNavigationController *stack = navigationController();
    if (!stack || m_selectSeats.isEmpty())
        return;
    auto confirm = std::make_unique<QMMovieConfirmPewViewController>();
    confirm->mpi = mpi;
    confirm->cinema = cinema;
    confirm->selectionText = selectionText();
    confirm->selectionCount = m_seatView->ticketCount();
    confirm->selectSeats = m_selectSeats;
    stack->push(std::move(confirm), true);
}

QString QMMovieSelectPewViewController::seatText(const QString &rowid, const QString &column)
{
    return QStringLiteral("%1排%2座     ").arg(rowid, column);
}

void QMMovieSelectPewViewController::addHeader(QWidget *view)
{
    new QMScreeningTitleView(*mpi, QRect(10, 4, 300, 22), view);
    const QFont bold = QMKitStyle::boldSystemFont(12);
    const QFont plain = QMKitStyle::systemFont(12);
    int x = 10;
    // Each text as wide as it is, one after the other; a long cinema name gives way.
    const auto add = [&](const QString &text, const QFont &font, const QColor &color,
                         int maximumWidth) {
        QMLabel *label = QMKitStyle::addLabel(view, QRect(x, 30, 0, 18), font, color, text);
        label->widenToFitText(maximumWidth);
        x += label->width() + 4;
    };
    add(cinema ? cinema->cinemaname : QString(), bold, Qt::black, 160);
    add(mpi->playtime, bold, Qt::black, 60);
    add(QStringLiteral(" 售价: "), plain, Qt::black, 40);
    add(QStringLiteral("%1元").arg(mpi->quelprice), plain, QMKitStyle::tintColor(), 60);
}

void QMMovieSelectPewViewController::showSelection()
{
    m_confirmButton->setEnabled(m_seatView->ticketCount() > 0);
    m_textView->setText(selectionText());
}
