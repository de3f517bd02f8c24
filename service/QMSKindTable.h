#pragma once

#include "QMSKind.h"

#include <string_view>
#include <vector>

// The 35 kinds the service answers, in kind order.
class QMSKindTable
{
public:
    static const std::vector<QMSKind> &all();
    // The kind served at this path (after "/shanghai/api/"), or none.
    static const QMSKind *find(std::string_view path);
};
