#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class CountyList;
class QMDistrictInfoProvider;

class QMDistrictInfoProviderDelegate
{
public:
    virtual ~QMDistrictInfoProviderDelegate() = default;
    virtual void
    districtInfoProviderDidRecievedDistrictInfo(QMDistrictInfoProvider *provider,
                                                const std::shared_ptr<CountyList> &list) = 0;
    virtual void districtInfoProviderDidRunIntoError(QMDistrictInfoProvider *provider,
                                                     const std::optional<QMError> &error) = 0;
};
