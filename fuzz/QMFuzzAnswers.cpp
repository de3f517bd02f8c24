#include "QMFuzzAnswers.h"

#include "QMTestRecorders.h"

#include "cinemas/QMDistrictDictionary.h"
#include "cinemas/QMMovieOnFSCProvider.h"
#include "cinemas/QMMovieToFSCProvider.h"
#include "cinemas/QMNearbyCinemaProvider.h"
#include "cinemas/QMTDCinemaProvider.h"
#include "cinemas/QMTMCinemaProvider.h"
#include "kit/QMLabel.h"
#include "net/QMDataProvider.h"
#include "services/QMDateFormater.h"
#include "services/QMDocumentsDirectory.h"
#include "ticketing/QMSeatsView.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QTemporaryDir>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {
using Family = QMFuzzAnswers::Family;

[[noreturn]] void contractBroken(int kind, const char *what)
{
    std::fprintf(stderr, "answer of kind %d: %s\n", kind, what);
    std::abort();
}

template<class Record> void requireItems(int kind, const QList<std::shared_ptr<Record>> &items)
{
    for (const auto &item : items) {
        if (!item)
            contractBroken(kind, "a list holds an empty item");
    }
}

// A text of the answer as the screens' labels lay it out: wrapped in a cell's few lines and in
// a page's whole height, and on one line, elided.
void layOut(const QString &text, QMLabel::LineBreaks breaks = QMLabel::LineBreaks::Words)
{
    static const QFont font = QApplication::font();
    QMLabel::layout(text, font, 240, 60, true, breaks);
    QMLabel::layout(text, font, 280, 480, true, breaks);
    QMLabel::layout(text, font, 200, -1, false, breaks);
}

// What the screens do first with each record: nothing of it may trip on an answer's values.
void use(int kind, const MovieList &list)
{
    requireItems(kind, list.movieListArray);
    for (const auto &film : list.movieListArray) {
        layOut(film->moviename);
        layOut(film->actors, QMLabel::LineBreaks::Names);
    }
}

void use(int, const movie &film)
{
    layOut(film.content);
    layOut(film.director, QMLabel::LineBreaks::Names);
    layOut(film.actors, QMLabel::LineBreaks::Names);
}

void use(int kind, const CinemaList &list)
{
    requireItems(kind, list.cinemaArray);
    const QMLocationProvider::Coordinate here{31.2304, 121.4737};
    for (const auto &cinema : CinemaList::sellersFirst(list.cinemaArray)) {
        SimpleCinema::distanceText(cinema->shownDistance(here));
        layOut(cinema->address);
    }
}

void use(int, const Cinema &cinema)
{
    layOut(cinema.address);
    layOut(cinema.transport);
}

void use(int kind, const OpCinemaList &list)
{
    requireItems(kind, list.cinemaArray);
}

void use(int kind, const MpiList &list)
{
    requireItems(kind, list.mpiArray);
    for (const auto &screening : list.mpiArray) {
        layOut(screening->versionText());
        layOut(movie(*screening).moviename);
    }
}

void use(int kind, const CountyList &list)
{
    requireItems(kind, list.countyArray);
    QMDistrictDictionary districts;
    districts.setCounties(list.countyArray);
}

void use(int kind, const AgendaList &list)
{
    requireItems(kind, list.agendaArray);
    for (const auto &agenda : list.agendaArray) {
        QMDateFormater(agenda->time).dateStringWithFormat(3);
        layOut(agenda->body);
    }
}

void use(int kind, const CollectList &list)
{
    requireItems(kind, list.collectArray);
    for (const auto &follow : list.collectArray)
        layOut(MemberInfo(*follow).nickname);
}

void use(int kind, const MemberList &list)
{
    requireItems(kind, list.memberArray);
    for (const auto &member : list.memberArray)
        layOut(MemberInfo(*member).nickname);
}

void use(int, const MemberInfo &member)
{
    layOut(member.nickname);
    layOut(member.body);
}

void use(int, const Comment &comment)
{
    const QMDateFormater date(comment.addtime);
    date.dateInterval();
    date.dateStringWithFormat(0);
    layOut(MemberInfo(comment).nickname);
    layOut(comment.body);
    layOut(comment.transferbody);
    layOut(comment.commentbody);
}

