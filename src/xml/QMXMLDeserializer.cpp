#include "xml/QMXMLDeserializer.h"

#include "xml/QMRecord.h"

#include <QMutexLocker>

#include <expat.h>


namespace {
// Namespace processing gives "uri<sep>local" for names in a namespace; a control character can
// appear in no namespace name.
constexpr char kNamespaceSeparator = '\x01';
constexpr std::string_view kXsiType = "http://www.w3.org/2001/XMLSchema-instance\x01type";

// One pass over the name: its length and what follows the last separator.
std::string_view localName(const XML_Char *name)
{
    const char *start = name;
    const char *p = name;
    for (; *p; ++p) {
        if (*p == kNamespaceSeparator)
            start = p + 1;
    }
    return std::string_view(start, size_t(p - start));
}
} // namespace

struct QMXMLDeserializer::Expat
{
    static QMXMLDeserializer &self(void *userData)
    {
        return *static_cast<QMXMLDeserializer *>(userData);
    }

    static void reject(QMXMLDeserializer &d)
    {
        d.m_rejected = true;
        d.stopParser();
    }

    static void start(void *userData, const XML_Char *name, const XML_Char **attributes)
    {
        QMXMLDeserializer &d = self(userData);
        if (d.m_stopped)
            return;
        if (++d.m_depth > maxDepth) {
            reject(d);
            return;
        }
        std::string_view xsiType;
        for (const XML_Char **a = attributes; a && *a; a += 2) {
            if (kXsiType == a[0]) {
                xsiType = a[1];
                break;
            }
        }
        d.top()->didStartElement(d, localName(name), xsiType);
    }

    static void end(void *userData, const XML_Char *name)
    {
        QMXMLDeserializer &d = self(userData);
        if (d.m_stopped)
            return;
        --d.m_depth;
        d.top()->didEndElement(d, localName(name));
    }

    static void characters(void *userData, const XML_Char *s, int len)
    {
        QMXMLDeserializer &d = self(userData);
        if (!d.m_inCdata && !d.m_stopped)
            d.top()->foundCharacters(std::string_view(s, size_t(len)));
    }

    static void startCdata(void *userData) { self(userData).m_inCdata = true; }
    static void endCdata(void *userData) { self(userData).m_inCdata = false; }

    // A document type declaration could define entities that expand without bound; answers
    // have no use for one.
    static void doctype(void *userData, const XML_Char *, const XML_Char *, const XML_Char *, int)
    {
        reject(self(userData));
    }
};

std::unique_ptr<QMXMLDeserializer> QMXMLDeserializer::create(const QMRecordClass *cls,
                                                             const QByteArray &xml,
                                                             const QString &elementName)
{
    if (!cls || xml.isNull())
        return nullptr;
    const QByteArray name =
        elementName.isEmpty() ? QByteArray::fromStdString(cls->name()) : elementName.toUtf8();
    return std::unique_ptr<QMXMLDeserializer>(
        new QMXMLDeserializer(*cls, xml, std::string_view(name.constData(), size_t(name.size()))));
}

QMXMLDeserializer::QMXMLDeserializer(const QMRecordClass &cls, QByteArray xml,
                                     std::string_view elementName)
    : QMXMLDeserializerParserDelegate(nullptr, elementName)
    , _class(cls)
    , _xml(std::move(xml))
{}

QMXMLDeserializer::~QMXMLDeserializer() = default;

std::shared_ptr<QMRecord> QMXMLDeserializer::deserialize()
{
    QMutexLocker locker(&_instanceLock);
    if (_status == NotRun) {
        _status = Running;
        run();
        _status = _result ? FinishedWithResult : FinishedWithoutResult;
    }
    return _status == FinishedWithResult ? _result : nullptr;
}

