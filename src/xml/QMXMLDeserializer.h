#pragma once

#include "xml/QMXMLDeserializerParserDelegates.h"

#include <QByteArray>
#include <QMutex>
#include <QString>

#include <memory>
#include <vector>

class QMRecord;
class QMRecordClass;

// Maps one XML document onto one record: the first element, at any depth, named elementName
// holds the root record, of class cls; reading stops at its end tag. The document must be UTF-8
// without a document type declaration, and nest no deeper than maxDepth; anything else gives no
// record.
class QMXMLDeserializer final : public QMXMLDeserializerParserDelegate
{
public:
    enum Status { NotRun = 0, Running = 1, FinishedWithResult = 2, FinishedWithoutResult = 3 };
    static constexpr int maxDepth = 256;

    // No class, or no bytes (a null array), gives no deserializer. Without an element name the
    // root element is the one named after the class.
    static std::unique_ptr<QMXMLDeserializer>
    create(const QMRecordClass *cls, const QByteArray &xml, const QString &elementName = {});

    // Shorthand: the record of class T mapped from xml, or null.
    template<class T>
    static std::shared_ptr<T> map(const QByteArray &xml, const QString &elementName = {})
    {
        auto deserializer = create(&T::staticRecordClass(), xml, elementName);
        return deserializer ? std::static_pointer_cast<T>(deserializer->deserialize()) : nullptr;
    }

    ~QMXMLDeserializer() override;

    // Parses once; later calls return the same outcome without parsing again.
    std::shared_ptr<QMRecord> deserialize();
    Status status() const { return _status; }

    // For the handlers: the stack of handlers for the element being read.
    void push(std::unique_ptr<QMXMLDeserializerParserDelegate> handler);
    // Pushes the reader of a text, date or scalar of that type.
    void pushLeaf(QMFieldType type, QMXMLDeserializerParserDelegate *parent,
                  std::string_view elementName);
    // Removes the top handler (and destroys it unless it is a reused leaf); the handler calls it
    // last.
    void pop();

    void didStartElement(QMXMLDeserializer &parser, std::string_view name,
                         std::string_view xsiType) override;
    void setDeserializedObjectValue(QMXMLObjectValue &&value) override;

private:
    QMXMLDeserializer(const QMRecordClass &cls, QByteArray xml, std::string_view elementName);
    QMXMLDeserializerParserDelegate *top();
    void run();
    void stopParser();

    struct Expat;
    friend struct Expat;

    const QMRecordClass &_class;
    QByteArray _xml;
    std::shared_ptr<QMRecord> _result;
    QMutex _instanceLock;
    Status _status = NotRun;

    std::vector<QMXMLDeserializerParserDelegate *> m_stack;
    std::vector<std::unique_ptr<QMXMLDeserializerParserDelegate>> m_owned; // records and lists
    std::unique_ptr<QMXMLDeserializerParserLeafDelegate> m_leaves[int(QMFieldType::Record) + 1];
    void *m_parser = nullptr; // the expat parser while run() runs
    int m_depth = 0;
    bool m_inCdata = false;
    bool m_rejected = false;
    bool m_stopped = false;
};
