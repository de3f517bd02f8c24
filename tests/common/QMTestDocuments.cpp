#include "QMTestDocuments.h"

#include "services/QMDocumentsDirectory.h"

QMTestDocuments::QMTestDocuments()
{
    QMDocumentsDirectory::setPathForTesting(m_dir.path());
}

QMTestDocuments::~QMTestDocuments()
{
    QMDocumentsDirectory::setPathForTesting({});
}
