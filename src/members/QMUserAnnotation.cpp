#include "members/QMUserAnnotation.h"

#include "members/NearbyUser.h"

QMUserAnnotation::QMUserAnnotation(const NearbyUser &user)
    : memberid(user.memberid)
    , userTitle(user.nickname)
    , logo(user.logo)
    , m_coordinate{user.pointy, user.pointx}
{}
