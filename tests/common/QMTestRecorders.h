#pragma once

// A recorder for the delegate of every service provider: waits for and keeps what it was told.

#include "cinemas/Cinema.h"
#include "cinemas/CinemaList.h"
#include "cinemas/CountyList.h"
#include "cinemas/MpiList.h"
#include "cinemas/OpCinemaList.h"
#include "cinemas/QMCinemaInfoProvider.h"
#include "cinemas/QMCinemaProvider.h"
#include "cinemas/QMDistrictInfoProvider.h"
#include "cinemas/QMMovieFSCProvider.h"
#include "cinemas/QMopcListProvider.h"
#include "comments/Comment.h"
#include "comments/CommentList.h"
#include "comments/InsertData.h"
#include "comments/QMCommentAddProvider.h"
#include "comments/QMCommentInfoProvider.h"
#include "comments/QMCommentProvider.h"
#include "comments/QMReCommentAddProvider.h"
#include "comments/QMReCommentListProvider.h"
#include "films/MovieList.h"
#include "films/QMMovieInfoProvider.h"
#include "films/QMOnPlayListProvider.h"
#include "films/QMToPlayListProvider.h"
#include "films/movie.h"
#include "members/AgendaList.h"
#include "members/CollectList.h"
#include "members/MemberCache.h"
#include "members/MemberInfo.h"
#include "members/MemberList.h"
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
#include "ticketing/BookInfo.h"
#include "ticketing/Order.h"
#include "ticketing/QMBookInfoProvider.h"
#include "ticketing/QMTicketBookProvider.h"

#include "QMTestRecorder.h"

QM_TEST_RECORDER(AgendaAddRecorder, QMAgendaAddProviderDelegate, QMAgendaAddProvider, InsertData,
                 agendaAddProviderDidReceiveInsertData, agendaAddProviderDidRunIntoError);
QM_TEST_RECORDER(CheckInRecorder, QMSingPointProviderDelegate, QMSignPointProvider, InsertData,
                 singPointProviderDidReceiveInsertData, singPointProviderDidRunIntoError);
QM_TEST_RECORDER(CinemaListRecorder, QMCinemaProviderDelegate, QMCinemaProvider, CinemaList,
                 cinemaProviderDidReceivedCinemaList, cinemaProviderDidRunIntoError);
QM_TEST_RECORDER(CinemaRecorder, QMCinemaInfoProviderDelegate, QMCinemaInfoProvider, Cinema,
                 cinemaInfoProviderDidReceiveCinemaInfo, cinemaInfoProviderDidRunIntoError);
QM_TEST_RECORDER(ComingSoonRecorder, QMToPlayListProviderDelegate, QMToPlayListProvider, MovieList,
                 listProviderDidReceivedMovieList, listProviderDidRunIntoError);
QM_TEST_RECORDER(CommentAddRecorder, QMCommentAddProviderDelegate, QMCommentAddProvider, InsertData,
                 commentAddProviderDidReceiveInsertData, commentAddProviderDidRunIntoError);
QM_TEST_RECORDER(CommentRecorder, QMCommentInfoProviderDelegate, QMCommentInfoProvider, Comment,
                 commentInfoProviderDidReceivedComment, commentInfoProviderDidRunIntoError);
QM_TEST_RECORDER(CommentsRecorder, QMCommentProviderDelegate, QMCommentProvider, CommentList,
                 commentProviderDidReceivedCommentList, commentProviderDidRunIntoError);
QM_TEST_RECORDER(DistrictRecorder, QMDistrictInfoProviderDelegate, QMDistrictInfoProvider,
                 CountyList, districtInfoProviderDidRecievedDistrictInfo,
                 districtInfoProviderDidRunIntoError);
QM_TEST_RECORDER(FilmRecorder, QMMovieInfoProviderDelegate, QMMovieInfoProvider, movie,
                 movieInfoProviderDidReceivedMovieInfo, movieInfoProviderDidRunInfoError);
QM_TEST_RECORDER(FollowRecorder, QMCollectAddProviderDelegate, QMCollectAddProvider, InsertData,
                 collectAddProviderDidReceiveInsertData, collectAddProviderDidRunIntoError);
QM_TEST_RECORDER(FollowsRecorder, QMCollectListProviderDelegate, QMCollectListProvider, CollectList,
                 collectListProviderDidReceiveCollectList, collectListProviderDidRunIntoError);
QM_TEST_RECORDER(InterestRecorder, QMMyInterestCommentProviderDelegate, QMMyInterestCommentProvider,
                 CommentList, myInterestCommentProviderDidReceiveMyInterestComment,
                 myInterestCommentProviderDidRunIntoError);
