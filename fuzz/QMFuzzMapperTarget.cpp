#include "QMXMLTestRecords.h"

#include "xml/QMXMLDeserializer.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

// The mapper alone. An input whose first line names a record class and a root element ("MovieList
// data") is mapped onto that class; any other input is mapped whole onto XTAll, which has a field
// of every declared type, from the first element named "data".
namespace {
[[noreturn]] void broken(const char *what)
{
    std::fprintf(stderr, "mapper: %s\n", what);
    std::abort();
}

template<class Record> void requireItems(const QList<std::shared_ptr<Record>> &items)
{
    for (const auto &item : items) {
        if (!item)
            broken("a list holds an empty item");
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray xml(reinterpret_cast<const char *>(data), qsizetype(size));
    const QMRecordClass *cls = &XTAll::staticRecordClass();
    QString root = QStringLiteral("data");
    const qsizetype lineEnd = xml.indexOf('\n');
    if (lineEnd > 0 && lineEnd <= 64) {
        const QList<QByteArray> words = xml.left(lineEnd).split(' ');
        const std::string_view name(words[0].constData(), size_t(words[0].size()));
        if (const QMRecordClass *named = QMRecordClass::named(name)) {
            cls = named;
            root = QString::fromLatin1(words.value(1));
            xml.remove(0, lineEnd + 1);
        }
    }

    auto deserializer = QMXMLDeserializer::create(cls, xml, root);
    if (!deserializer) {
        if (!xml.isNull())
            broken("no deserializer for a class and bytes");
        return 0;
    }
    const std::shared_ptr<QMRecord> record = deserializer->deserialize();
    const QMXMLDeserializer::Status status = deserializer->status();
    if (deserializer->deserialize() != record || deserializer->status() != status)
        broken("a second deserialize gave another outcome");
    if ((status == QMXMLDeserializer::FinishedWithResult) != bool(record))
        broken("the status does not tell the outcome");
    if (record && !record->isKindOf(*cls))
        broken("the root record is of another class");

    if (const auto all = std::dynamic_pointer_cast<XTAll>(record)) {
        requireItems(all->items);
        requireItems(all->anything);
        for (const auto &item : all->items) {
            if (!item->isKindOf(XTItem::staticRecordClass()))
                broken("a list item is of another class than declared");
        }
        if (all->item && !all->item->isKindOf(XTItem::staticRecordClass()))
            broken("a nested record is of another class than declared");
    }
    return 0;
}
