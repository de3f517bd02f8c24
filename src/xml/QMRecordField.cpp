#include "xml/QMRecordField.h"

#include "xml/QMRecord.h"

QMRecordField::QMRecordField(std::string name, QMFieldType type, ClassGetter valueClass,
                             std::shared_ptr<const Accessor> accessor)
    : m_name(std::move(name))
    , m_type(type)
    , m_valueClass(valueClass)
    , m_accessor(std::move(accessor))
{}

const QMRecordClass *QMRecordField::valueClass() const
{
    return m_valueClass ? &m_valueClass() : nullptr;
}

void QMRecordField::setText(QMRecord &record, QString &&value) const
{
    if (m_type == QMFieldType::Text)
        m_accessor->setText(record, std::move(value));
}

void QMRecordField::setDate(QMRecord &record, const QDateTime &value) const
{
    if (m_type == QMFieldType::Date)
        m_accessor->setDate(record, value);
}

void QMRecordField::setInteger(QMRecord &record, qint64 value) const
{
    switch (m_type) {
    case QMFieldType::Int:
    case QMFieldType::Long:
    case QMFieldType::LongLong:
    case QMFieldType::Short:
        m_accessor->setInteger(record, value);
        break;
    default:
        break;
    }
}

void QMRecordField::setDouble(QMRecord &record, double value) const
{
    if (m_type == QMFieldType::Double)
        m_accessor->setDouble(record, value);
}

void QMRecordField::setBool(QMRecord &record, bool value) const
{
    if (m_type == QMFieldType::Bool)
        m_accessor->setBool(record, value);
}

void QMRecordField::setRecord(QMRecord &record, std::shared_ptr<QMRecord> &&value) const
{
    if (m_type != QMFieldType::Record || !value || !value->isKindOf(*valueClass()))
        return;
    m_accessor->setRecord(record, std::move(value));
}

void QMRecordField::setList(QMRecord &record, QList<std::shared_ptr<QMRecord>> &&items) const
{
    if (m_type != QMFieldType::List)
        return;
    // Items of another class than the declared one are left out rather than mistyped.
    if (const QMRecordClass *itemClass = valueClass()) {
        items.removeIf([itemClass](const std::shared_ptr<QMRecord> &item) {
            return !item || !item->isKindOf(*itemClass);
        });
    }
    m_accessor->setList(record, std::move(items));
}
