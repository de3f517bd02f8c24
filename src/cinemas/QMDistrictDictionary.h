#pragma once

#include "cinemas/County.h"

#include <QHash>
#include <QList>
#include <QStringList>

#include <memory>

// The districts offered for choice: short name -> code. A name listed twice keeps its first
// place and takes the later code; names come in the order the service listed them.
class QMDistrictDictionary
{
public:
    // Empties the dictionary, then takes the counties in order.
    void setCounties(const QList<std::shared_ptr<County>> &counties);
    void clear();

    int count() const { return int(m_names.size()); }
    bool isEmpty() const { return m_names.isEmpty(); }
    const QStringList &names() const { return m_names; }
    // Empty outside the list.
    QString nameAt(int index) const { return m_names.value(index); }
    // Empty for a name not listed.
    QString codeForName(const QString &name) const { return m_codes.value(name); }

private:
    QStringList m_names;
    QHash<QString, QString> m_codes;
};
