#pragma once

#include "comments/QMInsertDataProvider.h"
#include "members/Collect.h"
#include "net/QMRequestKind.h"
#include "net/QMServiceAddress.h"

// Follows something, or stops following it, for the signed-in member. Every refusal reads "错误".
template<class Self, class Delegate>
class QMCollectChangeProvider : public QMInsertDataProvider<Self, Delegate>
{
    using Base = QMInsertDataProvider<Self, Delegate>;

public:
    QString memberEncode;
    QString relatedid; // the member, cinema or film
    unsigned type = 0; // 0 a member, 1 a cinema, anything else a film

protected:
    QMCollectChangeProvider(QMRequestKind kind, typename Base::DelegateField delegate,
                            typename Base::Success success, typename Base::Failure failure)
        : Base(delegate, success, failure, QStringLiteral("错误"), QStringLiteral("错误"))
        , m_kind(kind)
    {}

    void requestChange()
    {
        this->issueRequest(QMServiceAddress(m_kind)
                               .add(QLatin1StringView("memberEncode"), memberEncode)
                               .add(QLatin1StringView("relatedid"), relatedid)
                               .add(QLatin1StringView("tag"), Collect::tagForType(type))
                               .addKey()
                               .addEncryptCode());
    }

private:
    QMRequestKind m_kind;
};
