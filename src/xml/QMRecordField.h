#pragma once

#include "xml/QMFieldType.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>
#include <string>
#include <type_traits>

class QMRecord;
class QMRecordClass;

// One declared field of a record class: the element name that fills it, its declared type and
// how to store a value in it. Values are stored only when their kind matches the declared type
// (a nested record or list item only when it is of the declared class or derived from it).
class QMRecordField
{
public:
    using ClassGetter = const QMRecordClass &(*)();

    // Stores values into one member of a record; each member type implements its own kind.
    class Accessor
    {
    public:
        virtual ~Accessor() = default;
        virtual void setText(QMRecord &, QString &&) const {}
        virtual void setDate(QMRecord &, const QDateTime &) const {}
        virtual void setInteger(QMRecord &, qint64) const {}
        virtual void setDouble(QMRecord &, double) const {}
        virtual void setBool(QMRecord &, bool) const {}
        virtual void setRecord(QMRecord &, std::shared_ptr<QMRecord> &&) const {}
        virtual void setList(QMRecord &, QList<std::shared_ptr<QMRecord>> &&) const {}
    };

    QMRecordField(std::string name, QMFieldType type, ClassGetter valueClass,
                  std::shared_ptr<const Accessor> accessor);

    // A field for a member: the declared type follows the member's C++ type (QString, qint32,
    // qint64, qint16, double, bool, QDateTime, std::shared_ptr<R>, QList<std::shared_ptr<R>>).
    template<class C, class M> static QMRecordField make(const char *name, M C::*member);
    // A "long" field: a 32-bit member read as a 64-bit number kept to its low 32 bits.
    template<class C> static QMRecordField makeLong(const char *name, qint32 C::*member);

    const std::string &name() const { return m_name; }
    QMFieldType type() const { return m_type; }
    // For a record field its declared class; for a list its item class (none: any record).
    const QMRecordClass *valueClass() const;

    void setText(QMRecord &record, QString &&value) const;
    void setDate(QMRecord &record, const QDateTime &value) const;
    void setInteger(QMRecord &record, qint64 value) const;
    void setDouble(QMRecord &record, double value) const;
    void setBool(QMRecord &record, bool value) const;
    void setRecord(QMRecord &record, std::shared_ptr<QMRecord> &&value) const;
    void setList(QMRecord &record, QList<std::shared_ptr<QMRecord>> &&items) const;

private:
    template<class C, class M> class MemberAccessor;

    std::string m_name;
    QMFieldType m_type;
    ClassGetter m_valueClass;
    std::shared_ptr<const Accessor> m_accessor;
};

namespace QMRecordFieldDetail {
template<class T> struct IsSharedPtr : std::false_type
{
};
template<class R> struct IsSharedPtr<std::shared_ptr<R>> : std::true_type
{
    using Record = R;
};
template<class T> struct IsRecordList : std::false_type
{
};
template<class R> struct IsRecordList<QList<std::shared_ptr<R>>> : std::true_type
{
    using Record = R;
};
} // namespace QMRecordFieldDetail

template<class C, class M>
class QMRecordField::MemberAccessor final : public QMRecordField::Accessor
{
public:
    explicit MemberAccessor(M C::*member)
        : m_member(member)
    {}

    void setText(QMRecord &r, QString &&v) const override
    {
        if constexpr (std::is_same_v<M, QString>)
            self(r).*m_member = std::move(v);
    }
    void setDate(QMRecord &r, const QDateTime &v) const override
    {
        if constexpr (std::is_same_v<M, QDateTime>)
            self(r).*m_member = v;
    }
    void setInteger(QMRecord &r, qint64 v) const override
    {
        if constexpr (std::is_integral_v<M> && !std::is_same_v<M, bool>)
            self(r).*m_member = M(v);
    }
    void setDouble(QMRecord &r, double v) const override
    {
        if constexpr (std::is_same_v<M, double>)
            self(r).*m_member = v;
    }
    void setBool(QMRecord &r, bool v) const override
    {
        if constexpr (std::is_same_v<M, bool>)
            self(r).*m_member = v;
    }
    void setRecord(QMRecord &r, std::shared_ptr<QMRecord> &&v) const override
    {
        if constexpr (QMRecordFieldDetail::IsSharedPtr<M>::value) {
            using R = typename QMRecordFieldDetail::IsSharedPtr<M>::Record;
            self(r).*m_member = std::static_pointer_cast<R>(std::move(v));
        }
    }
    void setList(QMRecord &r, QList<std::shared_ptr<QMRecord>> &&items) const override
    {
        if constexpr (QMRecordFieldDetail::IsRecordList<M>::value) {
            using R = typename QMRecordFieldDetail::IsRecordList<M>::Record;
            M list;
            list.reserve(items.size());
            for (auto &item : items)
                list.append(std::static_pointer_cast<R>(std::move(item)));
            self(r).*m_member = std::move(list);
        }
    }

private:
    // The field table of a class only ever names members of that class or of its bases.
    static C &self(QMRecord &r) { return static_cast<C &>(r); }

    M C::*m_member;
};

template<class C, class M> QMRecordField QMRecordField::make(const char *name, M C::*member)
{
    using namespace QMRecordFieldDetail;
    QMFieldType type;
    ClassGetter valueClass = nullptr;
    if constexpr (std::is_same_v<M, QString>) {
        type = QMFieldType::Text;
    } else if constexpr (std::is_same_v<M, bool>) {
        type = QMFieldType::Bool;
    } else if constexpr (std::is_same_v<M, qint16>) {
        type = QMFieldType::Short;
    } else if constexpr (std::is_same_v<M, qint32>) {
        type = QMFieldType::Int;
    } else if constexpr (std::is_same_v<M, qint64>) {
        type = QMFieldType::LongLong;
    } else if constexpr (std::is_same_v<M, double>) {
        type = QMFieldType::Double;
    } else if constexpr (std::is_same_v<M, QDateTime>) {
        type = QMFieldType::Date;
    } else if constexpr (IsSharedPtr<M>::value) {
        type = QMFieldType::Record;
        valueClass = &IsSharedPtr<M>::Record::staticRecordClass;
    } else if constexpr (IsRecordList<M>::value) {
        type = QMFieldType::List;
        using R = typename IsRecordList<M>::Record;
        if constexpr (!std::is_same_v<R, QMRecord>)
            valueClass = &R::staticRecordClass;
    } else {
        static_assert(sizeof(M) == 0, "unsupported record field type");
    }
    return QMRecordField(name, type, valueClass, std::make_shared<MemberAccessor<C, M>>(member));
}

template<class C> QMRecordField QMRecordField::makeLong(const char *name, qint32 C::*member)
{
    return QMRecordField(name, QMFieldType::Long, nullptr,
                         std::make_shared<MemberAccessor<C, qint32>>(member));
}
