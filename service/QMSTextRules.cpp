#include "QMSTextRules.h"

#include "QMSRefusal.h"

int QMSTextRules::characterCount(std::string_view utf8)
{
    int characters = 0;
    for (unsigned char c : utf8) {
        if ((c & 0xc0) != 0x80)
            ++characters; // the first byte of each character
    }
    return characters;
}

bool QMSTextRules::isBlank(std::string_view utf8)
{
    static constexpr std::string_view ideographicSpace = "\u3000";
    size_t i = 0;
    while (i < utf8.size()) {
        const char c = utf8[i];
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            ++i;
        } else if (utf8.substr(i, ideographicSpace.size()) == ideographicSpace) {
            i += ideographicSpace.size();
        } else {
            return false;
        }
    }
    return true;
}

void QMSTextRules::checkBody(std::string_view body, bool mayBeEmpty)
{
    if (!mayBeEmpty && isBlank(body))
        throw QMSRefusal(400, "内容不能为空");
    if (characterCount(body) > maxBody)
        throw QMSRefusal(400, "内容不能超过140个字");
}

bool QMSTextRules::isMobile(std::string_view text)
{
    if (text.size() != 11 || text[0] != '1' || text[1] < '3')
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}
