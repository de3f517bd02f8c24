#include "comments/Comment.h"

QM_DEFINE_RECORD(Comment, QM_FIELD(Comment, commentid), QM_FIELD(Comment, body),
                 QM_FIELD(Comment, tag), QM_FIELD(Comment, relatedid),
                 QM_FIELD(Comment, transferid), QM_FIELD(Comment, transferbody),
                 QM_FIELD(Comment, transfermemberid), QM_FIELD(Comment, transfernickname),
                 QM_FIELD(Comment, mark), QM_FIELD(Comment, flowernum), QM_FIELD(Comment, memberid),
                 QM_FIELD(Comment, nickname), QM_FIELD(Comment, addtime), QM_FIELD(Comment, logo),
                 QM_FIELD(Comment, objectname), QM_FIELD(Comment, comefrom),
                 QM_FIELD(Comment, commentbody), QM_FIELD(Comment, commentmemberid),
                 QM_FIELD(Comment, commentnickname), QM_FIELD(Comment, cinemaname),
                 QM_FIELD(Comment, moviename), QM_FIELD(Comment, playroom),
                 QM_FIELD(Comment, starttime))
