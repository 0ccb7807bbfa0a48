#include "dvlShared/DeviceSearch.h"

#include "dvlShared/DiscoveryStatus.h"

namespace dvlShared {

ViStatus FindDevice(sysapi::ISysFramework *framework, const std::wstring &expertList,
                    const std::wstring &deviceName, DeviceRecord &record, bool &found) {
  zurouting::Failure failure;
  return ReportFailure(zurouting::FindDevice(framework, expertList, deviceName, record, found, failure),
                       failure);
}

} // namespace dvlShared
