#pragma once

#include "xml/QMRecordField.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QMRecord;

// What the mapper knows of a record class: its name, its base, how to make an empty one and the
// table of its fields (its own and its bases'; a field declared again in a derived class wins).
class QMRecordClass
{
public:
    using Factory = std::shared_ptr<QMRecord> (*)();
    using ClassGetter = const QMRecordClass &(*)();

    QMRecordClass(const char *name, ClassGetter base, Factory factory,
                  std::vector<QMRecordField> fields);
    QMRecordClass(const QMRecordClass &) = delete;
    QMRecordClass &operator=(const QMRecordClass &) = delete;

    const std::string &name() const { return m_name; }
    const QMRecordClass *baseClass() const { return m_base ? &m_base() : nullptr; }
    std::shared_ptr<QMRecord> create() const { return m_factory(); }
    bool isSubclassOf(const QMRecordClass &other) const;

    // The field filled by the element of that name, or null.
    const QMRecordField *field(std::string_view name) const;
    // The same, looked up first at position hint and after it (answers list fields mostly in
    // declaration order); hint is moved past the field found.
    const QMRecordField *field(std::string_view name, size_t &hint) const;
    // Every field, bases' first; a redeclared field appears once, with the derived declaration.
    const std::vector<const QMRecordField *> &allFields() const { return m_table; }
    // The class's own fields in declaration order.
    const std::vector<QMRecordField> &ownFields() const { return m_fields; }

    // The record class of exactly that name, looked up only among record classes.
    static const QMRecordClass *named(std::string_view name);
    // The class an element name stands for: the name with a lower-case ASCII first letter made
    // upper case ("simplemovie" -> Simplemovie). Empty or unknown names give none.
    static const QMRecordClass *fromElementName(std::string_view name);

    // Registers a class under its name when the program starts (see QM_DEFINE_RECORD).
    struct Registration
    {
        explicit Registration(ClassGetter getter);
    };

private:
    std::string m_name;
    ClassGetter m_base;
    Factory m_factory;
    std::vector<QMRecordField> m_fields;
    // Every field by name, bases' first, built once with the class. Records have a few dozen
    // fields at most: a linear scan beats hashing here.
    std::vector<const QMRecordField *> m_table;
};
