#pragma once

#include "comments/QMCommentListProvider.h"
#include "net/QMRequestKind.h"
#include "net/QMServiceAddress.h"

// A community feed of one member: memberid, what the feed's area adds, from, maxnum, key and
// digest, answered by a list of comments.
template<class Self, class Delegate>
class QMFeedProvider : public QMCommentListProvider<Self, Delegate>
{
    using Base = QMCommentListProvider<Self, Delegate>;

public:
    QString memberid;
    qint32 from = 0;
    qint32 maxnum = 10;

    // The area of a feed by its page: "city" for 2, "indexarea" for 1, "place" for any other.
    static QString areaName(unsigned type)
    {
        switch (type) {
        case 2:
            return QStringLiteral("city");
        case 1:
            return QStringLiteral("indexarea");
        default:
            return QStringLiteral("place");
        }
    }

protected:
    QMFeedProvider(QMRequestKind kind, QMCommentListShape shape,
                   typename Base::DelegateField delegate, typename Base::Success success,
                   typename Base::Failure failure)
        : Base(shape, delegate, success, failure)
        , m_kind(kind)
    {}

    void requestFeed()
    {
        QMServiceAddress address(m_kind);
        address.add(QLatin1StringView("memberid"), memberid);
        addArea(address);
        this->issueRequest(address.add(QLatin1StringView("from"), from)
                               .add(QLatin1StringView("maxnum"), maxnum)
                               .addKey()
                               .addEncryptCode());
    }
    // The parameters between memberid and from, for feeds of an area.
    virtual void addArea(QMServiceAddress &) const {}

private:
    QMRequestKind m_kind;
};
