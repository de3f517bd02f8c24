#pragma once

#include <memory>

class QMAgendaAddProvider;
class QMAtCommentProvider;
class QMBookInfoProvider;
class QMCinemaInfoProvider;
class QMCollectAddProvider;
class QMCollectDelProvider;
class QMCollectListProvider;
class QMCommentAddProvider;
class QMCommentInfoProvider;
class QMCommentProvider;
class QMDistrictInfoProvider;
class QMLocationProvider;
class QMLoginProvider;
class QMMemberInfoProvider;
class QMMovieInfoProvider;
class QMMovieOnFSCProvider;
class QMMovieToFSCProvider;
class QMMyInterestCommentProvider;
class QMMyLiveListProvider;
class QMNearbyCinemaProvider;
class QMNearbyUserProvider;
class QMOnPlayListProvider;
class QMReCommentAddProvider;
class QMReCommentListProvider;
class QMReceiveCommentProvider;
class QMRegisterInfoProvider;
class QMSaveMemberInfoProvider;
class QMSendCommentListProvider;
class QMSignPointProvider;
class QMSquareListProvider;
class QMTDCinemaProvider;
class QMTMCinemaProvider;
class QMTicketBookProvider;
class QMToPlayListProvider;
class QMUserCommentListProvider;
class QMopcListProvider;

// The process-wide registry: exactly one provider of each kind, created together, in a fixed
// order, and shared by every screen. A screen sets the provider's delegate and parameters each
// time before it sends a request: the last one to set them wins.
class QMDataContext
{
public:
    static QMDataContext *CurrentDataContext();
    // Releases the registry and its providers; the next CurrentDataContext() makes new ones.
    static void CloseDataContext();

    ~QMDataContext();
    QMDataContext(const QMDataContext &) = delete;
    QMDataContext &operator=(const QMDataContext &) = delete;

    QMOnPlayListProvider *onPlayListProvider() const { return m_onPlayListProvider.get(); }
    QMTDCinemaProvider *tdCinemaProvider() const { return m_tdCinemaProvider.get(); }
    QMMovieInfoProvider *movieInfoProvider() const { return m_movieInfoProvider.get(); }
    QMLocationProvider *locationProvider() const { return m_locationProvider.get(); }
    QMToPlayListProvider *toPlayListProvider() const { return m_toPlayListProvider.get(); }
    QMNearbyCinemaProvider *nearbyCinemaProvider() const { return m_nearbyCinemaProvider.get(); }
    QMTMCinemaProvider *tmCinemaProvider() const { return m_tmCinemaProvider.get(); }
    QMCinemaInfoProvider *cinemaInfoProvider() const { return m_cinemaInfoProvider.get(); }
    QMMovieOnFSCProvider *movieOnFSCProvider() const { return m_movieOnFSCProvider.get(); }
    QMMovieToFSCProvider *movieToFSCProvider() const { return m_movieToFSCProvider.get(); }
    QMDistrictInfoProvider *districtInfoProvider() const { return m_districtInfoProvider.get(); }
    QMCommentProvider *commentProvider() const { return m_commentProvider.get(); }
    QMBookInfoProvider *bookInfoProvider() const { return m_bookInfoProvider.get(); }
    QMNearbyUserProvider *nearbyUserProvider() const { return m_nearbyUserProvider.get(); }
    QMLoginProvider *loginProvider() const { return m_loginProvider.get(); }
    QMRegisterInfoProvider *registerInfoProvider() const { return m_registerInfoProvider.get(); }
    QMMyLiveListProvider *myLiveListProvider() const { return m_myLiveListProvider.get(); }
    QMReCommentListProvider *reCommentListProvider() const { return m_reCommentListProvider.get(); }
    QMUserCommentListProvider *userCommentListProvider() const
    {
        return m_userCommentListProvider.get();
    }
    QMMyInterestCommentProvider *myInterestCommentProvider() const
    {
        return m_myInterestCommentProvider.get();
    }
    QMReCommentAddProvider *reCommentAddProvider() const { return m_reCommentAddProvider.get(); }
    QMCommentAddProvider *commentAddProvider() const { return m_commentAddProvider.get(); }
    QMSaveMemberInfoProvider *saveMemberInfoProvider() const
    {
        return m_saveMemberInfoProvider.get();
    }
    QMCollectAddProvider *collectAddProvider() const { return m_collectAddProvider.get(); }
    QMAgendaAddProvider *agendaAddProvider() const { return m_agendaAddProvider.get(); }
    QMSignPointProvider *signPointProvider() const { return m_signPointProvider.get(); }
    QMMemberInfoProvider *memberInfoProvider() const { return m_memberInfoProvider.get(); }
    QMopcListProvider *opcListProvider() const { return m_opcListProvider.get(); }
    QMSquareListProvider *squareListProvider() const { return m_squareListProvider.get(); }
    QMTicketBookProvider *ticketBookProvider() const { return m_ticketBookProvider.get(); }
    QMCollectDelProvider *collectDelProvider() const { return m_collectDelProvider.get(); }
    QMCollectListProvider *collectListProvider() const { return m_collectListProvider.get(); }
    QMSendCommentListProvider *sendCommentListProvider() const
    {
        return m_sendCommentListProvider.get();
    }
    QMReceiveCommentProvider *receiveCommentProvider() const
    {
        return m_receiveCommentProvider.get();
    }
    QMAtCommentProvider *atCommentProvider() const { return m_atCommentProvider.get(); }
    QMCommentInfoProvider *commentInfoProvider() const { return m_commentInfoProvider.get(); }

private:
    QMDataContext();

