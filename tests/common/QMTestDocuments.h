#pragma once

#include <QTemporaryDir>

// A fresh documents directory for one test; the previous one is restored when it goes.
class QMTestDocuments
{
public:
    QMTestDocuments();
    ~QMTestDocuments();
    QMTestDocuments(const QMTestDocuments &) = delete;
    QMTestDocuments &operator=(const QMTestDocuments &) = delete;

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};
