#include "xml/QMRecordClass.h"

#include "xml/QMRecord.h"

#include <map>
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
{}

bool QMRecordClass::isSubclassOf(const QMRecordClass &other) const
{
    for (const QMRecordClass *c = this; c; c = c->baseClass()) {
        if (c == &other)
            return true;
    }
    return false;
}

void QMRecordClass::buildTable() const
{
    // Bases first, so that a field declared again further down replaces the base's entry.
    std::vector<const QMRecordClass *> chain;
    for (const QMRecordClass *c = this; c; c = c->baseClass())
        chain.insert(chain.begin(), c);
    for (const QMRecordClass *c : chain) {
        for (const QMRecordField &f : c->m_fields)
            m_table[std::string_view(f.name())] = &f;
    }
}

const QMRecordField *QMRecordClass::field(std::string_view name) const
{
    std::call_once(m_tableOnce, [this] { buildTable(); });
    auto it = m_table.find(name);
    return it == m_table.end() ? nullptr : it->second;
}

std::vector<const QMRecordField *> QMRecordClass::allFields() const
{
    std::call_once(m_tableOnce, [this] { buildTable(); });
    std::vector<const QMRecordField *> result;
    std::vector<const QMRecordClass *> chain;
    for (const QMRecordClass *c = this; c; c = c->baseClass())
        chain.insert(chain.begin(), c);
    for (const QMRecordClass *c : chain) {
        for (const QMRecordField &f : c->m_fields) {
            if (m_table.at(std::string_view(f.name())) == &f)
                result.push_back(&f);
        }
    }
    return result;
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
