#pragma once

#include "xml/QMRecord.h"

#include <QString>

class Collect;
class Comment;
class NearbyUser;

// A member's public profile.
class MemberInfo : public QMRecord
{
    QM_RECORD(MemberInfo)

public:
    MemberInfo() = default;
    // The member behind another record, to open their page before the profile is fetched:
    // identifier, nickname and head image.
    explicit MemberInfo(const NearbyUser &user);
    explicit MemberInfo(const Comment &author);
    // A followed member: relatedid is the member's identifier, name the nickname.
    explicit MemberInfo(const Collect &collect);

    bool isFemale() const { return sex == QStringLiteral("女"); }

    QString memberid;
    QString body;
    QString nickname;
    QString pointvalue;
    QString email;
    QString mobile;
    QString sex; // "女" for a woman; anything else is shown as a man
    QString logo;
    QString position;
    qint32 banlance = 0; // yuan
};
