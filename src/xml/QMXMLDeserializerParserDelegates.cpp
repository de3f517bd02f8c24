#include "xml/QMXMLDeserializerParserDelegates.h"

#include "xml/QMRecord.h"
#include "xml/QMXMLDeserializer.h"
#include "xml/QMXMLValueReader.h"

#include <utility>

QMXMLDeserializerParserDelegate::QMXMLDeserializerParserDelegate(
    QMXMLDeserializerParserDelegate *superDelegate, std::string_view elementName)
    : _superDelegate(superDelegate)
    , _elementName(elementName)
{}

QMXMLDeserializerParserDelegate::~QMXMLDeserializerParserDelegate() = default;

void QMXMLDeserializerParserDelegate::didStartElement(QMXMLDeserializer &, std::string_view,
                                                      std::string_view)
{}

void QMXMLDeserializerParserDelegate::foundCharacters(std::string_view) {}

void QMXMLDeserializerParserDelegate::didEndElement(QMXMLDeserializer &, std::string_view) {}

const QMRecordClass *QMXMLDeserializerParserDelegate::classFromName(std::string_view name)
{
    return QMRecordClass::fromElementName(name);
}

bool QMXMLDeserializerParserDelegate::pushHandlerForTypeName(
    QMXMLDeserializer &parser, QMXMLDeserializerParserDelegate *parent,
    std::string_view elementName, std::string_view typeName)
{
    if (typeName == "NSArray") {
        parser.push(std::make_unique<QMXMLDeserializerParserNSArrayDelegate>(parent, elementName));
    } else if (typeName == "NSDate") {
        parser.pushLeaf(QMFieldType::Date, parent, elementName);
    } else if (typeName == "NSString" || typeName == "string") {
        parser.pushLeaf(QMFieldType::Text, parent, elementName);
    } else if (const QMRecordClass *cls = classFromName(typeName)) {
        parser.push(
            std::make_unique<QMXMLDeserializerParserObjectDelegate>(parent, elementName, *cls));
    } else {
        return false;
    }
    return true;
}

// Record --------------------------------------------------------------------------------------

QMXMLDeserializerParserObjectDelegate::QMXMLDeserializerParserObjectDelegate(
    QMXMLDeserializerParserDelegate *superDelegate, std::string_view elementName,
    const QMRecordClass &cls)
    : QMXMLDeserializerParserDelegate(superDelegate, elementName)
    , _class(cls)
    , _i_result(cls.create())
{}

void QMXMLDeserializerParserObjectDelegate::didStartElement(QMXMLDeserializer &parser,
                                                            std::string_view name,
                                                            std::string_view xsiType)
{
    // An element that names no field is transparent: its children fill this record.
    const QMRecordField *field = _class.field(name, m_fieldHint);
    if (!field)
        return;
    _currentSetter = field;

    if (!xsiType.empty() &&
        (field->type() == QMFieldType::Text || field->type() == QMFieldType::Date ||
         field->type() == QMFieldType::List || field->type() == QMFieldType::Record)) {
        // An xsi:type attribute names an object's type in place of the declared one.
        pushHandlerForTypeName(parser, this, name, xsiType);
        return;
    }
    switch (field->type()) {
    case QMFieldType::List:
        parser.push(std::make_unique<QMXMLDeserializerParserNSArrayDelegate>(this, name));
        break;
    case QMFieldType::Record:
        parser.push(std::make_unique<QMXMLDeserializerParserObjectDelegate>(this, name,
                                                                            *field->valueClass()));
        break;
    default:
        parser.pushLeaf(field->type(), this, name);
        break;
    }
}

void QMXMLDeserializerParserObjectDelegate::didEndElement(QMXMLDeserializer &parser,
                                                          std::string_view name)
{
    if (name != _elementName)
        return;
    _superDelegate->setDeserializedObjectValue(std::move(_i_result));
    parser.pop();
}

void QMXMLDeserializerParserObjectDelegate::setDeserializedObjectValue(QMXMLObjectValue &&value)
{
    if (!_currentSetter)
        return;
    QMRecord &record = *_i_result;
    std::visit(
        [&](auto &&v) {
            using V = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<V, QString>)
                _currentSetter->setText(record, std::move(v));
            else if constexpr (std::is_same_v<V, QDateTime>)
                _currentSetter->setDate(record, v);
            else if constexpr (std::is_same_v<V, std::shared_ptr<QMRecord>>)
                _currentSetter->setRecord(record, std::move(v));
            else
                _currentSetter->setList(record, std::move(v));
        },
        std::move(value));
}

void QMXMLDeserializerParserObjectDelegate::setDeserializedDoubleValue(double value)
{
    if (_currentSetter)
        _currentSetter->setDouble(*_i_result, value);
}

void QMXMLDeserializerParserObjectDelegate::setDeserializedBoolValue(bool value)
{
    if (_currentSetter)
        _currentSetter->setBool(*_i_result, value);
}

