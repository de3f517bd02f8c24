#include "QMSXmlWriter.h"

#include <charconv>

QMSXmlWriter::QMSXmlWriter()
{
    m_out.reserve(4096);
    m_out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
}

void QMSXmlWriter::open(std::string_view tag)
{
    m_out += '<';
    m_out += tag;
    m_out += '>';
    m_open.push_back(tag);
}

void QMSXmlWriter::close()
{
    if (m_open.empty())
        return;
    m_out += "</";
    m_out += m_open.back();
    m_out += '>';
    m_open.pop_back();
    m_out += '\n';
}

void QMSXmlWriter::text(std::string_view tag, std::string_view value)
{
    m_out += '<';
    m_out += tag;
    m_out += '>';
    appendEscaped(m_out, value);
    m_out += "</";
    m_out += tag;
    m_out += '>';
}

void QMSXmlWriter::textIfAny(std::string_view tag, std::string_view value)
{
    if (!value.empty())
        text(tag, value);
}

void QMSXmlWriter::integer(std::string_view tag, long long value)
{
    text(tag, std::to_string(value));
}

void QMSXmlWriter::real(std::string_view tag, double value)
{
    text(tag, formatReal(value));
}

void QMSXmlWriter::boolean(std::string_view tag, bool value)
{
    text(tag, value ? "true" : "false");
}

std::string QMSXmlWriter::take()
{
    while (!m_open.empty())
        close();
    return std::move(m_out);
}

void QMSXmlWriter::appendEscaped(std::string &out, std::string_view text)
{
    // Plain runs are copied whole; only the few bytes that need a look are handled one by one.
    auto special = [](unsigned char c) {
        return c == '&' || c == '<' || c == '>' || c == '"' || c == '\'' || c < 0x20 || c == 0x7f ||
               c == 0xef;
    };
    size_t run = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (!special(c))
            continue;
        out.append(text.data() + run, i - run);
        run = i + 1;
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        case '\t':
        case '\n':
        case '\r':
            out += static_cast<char>(c);
            break;
        case 0xef:
            // U+FFFE and U+FFFF (EF BF BE/BF) are not XML characters; the rest of U+Fxxx is.
            if (i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0xbf &&
                (static_cast<unsigned char>(text[i + 2]) & 0xfe) == 0xbe) {
                i += 2;
                run = i + 1;
            } else {
                run = i;
            }
            break;
        default:
            break; // other control characters are dropped
        }
    }
    out.append(text.data() + run, text.size() - run);
}

std::string QMSXmlWriter::escaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    appendEscaped(out, text);
    return out;
}

std::string QMSXmlWriter::formatReal(double value)
{
    // to_chars ignores the process locale, which the GUI library sets from the environment.
    char buffer[64];
    auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    if (ec != std::errc())
        return "0";
    std::string out(buffer, end);
    while (!out.empty() && out.back() == '0')
        out.pop_back();
    if (!out.empty() && out.back() == '.')
        out.pop_back();
    return out == "-0" || out.empty() ? "0" : out;
}