void use(int kind, const CommentList &list)
{
    requireItems(kind, list.commentArray);
    for (const auto &comment : list.commentArray)
        use(kind, *comment);
}

void useDelivered(int kind, const BookInfo *info)
{
    // An answer that cannot be read as a map gives the screen nothing: an empty map.
    const QList<std::shared_ptr<Row>> rows = info ? info->seatList : QList<std::shared_ptr<Row>>();
    requireItems(kind, rows);
    // The seat screen's view: every seat is found again where it stands, a few are touched, and
    // the first screenful is drawn.
    static QMSeatsView *view = new QMSeatsView(QRect(0, 0, 320, 400));
    view->setSeatList(rows);
    QList<QPoint> touches;
    for (const QMSeatButton &seat : view->seatButtonArray()) {
        if (view->seatAt(seat.frame().center()) != &seat)
            contractBroken(kind, "a seat is not where it is drawn");
        if (seat.isSelectable() && touches.size() < QMSeatsView::maximumTickets)
            touches.append(seat.frame().center());
    }
    for (const QPoint &point : touches)
        QTest::mouseClick(view, Qt::LeftButton, {}, point);
    const int chosen = int(touches.size());
    if (view->ticketCount() != chosen)
        contractBroken(kind, "the chosen seats are miscounted");
    QImage canvas(320, 400, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&canvas);
    view->paintSeats(painter, canvas.rect());
}

void use(int, const Order &order)
{
    QMTicketBookProvider::paymentAddress(order, QStringLiteral("fuzz@example.com"),
                                         QStringLiteral("p&ss word"));
}

template<class Record> void use(int, const Record &) {}

// Only the seat map reports an answer it cannot read as a success, with nothing.
template<class Record> void useDelivered(int kind, const Record *record)
{
    if (!record)
        contractBroken(kind, "a success without a record");
    use(kind, *record);
}

// One kind: its provider, with a recorder as delegate.
class Channel
{
public:
    Channel(int kind, Family family, const char *root)
        : kind(kind)
        , family(family)
        , root(root)
    {}
    virtual ~Channel() = default;
    virtual void deliver(const QByteArray &body) = 0;
    virtual QByteArray rewrite(const QByteArray &text) const = 0;
    virtual QString recordClassName() const = 0;

    const int kind;
    const Family family;
    const char *const root;

protected:
    // What the transport hands over: the request as sent, whose query the sign-in remembers.
    QNetworkRequest request() const
    {
        return QNetworkRequest(QUrl(QMDataProvider::urlForRequest(kind) +
                                    QStringLiteral("username=fuzz%40example.com&password=pw")));
    }
};

template<class Provider, class Recorder> class ProviderChannel final : public Channel
{
public:
    using Record = typename decltype(Recorder::record)::element_type;

    template<class Field>
    ProviderChannel(int kind, Family family, const char *root, Field field)
        : Channel(kind, family, root)
        , m_provider(std::make_shared<Provider>())
    {
        m_provider.get()->*field = &m_recorder;
    }

    void deliver(const QByteArray &body) override
    {
        const int calls = m_recorder.calls;
        const int successes = m_recorder.successes;
        m_provider->requestSucceededWithData(request(), body);
        if (m_recorder.calls != calls + 1)
            contractBroken(kind, "the delegate was not called exactly once");
        if (m_recorder.successes != successes) {
            useDelivered(kind, m_recorder.record.get());
        }
        m_recorder.record.reset();
    }
    QByteArray rewrite(const QByteArray &text) const override { return m_provider->trimXML(text); }
    QString recordClassName() const override
    {
        return QString::fromStdString(Record::staticRecordClass().name());
    }

private:
    std::shared_ptr<Provider> m_provider;
    Recorder m_recorder;
};

template<class Provider, class Recorder, class Field>
std::unique_ptr<Channel> channel(int kind, Family family, Field field, const char *root = "data")
{
    return std::make_unique<ProviderChannel<Provider, Recorder>>(kind, family, root, field);
}

using Channels = std::array<std::unique_ptr<Channel>, 35>;

