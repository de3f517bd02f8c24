#pragma once

#include <QString>

#include <optional>

// What a failure carries when it carries anything: the transport's error (its domain names the
// network layer, its code the platform's error number), or a message for the user, whose domain
// is the text to show and whose code is -1.
class QMError
{
public:
    QMError(QString domain, int code, QString description = {})
        : m_domain(std::move(domain))
        , m_code(code)
        , m_description(std::move(description))
    {}

    // An error whose domain text is the message to show.
    static QMError message(const QString &text) { return QMError(text, -1, text); }

    // What an alert tells the member about a failure: a refusal's own words; a failed transfer
    // carries only the network's, which are no message for a member.
    static QString alertText(const std::optional<QMError> &error)
    {
        if (error && error->code() == -1 && !error->domain().isEmpty())
            return error->domain();
        return QStringLiteral("与后台通讯错误");
    }

    const QString &domain() const { return m_domain; }
    int code() const { return m_code; }
    const QString &localizedDescription() const { return m_description; }

private:
    QString m_domain;
    int m_code;
    QString m_description;
};
