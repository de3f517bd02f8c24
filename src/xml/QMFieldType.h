#pragma once

// Declared type of a record field; decides which handler reads the field's element.
enum class QMFieldType {
    Text,     // QString
    Int,      // 32-bit integer
    Long,     // "long": 32 bits on the device, read as 64 bits and kept to the low 32
    LongLong, // 64-bit integer
    Short,    // 16-bit integer
    Double,
    Bool,
    Date,   // QDateTime
    List,   // list of records
    Record, // nested record
};
