#pragma once

#include "xml/QMFieldType.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>
#include <string>
#include <string_view>
#include <variant>

class QMRecord;
class QMRecordClass;
class QMRecordField;
class QMXMLDeserializer;

// An object value handed from a child handler to its parent: a text, a date (invalid: none), a
// record or a list of records.
using QMXMLObjectValue =
    std::variant<QString, QDateTime, std::shared_ptr<QMRecord>, QList<std::shared_ptr<QMRecord>>>;

// The handlers of the mapper. Each reads one element; the one on top of the deserializer's stack
// receives the parser's events, pushes a child handler when a child element begins, and hands its
// value to its parent (through the setter of the value's type) when its element ends. A parent
// that does not override a setter does not take values of that type.
class QMXMLDeserializerParserDelegate
{
public:
    QMXMLDeserializerParserDelegate(QMXMLDeserializerParserDelegate *superDelegate,
                                    std::string_view elementName);
    virtual ~QMXMLDeserializerParserDelegate();
    QMXMLDeserializerParserDelegate(const QMXMLDeserializerParserDelegate &) = delete;
    QMXMLDeserializerParserDelegate &operator=(const QMXMLDeserializerParserDelegate &) = delete;

    QMXMLDeserializerParserDelegate *superDelegate() const { return _superDelegate; }
    const std::string &elementName() const { return _elementName; }

    virtual void didStartElement(QMXMLDeserializer &parser, std::string_view name,
                                 std::string_view xsiType);
    virtual void foundCharacters(std::string_view text);
    virtual void didEndElement(QMXMLDeserializer &parser, std::string_view name);

    virtual void setDeserializedObjectValue(QMXMLObjectValue &&) {}
    virtual void setDeserializedDoubleValue(double) {}
    virtual void setDeserializedBoolValue(bool) {}
    virtual void setDeserializedIntValue(qint32) {}
    virtual void setDeserializedShortValue(qint16) {}
    virtual void setDeserializedLongValue(qint32) {}
    virtual void setDeserializedLongLongValue(qint64) {}

    // Pushes the handler for an object whose type name is typeName ("NSArray", "NSDate",
    // "NSString" or "string", else a record class named after it); false when nothing reads it.
    static bool pushHandlerForTypeName(QMXMLDeserializer &parser,
                                       QMXMLDeserializerParserDelegate *parent,
                                       std::string_view elementName, std::string_view typeName);
    // The record class of an element or type name ("simplemovie" -> Simplemovie), or null.
    static const QMRecordClass *classFromName(std::string_view name);

protected:
    QMXMLDeserializerParserDelegate *_superDelegate;
    std::string _elementName;
};

// Reads one record: child elements named after its fields fill them; others are transparent.
class QMXMLDeserializerParserObjectDelegate final : public QMXMLDeserializerParserDelegate
{
public:
    QMXMLDeserializerParserObjectDelegate(QMXMLDeserializerParserDelegate *superDelegate,
                                          std::string_view elementName, const QMRecordClass &cls);

    void didStartElement(QMXMLDeserializer &parser, std::string_view name,
                         std::string_view xsiType) override;
    void didEndElement(QMXMLDeserializer &parser, std::string_view name) override;

    void setDeserializedObjectValue(QMXMLObjectValue &&value) override;
    void setDeserializedDoubleValue(double value) override;
    void setDeserializedBoolValue(bool value) override;
    void setDeserializedIntValue(qint32 value) override;
    void setDeserializedShortValue(qint16 value) override;
    void setDeserializedLongValue(qint32 value) override;
    void setDeserializedLongLongValue(qint64 value) override;

private:
    const QMRecordClass &_class;
    std::shared_ptr<QMRecord> _i_result;
    const QMRecordField *_currentSetter = nullptr;
    size_t m_fieldHint = 0;
};

// Reads one list: every child element that names a record class is an item.
class QMXMLDeserializerParserNSArrayDelegate final : public QMXMLDeserializerParserDelegate
{
public:
    using QMXMLDeserializerParserDelegate::QMXMLDeserializerParserDelegate;

    void didStartElement(QMXMLDeserializer &parser, std::string_view name,
                         std::string_view xsiType) override;
    void didEndElement(QMXMLDeserializer &parser, std::string_view name) override;
    void setDeserializedObjectValue(QMXMLObjectValue &&value) override;

private:
    QList<std::shared_ptr<QMRecord>> _array;
    // Items mostly share one element name: remember its class.
    std::string m_lastItemName;
    const QMRecordClass *m_lastItemClass = nullptr;
};

// Reads the character data of one element (nested elements contribute only their text) and
// converts it when the element ends. Leaves never nest, so the deserializer keeps one of each
// kind and reuses it for every element of that kind.
class QMXMLDeserializerParserLeafDelegate : public QMXMLDeserializerParserDelegate
{
public:
    using QMXMLDeserializerParserDelegate::QMXMLDeserializerParserDelegate;

    void reuse(QMXMLDeserializerParserDelegate *superDelegate, std::string_view elementName)
    {
        _superDelegate = superDelegate;
        _elementName.assign(elementName);
        _currentString.clear();
    }

    void foundCharacters(std::string_view text) override { _currentString.append(text); }
    void didEndElement(QMXMLDeserializer &parser, std::string_view name) override;

protected:
    virtual void deliver() = 0;
    std::string _currentString;
};

// Texts are decoded chunk by chunk as they arrive (expat never splits a character), without
// collecting the bytes first: most texts come in one chunk.
class QMXMLDeserializerParserNSStringDelegate final : public QMXMLDeserializerParserLeafDelegate
{
public:
    using QMXMLDeserializerParserLeafDelegate::QMXMLDeserializerParserLeafDelegate;

    void foundCharacters(std::string_view text) override;

private:
    void deliver() override;

    QString m_text; // null again once delivered
};

class QMXMLDeserializerParserNSDateDelegate final : public QMXMLDeserializerParserLeafDelegate
{
public:
    using QMXMLDeserializerParserLeafDelegate::QMXMLDeserializerParserLeafDelegate;

private:
    void deliver() override;
};

// The six scalar handlers differ only in how they read and which setter they call.
template<QMFieldType Type>
class QMXMLDeserializerParserScalarDelegate final : public QMXMLDeserializerParserLeafDelegate
{
public:
    using QMXMLDeserializerParserLeafDelegate::QMXMLDeserializerParserLeafDelegate;

private:
    void deliver() override;
};

using QMXMLDeserializerParserDoubleDelegate =
    QMXMLDeserializerParserScalarDelegate<QMFieldType::Double>;
using QMXMLDeserializerParserLongDelegate =
    QMXMLDeserializerParserScalarDelegate<QMFieldType::Long>;
using QMXMLDeserializerParserBoolDelegate =
    QMXMLDeserializerParserScalarDelegate<QMFieldType::Bool>;
using QMXMLDeserializerParserIntDelegate = QMXMLDeserializerParserScalarDelegate<QMFieldType::Int>;
using QMXMLDeserializerParserShortDelegate =
    QMXMLDeserializerParserScalarDelegate<QMFieldType::Short>;
using QMXMLDeserializerParserLongLongDelegate =
    QMXMLDeserializerParserScalarDelegate<QMFieldType::LongLong>;
