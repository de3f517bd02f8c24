#pragma once

#include <QString>

#include <optional>

// The remembered sign-in: the user name and password of the last successful sign-in, as typed.
// Kept in a file of its own that only its owner may read.
class LogInfo
{
public:
    QString userName;
    QString passWord;

    // The sign-in stored at path; none when the file is missing, damaged or not ours.
    static std::optional<LogInfo> readFromFile(const QString &path);
    // Replaces the file at once (never half written); false when it could not be written.
    bool writeToFile(const QString &path) const;

    // Files larger than this are not read.
    static constexpr qint64 maxFileBytes = 64 * 1024;
};
