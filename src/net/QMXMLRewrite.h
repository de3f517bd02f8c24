#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <initializer_list>
#include <vector>

// Renames and wraps elements of an answer's UTF-8 bytes before they are mapped: every
// occurrence of each pair's pattern is replaced by its text, all pairs in one pass over the
// bytes. Patterns are ASCII and end with their only '>', so every match ends at a '>' and no two
// matches overlap; where two patterns end at the same '>', the earlier pair wins. The bytes of a
// multi-byte UTF-8 character are never ASCII, so only whole characters ever match.
class QMXMLRewrite
{
public:
    struct Pair
    {
        QByteArrayView from;
        QByteArrayView to;
    };

    QMXMLRewrite(std::initializer_list<Pair> pairs);

    // The bytes with every pattern replaced; the same array, shared, when nothing matched.
    QByteArray apply(const QByteArray &utf8) const;

private:
    std::vector<Pair> m_pairs;
};
