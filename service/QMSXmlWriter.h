#pragma once

#include <string>
#include <string_view>
#include <vector>

// Writes an answer the way the client's substring rewrites need it: bare tags, no attributes,
// never a self-closed element, text on one line with "&", "<" and ">" always escaped.
class QMSXmlWriter
{
public:
    QMSXmlWriter();

    void open(std::string_view tag);
    void close();
    void text(std::string_view tag, std::string_view value);
    // Leaves the element out when there is no value: an empty element is not "absent".
    void textIfAny(std::string_view tag, std::string_view value);
    void integer(std::string_view tag, long long value);
    void real(std::string_view tag, double value);
    void boolean(std::string_view tag, bool value);

    // The document, with every element still open closed.
    std::string take();

    // Escapes for XML and HTML text and attributes; drops characters XML 1.0 cannot carry.
    static void appendEscaped(std::string &out, std::string_view text);
    static std::string escaped(std::string_view text);
    static std::string formatReal(double value);

private:
    std::string m_out;
    std::vector<std::string_view> m_open;
};
