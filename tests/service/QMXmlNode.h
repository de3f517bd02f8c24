#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <ostream>

// Readable QStrings in test failures.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// A small element tree read with QXmlStreamReader (namespace processing on), enough to check
// what the client's mapper will see: names, order, text.
class QMXmlNode
{
public:
    // The document element, or nothing for text that is not well-formed XML.
    static std::optional<QMXmlNode> parse(const QByteArray &xml);

    QString name;
    QString text; // character data directly inside this element
    QList<QMXmlNode> children;

    // The first element of that name, this one or any below it, depth first.
    const QMXmlNode *find(const QString &elementName) const;
    const QMXmlNode *child(const QString &elementName) const;
    QString value(const QString &elementName) const; // text of the child, or empty
    bool has(const QString &elementName) const { return child(elementName) != nullptr; }
    QStringList childNames() const;
};
