#include "net/QMXMLRewrite.h"

#include <cstring>

QMXMLRewrite::QMXMLRewrite(std::initializer_list<Pair> pairs)
    : m_pairs(pairs)
{
#ifndef QT_NO_DEBUG
    for (auto pair = m_pairs.begin(); pair != m_pairs.end(); ++pair) {
        Q_ASSERT_X(pair->from.endsWith('>') && pair->from.indexOf('>') == pair->from.size() - 1,
                   "QMXMLRewrite", "a pattern ends with its only '>'");
        // Pair after pair, a later pattern in an earlier replacement would be replaced too; in
        // one pass it is not.
        for (auto later = pair + 1; later != m_pairs.end(); ++later)
            Q_ASSERT_X(!pair->to.contains(later->from), "QMXMLRewrite",
                       "no replacement holds a later pattern");
    }
#endif
}

QByteArray QMXMLRewrite::apply(const QByteArray &utf8) const
{
    const char *const begin = utf8.constData();
    const char *const end = begin + utf8.size();
    const char *copied = begin; // bytes before it are in the result
    QByteArray result;
    for (const char *close = begin;
         (close = static_cast<const char *>(std::memchr(close, '>', size_t(end - close))));) {
        ++close;
        for (const Pair &pair : m_pairs) {
            const qsizetype length = pair.from.size();
            if (close - copied < length ||
                std::memcmp(close - length, pair.from.data(), size_t(length)) != 0)
                continue;
            if (result.isNull())
                result.reserve(utf8.size() + utf8.size() / 4);
            result.append(copied, close - length - copied);
            result.append(pair.to);
            copied = close;
            break;
        }
    }
    if (copied == begin)
        return utf8;
    result.append(copied, end - copied);
    return result;
}
