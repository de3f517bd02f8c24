#pragma once

#include "xml/QMRecord.h"

#include <QString>

// Every piece of text a member writes: a review of a film or a cinema, a post on the square, a
// reply, or a re-post with a remark.
class Comment : public QMRecord
{
    QM_RECORD(Comment)

public:
    QString commentid;
    QString body;
    QString tag; // "cinema", "movie" or "member"
    QString relatedid;
    QString transferid; // of the re-posted comment, for a re-post
    QString transferbody;
    QString transfermemberid;
    QString transfernickname;
    qint32 mark = 0;
    qint32 flowernum = 0;
    QString memberid; // the author
    QString nickname;
    QString addtime; // "yyyy-MM-dd HH:mm:ss"
    QString logo;    // the author's head image
    QString objectname;
    QString comefrom;
    QString commentbody; // in replies: the comment replied to
    QString commentmemberid;
    QString commentnickname;
    QString cinemaname; // posts tied to a screening
    QString moviename;
    QString playroom;
    QString starttime;
};