Channels makeChannels()
{
    const char *date = "date"; // comment lists are rooted there
    Channels c;
    c[0] = channel<QMTDCinemaProvider, CinemaListRecorder>(0, Family::Lists,
                                                           &QMTDCinemaProvider::cinemaDelegate);
    c[1] = channel<QMNearbyCinemaProvider, CinemaListRecorder>(
        1, Family::Lists, &QMNearbyCinemaProvider::cinemaDelegate);
    c[2] = channel<QMTMCinemaProvider, CinemaListRecorder>(2, Family::Lists,
                                                           &QMTMCinemaProvider::cinemaDelegate);
    c[3] = channel<QMCinemaInfoProvider, CinemaRecorder>(3, Family::Lists,
                                                         &QMCinemaInfoProvider::cinemaInfoDelegate);
    c[4] = channel<QMMovieOnFSCProvider, ScreeningRecorder>(4, Family::Lists,
                                                            &QMMovieOnFSCProvider::fscDelegate);
    c[5] = channel<QMMovieToFSCProvider, ScreeningRecorder>(5, Family::Lists,
                                                            &QMMovieToFSCProvider::fscDelegate);
    c[6] = channel<QMMovieInfoProvider, FilmRecorder>(6, Family::Lists,
                                                      &QMMovieInfoProvider::movieInfoDelegate);
    c[7] = channel<QMOnPlayListProvider, NowShowingRecorder>(
        7, Family::Lists, &QMOnPlayListProvider::playListDelegate);
    c[8] = channel<QMToPlayListProvider, ComingSoonRecorder>(
        8, Family::Lists, &QMToPlayListProvider::playListDelegate);
    c[9] = channel<QMDistrictInfoProvider, DistrictRecorder>(
        9, Family::Lists, &QMDistrictInfoProvider::districtDelegate);
    c[10] = channel<QMBookInfoProvider, SeatMapRecorder>(10, Family::Judged,
                                                         &QMBookInfoProvider::bookInfoDelegate);
    c[11] = channel<QMTicketBookProvider, OrderRecorder>(11, Family::Judged,
                                                         &QMTicketBookProvider::orderDelegate);
    c[12] = channel<QMCommentProvider, CommentsRecorder>(12, Family::Comments,
                                                         &QMCommentProvider::commentDelegate, date);
    c[13] = channel<QMLoginProvider, LoginRecorder>(13, Family::Judged,
                                                    &QMLoginProvider::loginDelegate);
    c[14] = channel<QMRegisterInfoProvider, RegisterRecorder>(
        14, Family::Judged, &QMRegisterInfoProvider::registerDelegate);
    c[15] = channel<QMNearbyUserProvider, NearbyRecorder>(15, Family::Lists,
                                                          &QMNearbyUserProvider::userDelegate);
    c[16] = channel<QMMyLiveListProvider, PlansRecorder>(16, Family::Lists,
                                                         &QMMyLiveListProvider::myLiveDelegate);
    c[17] = channel<QMReCommentListProvider, RepliesRecorder>(
        17, Family::Comments, &QMReCommentListProvider::reCommentListDelegate, date);
    c[18] = channel<QMUserCommentListProvider, UserCommentsRecorder>(
        18, Family::Comments, &QMUserCommentListProvider::userCommentListDelegate, date);
    c[19] = channel<QMMyInterestCommentProvider, InterestRecorder>(
        19, Family::Comments, &QMMyInterestCommentProvider::myInterestCommentDelegate, date);
    c[20] = channel<QMReCommentAddProvider, ReplyAddRecorder>(
        20, Family::Writes, &QMReCommentAddProvider::reCommentAddDelegate);
    c[21] = channel<QMCommentAddProvider, CommentAddRecorder>(
        21, Family::Writes, &QMCommentAddProvider::commentAddDelegate);
    c[22] = channel<QMSaveMemberInfoProvider, SaveRecorder>(
        22, Family::Writes, &QMSaveMemberInfoProvider::saveMemberInfoDelegate);
    c[23] = channel<QMCollectAddProvider, FollowRecorder>(
        23, Family::Writes, &QMCollectAddProvider::collectAddDelegate);
    c[24] = channel<QMAgendaAddProvider, AgendaAddRecorder>(
        24, Family::Writes, &QMAgendaAddProvider::agendaAddDelegate);
    c[25] = channel<QMSignPointProvider, CheckInRecorder>(25, Family::Writes,
                                                          &QMSignPointProvider::singPointDelegate);
    c[26] = channel<QMMemberInfoProvider, MemberInfoRecorder>(
        26, Family::Lists, &QMMemberInfoProvider::memberInfoProvieDelegate);
    c[27] = channel<QMopcListProvider, OpcRecorder>(27, Family::Lists,
                                                    &QMopcListProvider::opcListDelegate);
    c[28] = channel<QMSquareListProvider, SquareRecorder>(
        28, Family::Comments, &QMSquareListProvider::squareListDelegate, date);
    c[29] = channel<QMCollectDelProvider, UnfollowRecorder>(
        29, Family::Writes, &QMCollectDelProvider::collectDelDelegate);
    c[30] = channel<QMCollectListProvider, FollowsRecorder>(
        30, Family::Lists, &QMCollectListProvider::collectListDelegate);
    c[31] = channel<QMReceiveCommentProvider, ReceivedRecorder>(
        31, Family::Comments, &QMReceiveCommentProvider::receiveCommentDelegate, date);
    c[32] = channel<QMSendCommentListProvider, SentRecorder>(
        32, Family::Comments, &QMSendCommentListProvider::sendCommentListDelegate, date);
    c[33] = channel<QMAtCommentProvider, MentionRecorder>(
        33, Family::Comments, &QMAtCommentProvider::atCommentDelegate, date);
    c[34] = channel<QMCommentInfoProvider, CommentRecorder>(
        34, Family::Comments, &QMCommentInfoProvider::commentInfoDelegate);
    return c;
}

