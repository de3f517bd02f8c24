#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The parameters of one request, each decoded exactly once.
//
// Only the names a kind knows are kept. Free-text values (a typed body) may hold a raw "&" when
// the sender escaped the whole address rather than each value: a piece that does not start with
// a known name continues such a value, with its "&" put back.
class QMSQuery
{
public:
    static constexpr size_t maxValueBytes = 2000;

    // Throws QMSRefusal for a value over maxValueBytes, a repeated name, bytes that are not
    // UTF-8 or control characters other than tab and line breaks.
    static QMSQuery parse(std::string_view raw, const std::vector<std::string_view> &known,
                          const std::vector<std::string_view> &freeText = {});

    bool has(std::string_view name) const { return find(name) != nullptr; }
    const std::string *find(std::string_view name) const;
    // The value, or the empty text when the parameter is absent.
    std::string value(std::string_view name) const;

    // "%41" -> "A"; "+" stays "+"; a "%" not followed by two hex digits stays as it is.
    static std::string percentDecoded(std::string_view text);
    static bool isValidText(std::string_view text);

private:
    std::vector<std::pair<std::string, std::string>> m_values;
};