    // Declared, and so created, in the registry's order. Service providers are shared: the
    // transport holds one while its request is in flight.
    std::shared_ptr<QMOnPlayListProvider> m_onPlayListProvider;
    std::shared_ptr<QMTDCinemaProvider> m_tdCinemaProvider;
    std::shared_ptr<QMMovieInfoProvider> m_movieInfoProvider;
    std::unique_ptr<QMLocationProvider> m_locationProvider;
    std::shared_ptr<QMToPlayListProvider> m_toPlayListProvider;
    std::shared_ptr<QMNearbyCinemaProvider> m_nearbyCinemaProvider;
    std::shared_ptr<QMTMCinemaProvider> m_tmCinemaProvider;
    std::shared_ptr<QMCinemaInfoProvider> m_cinemaInfoProvider;
    std::shared_ptr<QMMovieOnFSCProvider> m_movieOnFSCProvider;
    std::shared_ptr<QMMovieToFSCProvider> m_movieToFSCProvider;
    std::shared_ptr<QMDistrictInfoProvider> m_districtInfoProvider;
    std::shared_ptr<QMCommentProvider> m_commentProvider;
    std::shared_ptr<QMBookInfoProvider> m_bookInfoProvider;
    std::shared_ptr<QMNearbyUserProvider> m_nearbyUserProvider;
    std::shared_ptr<QMLoginProvider> m_loginProvider;
    std::shared_ptr<QMRegisterInfoProvider> m_registerInfoProvider;
    std::shared_ptr<QMMyLiveListProvider> m_myLiveListProvider;
    std::shared_ptr<QMReCommentListProvider> m_reCommentListProvider;
    std::shared_ptr<QMUserCommentListProvider> m_userCommentListProvider;
    std::shared_ptr<QMMyInterestCommentProvider> m_myInterestCommentProvider;
    std::shared_ptr<QMReCommentAddProvider> m_reCommentAddProvider;
    std::shared_ptr<QMCommentAddProvider> m_commentAddProvider;
    std::shared_ptr<QMSaveMemberInfoProvider> m_saveMemberInfoProvider;
    std::shared_ptr<QMCollectAddProvider> m_collectAddProvider;
    std::shared_ptr<QMAgendaAddProvider> m_agendaAddProvider;
    std::shared_ptr<QMSignPointProvider> m_signPointProvider;
    std::shared_ptr<QMMemberInfoProvider> m_memberInfoProvider;
    std::shared_ptr<QMopcListProvider> m_opcListProvider;
    std::shared_ptr<QMSquareListProvider> m_squareListProvider;
    std::shared_ptr<QMTicketBookProvider> m_ticketBookProvider;
    std::shared_ptr<QMCollectDelProvider> m_collectDelProvider;
    std::shared_ptr<QMCollectListProvider> m_collectListProvider;
    std::shared_ptr<QMSendCommentListProvider> m_sendCommentListProvider;
    std::shared_ptr<QMReceiveCommentProvider> m_receiveCommentProvider;
    std::shared_ptr<QMAtCommentProvider> m_atCommentProvider;
    std::shared_ptr<QMCommentInfoProvider> m_commentInfoProvider;
};
