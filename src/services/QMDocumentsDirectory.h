#pragma once

#include <QString>

// The application's private documents directory: the login file, the picture cache and its
// index live directly inside it. Tests point it at a temporary directory of their own.
class QMDocumentsDirectory
{
public:
    // The directory, created on first use. Without an override it is the platform's
    // application data directory.
    static QString path();

    // Full path of a file directly inside the directory.
    static QString filePath(const QString &fileName);

    // An empty path restores the platform's directory.
    static void setPathForTesting(const QString &path);
};
