#include "net/QMDataProvider.h"

#include "net/QMConnectionRequestor.h"
#include "services/QMDocumentsDirectory.h"

#include "QMBuildConfig.h"

#include <array>

namespace {
std::unique_ptr<QMDataProvider> &gDataProvider()
{
    static std::unique_ptr<QMDataProvider> provider;
    return provider;
}

QString &baseAddressOverride()
{
    static QString address;
    return address;
}

constexpr std::array<const char *, 35> kPaths = {
    "cinema/cinemaList.xhtml?",          // 0
    "cinema/nearCinemaList.xhtml?",      // 1
    "movie/playCinemaList.xhtml?",       // 2
    "cinema/cinema.xhtml?",              // 3
    "cinema/cinemaPlayMovieList.xhtml?", // 4
    "movie/playMovieList.xhtml?",        // 5
    "movie/movie.xhtml?",                // 6
    "movie/playNowMovieList.xhtml?",     // 7
    "movie/futureMovieList.xhtml?",      // 8
    "common/county.xhtml?",              // 9
    "order/opiSeatInfo.xhtml?",          // 10
    "order/addTicketOrder.xhtml?",       // 11
    "MyQuel/commentList.xhtml?",         // 12
    "MyQuel/login.xhtml?",               // 13
    "MyQuel/savereg.xhtml?",             // 14
    "MyQuel/nearUserList.xhtml?",        // 15
    "MyQuel/memberAgenda.xhtml?",        // 16
    "MyQuel/reCommentList.xhtml?",       // 17
    "MyQuel/userCommentList.xhtml?",     // 18
    "MyQuel/myInterestComment.xhtml?",   // 19
    "MyQuel/reCommentAdd.xhtml?",        // 20
    "MyQuel/commentAdd.xhtml?",          // 21
    "MyQuel/saveMemberInfo.xhtml?",      // 22
    "MyQuel/collectAdd.xhtml?",          // 23
    "MyQuel/addAgenda.xhtml?",           // 24
    "MyQuel/signPoint.xhtml?",           // 25
    "MyQuel/memberInfo.xhtml?",          // 26
    "outorder/opcList.xhtml?",           // 27
    "MyQuel/squareList.xhtml?",          // 28
    "MyQuel/collectDel.xhtml?",          // 29
    "MyQuel/collectList.xhtml?",         // 30
    "MyQuel/receiveComment.xhtml?",      // 31
    "MyQuel/sendComment.xhtml?",         // 32
    "MyQuel/mentionMe.xhtml?",           // 33
    "MyQuel/comment.xhtml?",             // 34
};
} // namespace

QMDataProvider::QMDataProvider()
    : _connectionRequestor(std::make_unique<QMConnectionRequestor>())
{}

QMDataProvider::~QMDataProvider() = default;

QMDataProvider *QMDataProvider::DataProvider()
{
    auto &provider = gDataProvider();
    if (!provider)
        provider.reset(new QMDataProvider);
    return provider.get();
}

void QMDataProvider::CloseDataProvider()
{
    gDataProvider().reset();
}

QString QMDataProvider::baseAddress()
{
    const QString &override = baseAddressOverride();
    return override.isEmpty() ? QStringLiteral(QM_SERVICE_BASE_URL) : override;
}

void QMDataProvider::setBaseAddressForTesting(const QString &address)
{
    baseAddressOverride() = address;
}

QString QMDataProvider::urlForRequest(QMRequestKind kind)
{
    // Compared unsigned, so negative kinds are outside too.
    if (unsigned(kind) >= kPaths.size())
        return {};
    return baseAddress() + QLatin1StringView(kPaths[size_t(kind)]);
}

QString QMDataProvider::regionCode()
{
    return QStringLiteral("310000");
}

QString QMDataProvider::imageServer()
{
    return QLatin1StringView("");
}

QString QMDataProvider::fileForCache(unsigned kind)
{
    switch (kind) {
    case 0:
        return QMDocumentsDirectory::filePath(QStringLiteral("UserInfo"));
    case 1:
        return QMDocumentsDirectory::filePath(QStringLiteral("LogInfo"));
    default:
        return {};
    }
}

quint64
QMDataProvider::issueRequestWithDelegate(const QNetworkRequest &request,
                                         std::shared_ptr<QMConnectionRequestorDelegate> delegate)
{
    return _connectionRequestor->sendRequest(request, std::move(delegate));
}

void QMDataProvider::cancelRequest(quint64 requestId)
{
    _connectionRequestor->cancelRequest(requestId);
}
