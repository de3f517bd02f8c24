#pragma once

class QMSContext;

// Comments on films and cinemas, replies, re-posts and single comments: kinds 12, 17, 20, 21
// and 34.
class QMSCommentHandler
{
public:
    static void comments(QMSContext &context);
    static void replies(QMSContext &context);
    static void addReply(QMSContext &context);
    static void addComment(QMSContext &context);
    static void comment(QMSContext &context);

    // The acknowledgement of every write: "ture" is what the client takes for success.
    static void acknowledge(QMSContext &context);
};
