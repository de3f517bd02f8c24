#pragma once

class QMSContext;

// The community feeds: a member's posts, the interest feed, the square, replies received and
// sent, and mentions (kinds 18, 19, 28, 31, 32 and 33).
//
// Areas: "city" is every post; "indexarea" the posts of members last seen within 5 km of the
// member (or of the position sent); "place" (and any other value) the posts about, at or by
// members last checked in at the cinema where the member last checked in.
class QMSFeedHandler
{
public:
    static void memberPosts(QMSContext &context);
    static void interest(QMSContext &context);
    static void square(QMSContext &context);
    static void received(QMSContext &context);
    static void sent(QMSContext &context);
    static void mentions(QMSContext &context);

    static constexpr double areaMetres = 5000;
};
