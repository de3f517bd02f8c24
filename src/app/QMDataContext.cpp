#include "app/QMDataContext.h"

#include "cinemas/QMCinemaInfoProvider.h"
#include "cinemas/QMDistrictInfoProvider.h"
#include "cinemas/QMMovieOnFSCProvider.h"
#include "cinemas/QMMovieToFSCProvider.h"
#include "cinemas/QMNearbyCinemaProvider.h"
#include "cinemas/QMTDCinemaProvider.h"
#include "cinemas/QMTMCinemaProvider.h"
#include "cinemas/QMopcListProvider.h"
#include "comments/QMCommentAddProvider.h"
#include "comments/QMCommentInfoProvider.h"
#include "comments/QMCommentProvider.h"
#include "comments/QMReCommentAddProvider.h"
#include "comments/QMReCommentListProvider.h"
#include "films/QMMovieInfoProvider.h"
#include "films/QMOnPlayListProvider.h"
#include "films/QMToPlayListProvider.h"
#include "members/QMAgendaAddProvider.h"
#include "members/QMAtCommentProvider.h"
#include "members/QMCollectAddProvider.h"
#include "members/QMCollectDelProvider.h"
#include "members/QMCollectListProvider.h"
#include "members/QMLoginProvider.h"
#include "members/QMMemberInfoProvider.h"
#include "members/QMMyInterestCommentProvider.h"
#include "members/QMMyLiveListProvider.h"
#include "members/QMNearbyUserProvider.h"
#include "members/QMReceiveCommentProvider.h"
#include "members/QMRegisterInfoProvider.h"
#include "members/QMSaveMemberInfoProvider.h"
#include "members/QMSendCommentListProvider.h"
#include "members/QMSignPointProvider.h"
#include "members/QMSquareListProvider.h"
#include "members/QMUserCommentListProvider.h"
#include "services/QMLocationProvider.h"
#include "ticketing/QMBookInfoProvider.h"
#include "ticketing/QMTicketBookProvider.h"

namespace {
std::unique_ptr<QMDataContext> &gDataContext()
{
    static std::unique_ptr<QMDataContext> context;
    return context;
}
} // namespace

QMDataContext::QMDataContext()
    : m_onPlayListProvider(std::make_shared<QMOnPlayListProvider>())
    , m_tdCinemaProvider(std::make_shared<QMTDCinemaProvider>())
    , m_movieInfoProvider(std::make_shared<QMMovieInfoProvider>())
    , m_locationProvider(std::make_unique<QMLocationProvider>())
    , m_toPlayListProvider(std::make_shared<QMToPlayListProvider>())
    , m_nearbyCinemaProvider(std::make_shared<QMNearbyCinemaProvider>())
    , m_tmCinemaProvider(std::make_shared<QMTMCinemaProvider>())
    , m_cinemaInfoProvider(std::make_shared<QMCinemaInfoProvider>())
    , m_movieOnFSCProvider(std::make_shared<QMMovieOnFSCProvider>())
    , m_movieToFSCProvider(std::make_shared<QMMovieToFSCProvider>())
    , m_districtInfoProvider(std::make_shared<QMDistrictInfoProvider>())
    , m_commentProvider(std::make_shared<QMCommentProvider>())
    , m_bookInfoProvider(std::make_shared<QMBookInfoProvider>())
    , m_nearbyUserProvider(std::make_shared<QMNearbyUserProvider>())
    , m_loginProvider(std::make_shared<QMLoginProvider>())
    , m_registerInfoProvider(std::make_shared<QMRegisterInfoProvider>())
    , m_myLiveListProvider(std::make_shared<QMMyLiveListProvider>())
    , m_reCommentListProvider(std::make_shared<QMReCommentListProvider>())
    , m_userCommentListProvider(std::make_shared<QMUserCommentListProvider>())
    , m_myInterestCommentProvider(std::make_shared<QMMyInterestCommentProvider>())
    , m_reCommentAddProvider(std::make_shared<QMReCommentAddProvider>())
    , m_commentAddProvider(std::make_shared<QMCommentAddProvider>())
    , m_saveMemberInfoProvider(std::make_shared<QMSaveMemberInfoProvider>())
    , m_collectAddProvider(std::make_shared<QMCollectAddProvider>())
    , m_agendaAddProvider(std::make_shared<QMAgendaAddProvider>())
    , m_signPointProvider(std::make_shared<QMSignPointProvider>())
    , m_memberInfoProvider(std::make_shared<QMMemberInfoProvider>())
    , m_opcListProvider(std::make_shared<QMopcListProvider>())
    , m_squareListProvider(std::make_shared<QMSquareListProvider>())
    , m_ticketBookProvider(std::make_shared<QMTicketBookProvider>())
    , m_collectDelProvider(std::make_shared<QMCollectDelProvider>())
    , m_collectListProvider(std::make_shared<QMCollectListProvider>())
    , m_sendCommentListProvider(std::make_shared<QMSendCommentListProvider>())
    , m_receiveCommentProvider(std::make_shared<QMReceiveCommentProvider>())
    , m_atCommentProvider(std::make_shared<QMAtCommentProvider>())
    , m_commentInfoProvider(std::make_shared<QMCommentInfoProvider>())
{}

QMDataContext::~QMDataContext() = default;

QMDataContext *QMDataContext::CurrentDataContext()
{
    auto &context = gDataContext();
    if (!context)
        context.reset(new QMDataContext);
    return context.get();
}

void QMDataContext::CloseDataContext()
{
    gDataContext().reset();
}
