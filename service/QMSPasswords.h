#pragma once

#include <string>
#include <string_view>

// Salted password hashes (PBKDF2-HMAC-SHA256) and random tokens. A stored hash reads
// "pbkdf2-sha256$ITERATIONS$SALT$HASH" so the cost can be raised later without breaking it.
class QMSPasswords
{
public:
    static std::string hash(std::string_view password);
    static bool verify(std::string_view password, std::string_view stored);
    // Hex text of the given number of random bytes.
    static std::string randomHex(int bytes);
};
