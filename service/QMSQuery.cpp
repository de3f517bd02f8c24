#include "QMSQuery.h"

#include "QMSRefusal.h"

#include <algorithm>

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool contains(const std::vector<std::string_view> &names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

QMSQuery QMSQuery::parse(std::string_view raw, const std::vector<std::string_view> &known,
                         const std::vector<std::string_view> &freeText)
{
    struct Piece
    {
        std::string name;
        std::string rawValue;
    };
    std::vector<Piece> pieces;
    bool previousIsFreeText = false;

    size_t start = 0;
    while (start <= raw.size()) {
        size_t end = raw.find('&', start);
        if (end == std::string_view::npos)
            end = raw.size();
        const std::string_view piece = raw.substr(start, end - start);
        start = end + 1;

        const size_t equals = piece.find('=');
        const std::string_view name =
            equals == std::string_view::npos ? std::string_view() : piece.substr(0, equals);
        const bool knownName = !name.empty() && contains(known, name);
        const bool seen = knownName && std::any_of(pieces.begin(), pieces.end(),
                                                   [&](const Piece &p) { return p.name == name; });
        if (knownName && !seen) {
            pieces.push_back({std::string(name), std::string(piece.substr(equals + 1))});
            previousIsFreeText = contains(freeText, name);
        } else if (previousIsFreeText) {
            pieces.back().rawValue += '&';
            pieces.back().rawValue += piece;
        } else if (seen) {
            throw QMSRefusal(400, "参数重复：" + std::string(name));
        }
        // Anything else is a parameter this kind does not use; it is ignored.
        if (end == raw.size())
            break;
    }

    QMSQuery query;
    for (Piece &piece : pieces) {
        if (piece.rawValue.size() > maxValueBytes)
            throw QMSRefusal(400, "参数过长：" + piece.name);
        std::string value = percentDecoded(piece.rawValue);
        if (!isValidText(value))
            throw QMSRefusal(400, "参数含有无效字符：" + piece.name);
        query.m_values.emplace_back(std::move(piece.name), std::move(value));
    }
    return query;
}

const std::string *QMSQuery::find(std::string_view name) const
{
    for (const auto &[key, value] : m_values) {
        if (key == name)
            return &value;
    }
    return nullptr;
}

std::string QMSQuery::value(std::string_view name) const
{
    const std::string *found = find(name);
    return found ? *found : std::string();
}

std::string QMSQuery::percentDecoded(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = hexValue(text[i + 1]);
            const int low = hexValue(text[i + 2]);
            if (high >= 0 && low >= 0) {
                out += static_cast<char>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

bool QMSQuery::isValidText(std::string_view text)
{
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7f)
                return false;
            ++i;
            continue;
        }
        int length = 0;
        unsigned int codePoint = 0;
        if ((c & 0xe0) == 0xc0) {
            length = 2;
            codePoint = c & 0x1f;
        } else if ((c & 0xf0) == 0xe0) {
            length = 3;
            codePoint = c & 0x0f;
        } else if ((c & 0xf8) == 0xf0) {
            length = 4;
            codePoint = c & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (int k = 1; k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xc0) != 0x80)
                return false;
            codePoint = (codePoint << 6) | (next & 0x3f);
        }
        static constexpr unsigned int smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (codePoint < smallest[length] || codePoint > 0x10ffff ||
            (codePoint >= 0xd800 && codePoint <= 0xdfff))
            return false;
        i += length;
    }
    return true;
}