void QMXMLDeserializerParserObjectDelegate::setDeserializedIntValue(qint32 value)
{
    if (_currentSetter)
        _currentSetter->setInteger(*_i_result, value);
}

void QMXMLDeserializerParserObjectDelegate::setDeserializedShortValue(qint16 value)
{
    if (_currentSetter)
        _currentSetter->setInteger(*_i_result, value);
}

void QMXMLDeserializerParserObjectDelegate::setDeserializedLongValue(qint32 value)
{
    if (_currentSetter)
        _currentSetter->setInteger(*_i_result, value);
}

void QMXMLDeserializerParserObjectDelegate::setDeserializedLongLongValue(qint64 value)
{
    if (_currentSetter)
        _currentSetter->setInteger(*_i_result, value);
}

// List ----------------------------------------------------------------------------------------

void QMXMLDeserializerParserNSArrayDelegate::didStartElement(QMXMLDeserializer &parser,
                                                             std::string_view name,
                                                             std::string_view xsiType)
{
    // An element that names no type is not an item; its children are read as items instead.
    if (xsiType.empty() && m_lastItemClass && name == m_lastItemName) {
        parser.push(
            std::make_unique<QMXMLDeserializerParserObjectDelegate>(this, name, *m_lastItemClass));
        return;
    }
    if (!pushHandlerForTypeName(parser, this, name, xsiType.empty() ? name : xsiType))
        return;
    if (xsiType.empty()) {
        if (const QMRecordClass *cls = classFromName(name)) {
            m_lastItemName.assign(name);
            m_lastItemClass = cls;
        }
    }
}

void QMXMLDeserializerParserNSArrayDelegate::didEndElement(QMXMLDeserializer &parser,
                                                           std::string_view name)
{
    if (name != _elementName)
        return;
    _superDelegate->setDeserializedObjectValue(std::move(_array));
    parser.pop();
}

void QMXMLDeserializerParserNSArrayDelegate::setDeserializedObjectValue(QMXMLObjectValue &&value)
{
    // Lists of this system hold records; texts, dates and nested lists have no place in them.
    if (auto *record = std::get_if<std::shared_ptr<QMRecord>>(&value); record && *record)
        _array.append(std::move(*record));
}

// Text, date and scalars -----------------------------------------------------------------------

void QMXMLDeserializerParserLeafDelegate::didEndElement(QMXMLDeserializer &parser,
                                                        std::string_view name)
{
    if (name != _elementName)
        return;
    deliver();
    parser.pop();
}

void QMXMLDeserializerParserNSStringDelegate::foundCharacters(std::string_view text)
{
    if (m_text.isNull())
        m_text = QString::fromUtf8(text.data(), qsizetype(text.size()));
    else
        m_text += QString::fromUtf8(text.data(), qsizetype(text.size()));
}

void QMXMLDeserializerParserNSStringDelegate::deliver()
{
    // An empty element gives the empty text, which is not the same as no text.
    QString text = std::exchange(m_text, QString());
    if (text.isEmpty())
        text = QString(QLatin1StringView(""));
    _superDelegate->setDeserializedObjectValue(std::move(text));
}

void QMXMLDeserializerParserNSDateDelegate::deliver()
{
    _superDelegate->setDeserializedObjectValue(QMXMLValueReader::readDate(_currentString));
}

template<QMFieldType Type> void QMXMLDeserializerParserScalarDelegate<Type>::deliver()
{
    if constexpr (Type == QMFieldType::Double)
        _superDelegate->setDeserializedDoubleValue(QMXMLValueReader::readDouble(_currentString));
    else if constexpr (Type == QMFieldType::Long)
        _superDelegate->setDeserializedLongValue(QMXMLValueReader::readLong(_currentString));
    else if constexpr (Type == QMFieldType::Bool)
        _superDelegate->setDeserializedBoolValue(QMXMLValueReader::readBool(_currentString));
    else if constexpr (Type == QMFieldType::Int)
        _superDelegate->setDeserializedIntValue(QMXMLValueReader::readInt(_currentString));
    else if constexpr (Type == QMFieldType::Short)
        _superDelegate->setDeserializedShortValue(QMXMLValueReader::readShort(_currentString));
    else
        _superDelegate->setDeserializedLongLongValue(
            QMXMLValueReader::readLongLong(_currentString));
}

template class QMXMLDeserializerParserScalarDelegate<QMFieldType::Double>;
template class QMXMLDeserializerParserScalarDelegate<QMFieldType::Long>;
template class QMXMLDeserializerParserScalarDelegate<QMFieldType::Bool>;
template class QMXMLDeserializerParserScalarDelegate<QMFieldType::Int>;
template class QMXMLDeserializerParserScalarDelegate<QMFieldType::Short>;
template class QMXMLDeserializerParserScalarDelegate<QMFieldType::LongLong>;
