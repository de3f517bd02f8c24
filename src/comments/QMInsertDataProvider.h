#pragma once

#include "comments/InsertData.h"
#include "net/QMRecordProvider.h"

// A member's write, acknowledged by an InsertData. An acknowledgement without error goes to the
// success operation (whose caller still checks isDone); a refusal, or an answer that cannot be
// read, to the failure operation with an error of code -1 carrying a text for the user.
template<class Self, class Delegate>
class QMInsertDataProvider : public QMRecordProvider<Self, Delegate, InsertData>
{
    using Base = QMRecordProvider<Self, Delegate, InsertData>;

public:
    // The service answers with bare result and error elements: they are given a record.
    QByteArray trimXML(const QByteArray &text) const override
    {
        return QMCommonProvider::replacing(text, {{"<result>", "<data><insertData><result>"},
                                                  {"</result>", "</result></insertData></data>"}});
    }

protected:
    // refusedText: shown for a refusal; null to show the service's own text.
    QMInsertDataProvider(typename Base::DelegateField delegate, typename Base::Success success,
                         typename Base::Failure failure, QString refusedText,
                         QString unreadableText)
        : Base(delegate, success, failure, QLatin1StringView("data"))
        , m_refusedText(std::move(refusedText))
        , m_unreadableText(std::move(unreadableText))
    {}

    typename Base::Verdict judgeAnswer(const QNetworkRequest &,
                                       std::shared_ptr<InsertData> data) override
    {
        if (!data)
            return Base::Verdict::fail(QMError::message(m_unreadableText));
        if (!data->error.isEmpty())
            return Base::Verdict::fail(
                QMError::message(m_refusedText.isNull() ? data->error : m_refusedText));
        return Base::Verdict::succeed(std::move(data));
    }

private:
    QString m_refusedText;
    QString m_unreadableText;
};
