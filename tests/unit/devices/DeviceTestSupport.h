// Shared helpers of the device discovery tests: the calling thread's IVI
// error information, and a lookup wired to fake system configuration objects.
#pragma once

#include "ThreadErrorInfo.h"

#include <atomic>
#include <memory>
#include <string>

#include "FakeSysapi.h"
#include "dvlShared/DeviceInfoStore.h"
#include "dvlShared/DeviceLookup.h"
#include "dvlShared/SysapiFramework.h"
#include "redirector/api/IviEngine.h"
#include "redirector/modules/ModelRouting.h"
#include "zuVEXAtypes.h"

namespace devtest {

using testsupport::ThreadError;
using testsupport::ReadThreadError;

inline constexpr ViStatus kSystemApiError = static_cast<ViStatus>(0xBFFA0000);
inline constexpr ViStatus kNotFound = static_cast<ViStatus>(0xBFFA0060);

inline dvlShared::DeviceRecord StoredDevice(const std::wstring &name, const std::wstring &identifier,
                                            uint32_t kind = 1) {
  return {name, identifier, "PXI1::4::INSTR", kind, 0x1B01};
}

struct Resolution {
  ViStatus status = 0;
  dvlShared::DeviceRecord record;
  bool simulate = false, fromCache = false;
};

// Through the process-wide store and framework, as the open path does.
inline Resolution ResolveInProcess(const char *name, const char *options = "") {
  static std::atomic<zumxl::LanguageId> language{0};
  Resolution result;
  result.status = dvlShared::ResolveDevice("zuVEXA", name, options, result.record, &zumodules::ModelTable,
                                           &zumodules::DefaultModel, result.simulate, result.fromCache,
                                           language);
  return result;
}

// A store and discovery state of their own, reaching a fake framework
// through the fake loader. Destroying it releases every fake object.
class FakeSystem {
public:
  FakeSystem()
      : framework(new fakes::FakeFramework),
        store([this](sysapi::ISysFramework *&fw) { return discovery->GetFramework(fw); }),
        discovery(std::make_unique<dvlShared::SysapiDiscovery>(&fakes::FakeLoader, store)) {
    fakes::Loader().framework = framework;
    fakes::Loader().libraryMissing = false;
    fakes::Loader().instantiateFailure = 0;
    fakes::Loader().instantiations = 0;
    Ivi_ClearErrorInfo(0);
  }
  ~FakeSystem() {
    discovery.reset();
    framework->Release();
  }

  ViStatus Resolve(const char *resourceName, const char *options, dvlShared::DeviceRecord &record) {
    return dvlShared::ResolveDeviceWith(store, *discovery, "zuVEXA", resourceName, options, record,
                                        &zumodules::ModelTable, &zumodules::DefaultModel, simulate,
                                        fromCache, language);
  }

  fakes::FakeFramework *framework;
  dvlShared::DeviceInfoStore store;
  std::unique_ptr<dvlShared::SysapiDiscovery> discovery;
  bool simulate = false, fromCache = false;
  std::atomic<zumxl::LanguageId> language{0};
};

} // namespace devtest
