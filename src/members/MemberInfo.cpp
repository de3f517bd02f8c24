#include "members/MemberInfo.h"

#include "comments/Comment.h"
#include "members/Collect.h"
#include "members/NearbyUser.h"

QM_DEFINE_RECORD(MemberInfo, QM_FIELD(MemberInfo, memberid), QM_FIELD(MemberInfo, body),
                 QM_FIELD(MemberInfo, nickname), QM_FIELD(MemberInfo, pointvalue),
                 QM_FIELD(MemberInfo, email), QM_FIELD(MemberInfo, mobile),
                 QM_FIELD(MemberInfo, sex), QM_FIELD(MemberInfo, logo),
                 QM_FIELD(MemberInfo, position), QM_FIELD(MemberInfo, banlance))

MemberInfo::MemberInfo(const NearbyUser &user)
    : memberid(user.memberid)
    , nickname(user.nickname)
    , logo(user.logo)
{}

MemberInfo::MemberInfo(const Comment &author)
    : memberid(author.memberid)
    , nickname(author.nickname)
    , logo(author.logo)
{}

MemberInfo::MemberInfo(const Collect &collect)
    : memberid(collect.relatedid)
    , nickname(collect.name)
    , logo(collect.logo)
{}
