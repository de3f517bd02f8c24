#include "QMSPasswords.h"

#include "QMSSignature.h"

#include <openssl/evp.h>
#include <openssl/rand.h>

#include <stdexcept>
#include <vector>

namespace {

constexpr int iterations = 10000;
constexpr int hashBytes = 32;

std::string toHex(const unsigned char *data, size_t size)
{
    static constexpr char hex[] = "0123456789abcdef";
    std::string out;
    out.reserve(size * 2);
    for (size_t i = 0; i < size; ++i) {
        out += hex[data[i] >> 4];
        out += hex[data[i] & 0x0f];
    }
    return out;
}

std::string derive(std::string_view password, std::string_view salt, int rounds)
{
    unsigned char out[hashBytes];
    if (PKCS5_PBKDF2_HMAC(password.data(), static_cast<int>(password.size()),
                          reinterpret_cast<const unsigned char *>(salt.data()),
                          static_cast<int>(salt.size()), rounds, EVP_sha256(), hashBytes, out) != 1)
        throw std::runtime_error("password hashing failed");
    return toHex(out, hashBytes);
}

} // namespace

std::string QMSPasswords::hash(std::string_view password)
{
    const std::string salt = randomHex(16);
    return "pbkdf2-sha256$" + std::to_string(iterations) + '$' + salt + '$' +
           derive(password, salt, iterations);
}

bool QMSPasswords::verify(std::string_view password, std::string_view stored)
{
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (true) {
        const size_t end = stored.find('$', start);
        parts.push_back(stored.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    if (parts.size() != 4 || parts[0] != "pbkdf2-sha256")
        return false;
    int rounds = 0;
    for (char c : parts[1]) {
        if (c < '0' || c > '9' || rounds > 10000000)
            return false;
        rounds = rounds * 10 + (c - '0');
    }
    if (rounds <= 0)
        return false;
    return QMSSignature::sameText(derive(password, parts[2], rounds), parts[3]);
}

std::string QMSPasswords::randomHex(int bytes)
{
    std::vector<unsigned char> buffer(static_cast<size_t>(bytes));
    if (RAND_bytes(buffer.data(), bytes) != 1)
        throw std::runtime_error("no random bytes");
    return toHex(buffer.data(), buffer.size());
}
