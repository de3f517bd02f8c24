#pragma once

#include "QMArtEntry.h"

#include <vector>

// Every picture the application names, with its size in points.
class QMArtCatalog
{
public:
    static const std::vector<QMArtEntry> &entries();
};