Channels &channels()
{
    static Channels all = makeChannels();
    return all;
}

Channel &channelOf(int kind)
{
    Channel *c =
        kind >= 0 && kind < int(channels().size()) ? channels()[size_t(kind)].get() : nullptr;
    if (!c)
        contractBroken(kind, "no such kind");
    return *c;
}
} // namespace

void QMFuzzAnswers::initialize()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "qm-fuzz";
    static char *argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: the process ends with it (objects made on first use may outlive main).
    new QApplication(argc, argv);
    // The sign-in writes what it remembers there.
    static QTemporaryDir documents;
    QMDocumentsDirectory::setPathForTesting(documents.path());
    channels();
}

QList<int> QMFuzzAnswers::kinds(Family family)
{
    QList<int> found;
    for (const auto &c : channels()) {
        if (c->family == family)
            found.append(c->kind);
    }
    return found;
}

QMFuzzAnswers::Family QMFuzzAnswers::familyOf(int kind)
{
    return channelOf(kind).family;
}

QString QMFuzzAnswers::familyName(Family family)
{
    switch (family) {
    case Family::Lists:
        return QStringLiteral("lists");
    case Family::Judged:
        return QStringLiteral("judged");
    case Family::Writes:
        return QStringLiteral("writes");
    case Family::Comments:
        return QStringLiteral("comments");
    }
    return {};
}

QString QMFuzzAnswers::recordClassName(int kind)
{
    return channelOf(kind).recordClassName();
}

QString QMFuzzAnswers::rootElement(int kind)
{
    return QString::fromLatin1(channelOf(kind).root);
}

QByteArray QMFuzzAnswers::rewritten(int kind, const QByteArray &answer)
{
    return channelOf(kind).rewrite(answer);
}

void QMFuzzAnswers::deliver(int kind, const QByteArray &body)
{
    channelOf(kind).deliver(body);
}

void QMFuzzAnswers::deliverInput(Family family, const uint8_t *data, size_t size)
{
    if (size == 0)
        return;
    static const std::array<QList<int>, 4> byFamily = {kinds(Family::Lists), kinds(Family::Judged),
                                                       kinds(Family::Writes),
                                                       kinds(Family::Comments)};
    const QList<int> &family_kinds = byFamily[size_t(family)];
    const int chosen = data[0];
    const int kind =
        family_kinds.contains(chosen) ? chosen : family_kinds.at(chosen % family_kinds.size());
    deliver(kind, QByteArray(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)));
}

QByteArray QMFuzzAnswers::input(int kind, const QByteArray &body)
{
    return char(kind) + body;
}
