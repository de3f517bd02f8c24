#pragma once

#include "QMSSignature.h"

#include <string_view>
#include <vector>

class QMSContext;

// One of the 35 request kinds: its path under "/shanghai/api/", the root element of its answer,
// how it is signed, which parameters it reads and the handler that writes its answer.
struct QMSKind
{
    using Handler = void (*)(QMSContext &);

    int number;
    std::string_view path;
    std::string_view root; // "data" or "date"
    // The client's record has an `error` field: refusals go as <data><error>…</error></data>.
    // Other kinds are refused with a body that has no root element, which the client reads as a
    // failure.
    bool errorField;
    QMSDigest digest;
    std::vector<std::string_view> parameters;
    std::vector<std::string_view> freeText;
    Handler handler;
    // The answer depends on nothing but the database, the parameters and the address the client
    // used (not on the time or on who asks), so it can be served again until the next commit.
    bool reusable = false;
};
