#include "QMSCommentHandler.h"

#include "QMSClock.h"
#include "QMSCommentRecords.h"
#include "QMSConnection.h"
#include "QMSQuery.h"
#include "QMSRefusal.h"
#include "QMSStatement.h"
#include "QMSTextRules.h"
#include "QMSTransaction.h"

namespace {

// Whether the film, cinema or member a comment is about exists.
bool topicExists(QMSContext &context, const std::string &tag, long long id)
{
    std::string sql;
    if (tag == "movie")
        sql = "SELECT 1 FROM films WHERE id = ?";
    else if (tag == "cinema")
        sql = "SELECT 1 FROM cinemas WHERE id = ?";
    else
        sql = "SELECT 1 FROM members WHERE id = ?";
    QMSStatement query(context.db, sql);
    query.with(id);
    return query.step();
}

void insertComment(QMSContext &context, long long member, std::optional<long long> parent,
                   const std::string &tag, const std::string &relatedid,
                   std::optional<long long> transfer, const std::string &body)
{
    QMSStatement insert(context.db,
                        "INSERT INTO comments (member, parent, tag, relatedid, transfer, body, "
                        "comefrom, addtime) VALUES (?, ?, ?, ?, ?, ?, '手机', ?)");
    insert.with(member);
    if (parent)
        insert.with(*parent);
    else
        insert.with(nullptr);
    if (tag.empty())
        insert.with(nullptr, nullptr);
    else
        insert.with(tag, relatedid);
    if (transfer)
        insert.with(*transfer);
    else
        insert.with(nullptr);
    insert.with(body, QMSClock::stamp(context.now));
    // Even one statement waits for the write turn, rather than in SQLite's busy handler.
    QMSTransaction transaction(context.db);
    insert.run();
    transaction.commit();
}

} // namespace

void QMSCommentHandler::comments(QMSContext &context)
{
    const std::string tag = context.required("tag");
    const std::string related = context.required("relatedid");
    QMSCommentRecords::writeList(context, "commentList", "comment",
                                 "c.parent IS NULL AND c.tag = ? AND c.relatedid = ?",
                                 [&](QMSStatement &query) { query.with(tag, related); });
}

void QMSCommentHandler::replies(QMSContext &context)
{
    const auto thread = context.id("commentid");
    // Oldest first, so that the thread reads downwards.
    QMSCommentRecords::writeList(
        context, "reCommentList", "recomment", "c.parent = ?",
        [&](QMSStatement &query) { query.with(thread.value_or(-1)); }, QMSCommentRecords::Ids::Own,
        "c.id ASC");
}

void QMSCommentHandler::addReply(QMSContext &context)
{
    const long long member = context.signedInMember();
    const auto target = context.id("commentid");
    const std::string body = context.text("body");
    QMSTextRules::checkBody(body, false);

    // A reply to a reply joins the thread of the post they answer.
    long long thread = 0;
    {
        // Let go of the read before the insert: a read still open would have to become the
        // write, which fails at once when another request wrote meanwhile.
        QMSStatement post(context.db, "SELECT id, parent FROM comments WHERE id = ?");
        post.with(target.value_or(-1));
        if (!post.step())
            throw QMSRefusal(404, "原帖不存在");
        thread = post.isNull(1) ? post.integer(0) : post.integer(1);
    }
    insertComment(context, member, thread, {}, {}, std::nullopt, body);
    acknowledge(context);
}

void QMSCommentHandler::addComment(QMSContext &context)
{
    const long long member = context.signedInMember();
    const std::string body = context.text("body");
    std::string tag = context.text("tag");
    std::string related = context.text("relatedid");
    std::optional<long long> transfer;

    if (context.query.has("transferid")) {
        // A re-post always arrives as "movie"; its topic is the original's.
        transfer = context.id("transferid");
        QMSStatement original(context.db,
                              "SELECT COALESCE(c.tag, p.tag), COALESCE(c.relatedid, p.relatedid) "
                              "FROM comments c LEFT JOIN comments p ON p.id = c.parent "
                              "WHERE c.id = ?");
        original.with(transfer.value_or(-1));
        if (!original.step())
            throw QMSRefusal(404, "原帖不存在");
        tag = original.text(0);
        related = original.text(1);
        QMSTextRules::checkBody(body, true);
    } else {
        QMSTextRules::checkBody(body, false);
        if (tag.empty() && related.empty()) {
            // A status with nothing linked: a member post about no one in particular.
            tag = "member";
        } else {
            if (tag != "movie" && tag != "cinema" && tag != "member")
                throw QMSRefusal(400, "参数格式错误：tag");
            const auto id = context.id("relatedid");
            if (!id || !topicExists(context, tag, *id))
                throw QMSRefusal(404, "评论对象不存在");
        }
    }
    if (tag.empty())
        tag = "member";

    insertComment(context, member, std::nullopt, tag, related, transfer, body);
    acknowledge(context);
}

void QMSCommentHandler::comment(QMSContext &context)
{
    const auto id = context.id("commentid");
    context.xml.open("date");
    if (!id || !QMSCommentRecords::writeOne(context, *id))
        throw QMSRefusal(404, "评论不存在");
}

void QMSCommentHandler::acknowledge(QMSContext &context)
{
    context.xml.open("data");
    context.xml.text("result", "ture");
}
