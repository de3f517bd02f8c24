#pragma once

#include "xml/QMRecord.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>

// Records with one field of every declared type, for the mapper's tests.
class XTItem : public QMRecord
{
    QM_RECORD(XTItem)

public:
    QString name;
};

class XTSpecialItem : public XTItem
{
    QM_RECORD(XTSpecialItem)

public:
    qint32 extra = 0;
};

class XTOther : public QMRecord
{
    QM_RECORD(XTOther)

public:
    QString name;
};

class XTAll : public QMRecord
{
    QM_RECORD(XTAll)

public:
    QString text;
    qint32 integer = 0;
    qint32 longInteger = 0;
    qint64 longLong = 0;
    qint16 shortInteger = 0;
    double number = 0;
    bool flag = false;
    QDateTime date;
    std::shared_ptr<XTItem> item;
    QList<std::shared_ptr<XTItem>> items;
    QList<std::shared_ptr<QMRecord>> anything;
};
