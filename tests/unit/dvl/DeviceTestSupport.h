// A device lookup wired to fake system configuration objects.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>

#include "FakeSysapi.h"
#include "ThreadErrorInfo.h"
#include "dvlShared/DeviceInfoStore.h"
#include "dvlShared/SysapiFramework.h"
#include "platform/IviEngine.h"
#include "redirector/modules/DeviceLookup.h"
#include "redirector/modules/ModelRouting.h"

namespace devtest {

using testsupport::ReadThreadError;
using testsupport::ThreadError;

inline constexpr ViStatus kSystemApiError = static_cast<ViStatus>(0xBFFA0000);
inline constexpr ViStatus kNotFound = static_cast<ViStatus>(0xBFFA0060);

inline ViStatus NoFramework(sysapi::ISysFramework *&framework) {
  framework = nullptr;
  return kSystemApiError;
}

inline dvlShared::DeviceRecord StoredDevice(const std::wstring &name, const std::wstring &identifier,
                                            uint32_t kind = 1) {
  return {name, identifier, "PXI1::4::INSTR", kind, 0x1B01};
}

inline ViStatus ResolveWith(dvlShared::DeviceInfoStore &store, dvlShared::SysapiDiscovery &discovery,
                            const char *name, const char *options, dvlShared::DeviceRecord &record,
                            bool &fromCache) {
  static std::atomic<zumxl::LanguageId> language{0};
  bool simulate = false;
  return zumodules::ResolveDeviceWith(store, discovery, "zuVEXA", name, options, record,
                                      &zumodules::ModelTable, &zumodules::DefaultModel, simulate, fromCache,
                                      language);
}

// A store and discovery of their own over a fake framework; destroying it releases every fake.
class FakeSystem {
public:
  FakeSystem()
      : framework(new fakes::FakeFramework),
        store([this](sysapi::ISysFramework *&fw) { return discovery->GetFramework(fw); }),
        discovery(std::make_unique<dvlShared::SysapiDiscovery>(&fakes::FakeLoader, store)) {
    fakes::gFramework = framework;
    fakes::gInstantiateFailure = 0;
    fakes::gInstantiations = 0;
    Ivi_ClearErrorInfo(0);
  }
  ~FakeSystem() {
    discovery.reset();
    framework->Release();
  }

  ViStatus Resolve(const char *name, const char *options, dvlShared::DeviceRecord &record) {
    return ResolveWith(store, *discovery, name, options, record, fromCache);
  }

  fakes::FakeFramework *framework;
  dvlShared::DeviceInfoStore store;
  std::unique_ptr<dvlShared::SysapiDiscovery> discovery;
  bool fromCache = false;
};

} // namespace devtest
