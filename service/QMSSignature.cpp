#include "QMSSignature.h"

#include "QMSQuery.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>

QMSSignature::QMSSignature(std::string partnerKey, std::string privateKey)
    : m_partnerKey(std::move(partnerKey))
    , m_privateKey(std::move(privateKey))
{}

bool QMSSignature::accepts(const QMSQuery &query, QMSDigest digest) const
{
    const std::string *key = query.find("key");
    const std::string *code = query.find("encryptCode");
    if (!key || !code || !sameText(*key, m_partnerKey))
        return false;
    std::string bound;
    switch (digest) {
    case QMSDigest::Ordinary:
        break;
    case QMSDigest::Screening:
        bound = query.value("mpid");
        break;
    case QMSDigest::Order:
        bound = query.value("mpid") + query.value("mobile") + query.value("seatLabel");
        break;
    }
    return sameText(*code, this->bound(bound));
}

bool QMSSignature::acceptsPayment(std::string_view userName, std::string_view password,
                                  std::string_view encode) const
{
    std::string text(userName);
    text += password;
    text += m_privateKey;
    return sameText(encode, md5Hex(text));
}

std::string QMSSignature::bound(std::string_view text) const
{
    std::string all(text);
    all += m_partnerKey;
    all += m_privateKey;
    return md5Hex(all);
}

std::string QMSSignature::md5Hex(std::string_view text)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_Digest(text.data(), text.size(), digest, &length, EVP_md5(), nullptr);
    static constexpr char hex[] = "0123456789abcdef";
    std::string out;
    out.reserve(length * 2);
    for (unsigned int i = 0; i < length; ++i) {
        out += hex[digest[i] >> 4];
        out += hex[digest[i] & 0x0f];
    }
    return out;
}

bool QMSSignature::sameText(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && CRYPTO_memcmp(a.data(), b.data(), a.size()) == 0;
}
