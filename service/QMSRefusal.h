#pragma once

#include <stdexcept>
#include <string>

// A request the service turns down. The text reaches the client where the kind's record has an
// `error` field; the status is for the log and for browsers (the client ignores it).
class QMSRefusal : public std::runtime_error
{
public:
    QMSRefusal(int status, const std::string &text)
        : std::runtime_error(text)
        , m_status(status)
    {}

    int status() const { return m_status; }

private:
    int m_status;
};
