#pragma once

#include "QMSContext.h"

#include <functional>
#include <string>
#include <string_view>

class QMSStatement;

// Reads comments (reviews, posts, re-posts and replies all live in one table) and writes them
// as `Comment` records. Fields that do not apply to a comment are left out, not sent empty: an
// empty `transferid` would count as "present" for the client.
class QMSCommentRecords
{
public:
    enum class Ids {
        Own,    // commentid is the comment's own id
        Thread, // a reply carries the id of the post it answers, so opening it shows the thread
    };

    // Writes the page (`from`, `maxnum`) of comments matching the condition as `item` elements
    // of a `list` element in `date`. The condition is SQL of our own over the alias "c" (the
    // comment), with "?" for the values that `bind` binds.
    static void writeList(QMSContext &context, std::string_view list, std::string_view item,
                          const std::string &condition,
                          const std::function<void(QMSStatement &)> &bind, Ids ids = Ids::Own,
                          const char *order = "c.id DESC");
    // Writes the comment as `comment`; false when there is none with that id.
    static bool writeOne(QMSContext &context, long long id);
};
