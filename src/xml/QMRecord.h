#pragma once

#include "xml/QMRecordClass.h"
#include "xml/QMRecordField.h"

#include <memory>

// Base of every record the service's answers are mapped onto. A record class declares its
// fields once (QM_DEFINE_RECORD in its .cpp) and is then found by its name.
class QMRecord
{
public:
    virtual ~QMRecord() = default;
    virtual const QMRecordClass &recordClass() const = 0;

    // True when this record is of class cls or of a class derived from it.
    bool isKindOf(const QMRecordClass &cls) const { return recordClass().isSubclassOf(cls); }
};

// In the class body of a record.
#define QM_RECORD(Class)                                                                           \
public:                                                                                            \
    static const QMRecordClass &staticRecordClass();                                               \
    const QMRecordClass &recordClass() const override                                              \
    {                                                                                              \
        return staticRecordClass();                                                                \
    }

// In the record's .cpp: the class, its base record class (or none) and its fields, in order.
#define QM_DEFINE_RECORD_WITH_BASE(Class, BaseClassPtr, ...)                                       \
    const QMRecordClass &Class::staticRecordClass()                                                \
    {                                                                                              \
        static const QMRecordClass cls(                                                            \
            #Class, BaseClassPtr,                                                                  \
            []() -> std::shared_ptr<QMRecord> { return std::make_shared<Class>(); },               \
            {__VA_ARGS__});                                                                        \
        return cls;                                                                                \
    }                                                                                              \
    static const QMRecordClass::Registration qmRecordRegistration##Class(&Class::staticRecordClass);

#define QM_DEFINE_RECORD(Class, ...) QM_DEFINE_RECORD_WITH_BASE(Class, nullptr, __VA_ARGS__)
#define QM_DEFINE_DERIVED_RECORD(Class, Base, ...)                                                 \
    QM_DEFINE_RECORD_WITH_BASE(Class, &Base::staticRecordClass, __VA_ARGS__)

// Shorthand for one field in QM_DEFINE_RECORD: the element name is the member's name.
#define QM_FIELD(Class, member) QMRecordField::make(#member, &Class::member)
