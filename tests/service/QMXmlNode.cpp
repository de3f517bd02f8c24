#include "QMXmlNode.h"

#include <QXmlStreamReader>

std::optional<QMXmlNode> QMXmlNode::parse(const QByteArray &xml)
{
    QXmlStreamReader reader(xml);
    reader.setNamespaceProcessing(true);
    QList<QMXmlNode> open;
    std::optional<QMXmlNode> root;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            open.append(QMXmlNode{reader.name().toString(), {}, {}});
            break;
        case QXmlStreamReader::Characters:
            if (!open.isEmpty() && !reader.isWhitespace())
                open.last().text += reader.text();
            break;
        case QXmlStreamReader::EndElement: {
            QMXmlNode done = open.takeLast();
            if (open.isEmpty())
                root = done;
            else
                open.last().children.append(done);
            break;
        }
        default:
            break;
        }
    }
    if (reader.hasError())
        return std::nullopt;
    return root;
}

const QMXmlNode *QMXmlNode::find(const QString &elementName) const
{
    if (name == elementName)
        return this;
    for (const QMXmlNode &node : children) {
        if (const QMXmlNode *found = node.find(elementName))
            return found;
    }
    return nullptr;
}

const QMXmlNode *QMXmlNode::child(const QString &elementName) const
{
    for (const QMXmlNode &node : children) {
        if (node.name == elementName)
            return &node;
    }
    return nullptr;
}

QString QMXmlNode::value(const QString &elementName) const
{
    const QMXmlNode *node = child(elementName);
    return node ? node->text : QString();
}

QStringList QMXmlNode::childNames() const
{
    QStringList names;
    for (const QMXmlNode &node : children)
        names.append(node.name);
    return names;
}
