#pragma once

#include <string>
#include <string_view>

// Checks on text that members type.
class QMSTextRules
{
public:
    // Length as the client counts it: characters (code points), so an emoji counts once.
    static int characterCount(std::string_view utf8);
    // Nothing but spaces, tabs, line breaks or ideographic spaces.
    static bool isBlank(std::string_view utf8);
    // Refuses (QMSRefusal) a body that is blank (unless allowed) or longer than 140 characters.
    static void checkBody(std::string_view body, bool mayBeEmpty);
    // A mainland mobile number: 11 digits starting 13 to 19.
    static bool isMobile(std::string_view text);
    static constexpr int maxBody = 140;
};
