#pragma once

#include <string>
#include <string_view>

class QMSQuery;

// Which digest a kind carries in `encryptCode`.
enum class QMSDigest {
    Ordinary,  // md5(KEY + PRIV), the same on every request
    Screening, // md5(mpid + KEY + PRIV)
    Order,     // md5(mpid + mobile + seatLabel + KEY + PRIV)
};

// Checks the partner key and the digests that prove the sender knows both keys.
class QMSSignature
{
public:
    QMSSignature(std::string partnerKey, std::string privateKey);

    const std::string &partnerKey() const { return m_partnerKey; }

    bool accepts(const QMSQuery &query, QMSDigest digest) const;
    // The payment page's encode: md5(user name + password + PRIV).
    bool acceptsPayment(std::string_view userName, std::string_view password,
                        std::string_view encode) const;

    std::string bound(std::string_view text) const;
    static std::string md5Hex(std::string_view text);
    static bool sameText(std::string_view a, std::string_view b);

private:
    std::string m_partnerKey;
    std::string m_privateKey;
};
