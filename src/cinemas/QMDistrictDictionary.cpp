#include "cinemas/QMDistrictDictionary.h"

void QMDistrictDictionary::setCounties(const QList<std::shared_ptr<County>> &counties)
{
    clear();
    for (const std::shared_ptr<County> &county : counties) {
        if (!county)
            continue;
        if (!m_codes.contains(county->briefname))
            m_names.append(county->briefname);
        m_codes.insert(county->briefname, county->countycode);
    }
}

void QMDistrictDictionary::clear()
{
    m_names.clear();
    m_codes.clear();
}
