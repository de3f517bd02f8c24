#include "xml/QMRecordClass.h"

#include "xml/QMRecord.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <shared_mutex>

namespace {
struct Registry
{
    std::shared_mutex mutex;
    std::map<std::string, QMRecordClass::ClassGetter, std::less<>> classes;
};

Registry &registry()
{
    static Registry r;
    return r;
}
} // namespace

QMRecordClass::QMRecordClass(const char *name, ClassGetter base, Factory factory,
                             std::vector<QMRecordField> fields)
    : m_name(name)
    , m_base(base)
    , m_factory(factory)
    , m_fields(std::move(fields))
{
    // A base class's own table is complete already; a field declared again here replaces it.
    if (const QMRecordClass *b = baseClass())
        m_table = b->m_table;
    for (const QMRecordField &f : m_fields) {
        auto same = std::find_if(m_table.begin(), m_table.end(),
                                 [&](const QMRecordField *t) { return t->name() == f.name(); });
        if (same != m_table.end())
            *same = &f;
        else
            m_table.push_back(&f);
    }
}

bool QMRecordClass::isSubclassOf(const QMRecordClass &other) const
{
    for (const QMRecordClass *c = this; c; c = c->baseClass()) {
        if (c == &other)
            return true;
    }
    return false;
}

const QMRecordField *QMRecordClass::field(std::string_view name) const
{
    size_t hint = 0;
    return field(name, hint);
}

const QMRecordField *QMRecordClass::field(std::string_view name, size_t &hint) const
{
    const size_t count = m_table.size();
    for (size_t i = 0; i < count; ++i) {
        const size_t at = (hint + i) % count;
        if (m_table[at]->name() == name) {
            hint = at + 1;
            return m_table[at];
        }
    }
    return nullptr;
}

const QMRecordClass *QMRecordClass::named(std::string_view name)
{
    Registry &r = registry();
    std::shared_lock lock(r.mutex);
    auto it = r.classes.find(name);
    return it == r.classes.end() ? nullptr : &it->second();
}

const QMRecordClass *QMRecordClass::fromElementName(std::string_view name)
{
    if (name.empty())
        return nullptr;
    if (name.front() >= 'a' && name.front() <= 'z') {
        std::string upper(name);
        upper.front() = char(upper.front() - 'a' + 'A');
        return named(upper);
    }
    return named(name);
}

QMRecordClass::Registration::Registration(ClassGetter getter)
{
    Registry &r = registry();
    std::unique_lock lock(r.mutex);
    r.classes.emplace(getter().name(), getter);
}
