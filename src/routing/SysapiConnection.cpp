#include "routing/SysapiConnection.h"

#include <dlfcn.h>

#include "routing/DeviceSearch.h"

namespace zurouting {

SysapiConnection::~SysapiConnection() {
  framework_.reset();
  if (library_ != nullptr) dlclose(library_);
}

ViStatus SysapiConnection::Open(Failure &failure) {
  // The system configuration library stays mapped after the connection
  // closes: what it keeps for the process (and any thread of its own) must
  // not lose its code.
  library_ = dlopen(kSysapiLibraryFile, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
  void *symbol = library_ != nullptr ? dlsym(library_, sysapi::kInstantiateFrameworkSymbol) : nullptr;
  if (symbol == nullptr) return SysapiFailure(sysapi::kFailure, failure);
  const sysapi::SysStatus r = reinterpret_cast<sysapi::InstantiateFrameworkFn>(symbol)(framework_.out());
  if (r < 0) return SysapiFailure(r, failure);
  if (!framework_) return SysapiFailure(sysapi::kFailure, failure);
  const auto isPresent = [&](const wchar_t *name, bool &present) {
    return ExpertPresent(framework_.get(), (std::wstring(kExpertPathPrefix) + name).c_str(), &present,
                         failure);
  };
  return ListExperts(isPresent, expertList_, failure);
}

ViStatus SysapiConnection::FindDevice(const std::wstring &deviceName, DeviceRecord &record, bool &found,
                                      Failure &failure) {
  return zurouting::FindDevice(framework_.get(), expertList_, deviceName, record, found, failure);
}

ViStatus SysapiConnection::ListDevices(std::vector<ListedDevice> &devices, Failure &failure) {
  return zurouting::ListDevices(framework_.get(), expertList_, devices, failure);
}

ViStatus SysapiConnection::PimloPresent(bool &present, Failure &failure) {
  return ExpertPresent(framework_.get(), (std::wstring(kExpertPathPrefix) + kPimloExpertName).c_str(),
                       &present, failure);
}

} // namespace zurouting