QM_TEST_RECORDER(LoginRecorder, QMLoginProviderDelegate, QMLoginProvider, MemberCache,
                 loginProviderDidReceiveUserInfo, loginProviderDidRunIntoError);
QM_TEST_RECORDER(MemberInfoRecorder, QMMemberInfoProviderDelegate, QMMemberInfoProvider, MemberInfo,
                 memberInfoProviderDidReceiveMemberInfo, memberInfoProviderDidRunIntoError);
QM_TEST_RECORDER(MentionRecorder, QMAtCommentProviderDelegate, QMAtCommentProvider, CommentList,
                 atCommentProviderDidReceiveAtCommentList, atCommentProviderDidRunIntoError);
QM_TEST_RECORDER(NearbyRecorder, QMNearbyUserProviderDelegate, QMNearbyUserProvider, MemberList,
                 nearbyUserProviderDidReceiveMemberList, nearbyUserProviderDidRunIntoError);
QM_TEST_RECORDER(NowShowingRecorder, QMOnPlayListProviderDelegate, QMOnPlayListProvider, MovieList,
                 onPlayListProviderDidReceivedMovieList, onPlayListProviderDidRunIntoError);
QM_TEST_RECORDER(OpcRecorder, QMopcListProviderDelegate, QMopcListProvider, OpCinemaList,
                 opcListProviderDidReceiveCinemaList, opcListProviderDidRunIntoError);
QM_TEST_RECORDER(OrderRecorder, QMTicketBookProviderDelegate, QMTicketBookProvider, Order,
                 ticketBookProviderDidReceivedOrder, ticketBookProviderDidRunIntoError);
QM_TEST_RECORDER(PlansRecorder, QMMyLiveProviderDelegate, QMMyLiveListProvider, AgendaList,
                 myLiveProviderDidReceiveAgendaList, myLiveProviderDidRunIntoError);
QM_TEST_RECORDER(ReceivedRecorder, QMReceiveCommentProviderDelegate, QMReceiveCommentProvider,
                 CommentList, receiveCommentProviderDidReceiveCommentList,
                 receiveCommentProviderDidRunIntoError);
QM_TEST_RECORDER(RegisterRecorder, QMRegisterInfoProviderDelegate, QMRegisterInfoProvider,
                 MemberCache, registerProviderDidReceivedMemberInfo,
                 registerProviderDidRunIntoError);
QM_TEST_RECORDER(RepliesRecorder, QMReCommentListProviderDelegate, QMReCommentListProvider,
                 CommentList, reCommentListProviderDidReceiveCommentList,
                 reCommentListProviderDidRunIntoError);
QM_TEST_RECORDER(ReplyAddRecorder, QMReCommentAddProviderDelegate, QMReCommentAddProvider,
                 InsertData, reCommentAddProviderDidReceiveInsertData,
                 reCommentAddProviderDidRunIntoError);
QM_TEST_RECORDER(SaveRecorder, QMSaveMemberInfoProviderDelegate, QMSaveMemberInfoProvider,
                 InsertData, saveMemberInfoProviderDidReceiveInsertData,
                 saveMemberInfoProviderDidRunIntoError);
QM_TEST_RECORDER(ScreeningRecorder, QMMovieFSCProviderDelegate, QMMovieFSCProvider, MpiList,
                 fscProviderDidReceivedMovieList, fscProviderDidRunIntoError);
QM_TEST_RECORDER(SeatMapRecorder, QMBookInfoProviderDelegate, QMBookInfoProvider, BookInfo,
                 bookInfoProviderDidReceivedSeatInfo, bookInfoProviderDidRunIntoError);
QM_TEST_RECORDER(SentRecorder, QMSendCommentListProviderDelegate, QMSendCommentListProvider,
                 CommentList, sendCommentListProviderDidReceiveCommentList,
                 sendCommentListProviderDidRunIntoError);
QM_TEST_RECORDER(SquareRecorder, QMSquareListProviderDelegate, QMSquareListProvider, CommentList,
                 squareListProviderDidReceiveSquareList, squareListProviderDidRunIntoError);
QM_TEST_RECORDER(UnfollowRecorder, QMCollectDelProviderDelegate, QMCollectDelProvider, InsertData,
                 collectDelProviderDidReceiveInsertData, collectDelProviderDidRunIntoError);
QM_TEST_RECORDER(UserCommentsRecorder, QMUserCommentListProviderDelegate, QMUserCommentListProvider,
                 CommentList, userCommentListProviderDidReceiveUserCommentList,
                 userCommentListProviderDidRunIntoError);