void QMXMLDeserializer::run()
{
    XML_Parser parser = XML_ParserCreateNS("UTF-8", kNamespaceSeparator);
    if (!parser)
        return;
    m_parser = parser;
    XML_SetUserData(parser, this);
    XML_SetElementHandler(parser, &Expat::start, &Expat::end);
    XML_SetCharacterDataHandler(parser, &Expat::characters);
    XML_SetCdataSectionHandler(parser, &Expat::startCdata, &Expat::endCdata);
    XML_SetStartDoctypeDeclHandler(parser, &Expat::doctype);
    XML_SetParamEntityParsing(parser, XML_PARAM_ENTITY_PARSING_NEVER);

    // The outcome of the parse itself does not matter: stopping after the root record is a
    // success, and an error before it leaves no record.
    XML_Parse(parser, _xml.constData(), int(_xml.size()), XML_TRUE);

    XML_ParserFree(parser);
    m_parser = nullptr;
    m_stack.clear();
    m_owned.clear();
    if (m_rejected)
        _result.reset();
}

void QMXMLDeserializer::stopParser()
{
    // Expat may still deliver a few events after a stop; they are ignored.
    m_stopped = true;
    XML_StopParser(static_cast<XML_Parser>(m_parser), XML_FALSE);
}

QMXMLDeserializerParserDelegate *QMXMLDeserializer::top()
{
    return m_stack.empty() ? this : m_stack.back();
}

void QMXMLDeserializer::push(std::unique_ptr<QMXMLDeserializerParserDelegate> handler)
{
    m_stack.push_back(handler.get());
    m_owned.push_back(std::move(handler));
}

void QMXMLDeserializer::pushLeaf(QMFieldType type, QMXMLDeserializerParserDelegate *parent,
                                 std::string_view elementName)
{
    std::unique_ptr<QMXMLDeserializerParserLeafDelegate> &leaf = m_leaves[int(type)];
    if (!leaf) {
        switch (type) {
        case QMFieldType::Text:
            leaf = std::make_unique<QMXMLDeserializerParserNSStringDelegate>(parent, elementName);
            break;
        case QMFieldType::Date:
            leaf = std::make_unique<QMXMLDeserializerParserNSDateDelegate>(parent, elementName);
            break;
        case QMFieldType::Double:
            leaf = std::make_unique<QMXMLDeserializerParserDoubleDelegate>(parent, elementName);
            break;
        case QMFieldType::Long:
            leaf = std::make_unique<QMXMLDeserializerParserLongDelegate>(parent, elementName);
            break;
        case QMFieldType::Bool:
            leaf = std::make_unique<QMXMLDeserializerParserBoolDelegate>(parent, elementName);
            break;
        case QMFieldType::Int:
            leaf = std::make_unique<QMXMLDeserializerParserIntDelegate>(parent, elementName);
            break;
        case QMFieldType::Short:
            leaf = std::make_unique<QMXMLDeserializerParserShortDelegate>(parent, elementName);
            break;
        case QMFieldType::LongLong:
            leaf = std::make_unique<QMXMLDeserializerParserLongLongDelegate>(parent, elementName);
            break;
        case QMFieldType::List:
        case QMFieldType::Record:
            return; // not leaves
        }
    } else {
        leaf->reuse(parent, elementName);
    }
    m_stack.push_back(leaf.get());
}

void QMXMLDeserializer::pop()
{
    if (m_stack.empty())
        return;
    QMXMLDeserializerParserDelegate *handler = m_stack.back();
    m_stack.pop_back();
    if (!m_owned.empty() && m_owned.back().get() == handler)
        m_owned.pop_back();
}

void QMXMLDeserializer::didStartElement(QMXMLDeserializer &parser, std::string_view name,
                                        std::string_view)
{
    if (name == _elementName) {
        parser.push(std::make_unique<QMXMLDeserializerParserObjectDelegate>(this, name, _class));
    }
}

void QMXMLDeserializer::setDeserializedObjectValue(QMXMLObjectValue &&value)
{
    if (auto *record = std::get_if<std::shared_ptr<QMRecord>>(&value)) {
        _result = std::move(*record);
        // Nothing after the root record is read.
        stopParser();
    }
}
