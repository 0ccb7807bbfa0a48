// The system configuration library as this library reaches it: loading
// libzusysapi.so on first need, the one framework kept for the process with
// the change observer registered, the list of installed experts and the
// cached answer whether the "pimlo" expert exists.
#pragma once

#include <atomic>
#include <mutex>
#include <string>

#include "dvlShared/DeviceInfoStore.h"
#include "platform/SysapiInterfaces.h"
#include "routing/DeviceSearch.h"
#include "zuVEXAtypes.h"
#include "zuapal/StatusRecord.h"
#include "zuapal/protons/synchronization/tRegistryLock.h"

namespace dvlShared {

using zurouting::ExpertProbeOrder;
using zurouting::kExpertPathPrefix;
using zurouting::kPimloExpertName;
using zurouting::kSysapiLibraryFile;

// Finds the framework's create function: returns it, or null when the
// library or its entry point is missing. `handle` keeps the library between
// calls; it is never closed.
using FrameworkLoader = sysapi::InstantiateFrameworkFn (*)(void *&handle);

// Opens libzusysapi.so (immediate binding, global symbols) and resolves
// zusysInstantiateFramework.
sysapi::InstantiateFrameworkFn LoadSysapiLibrary(void *&handle);

// Whether the framework has the expert at `expertPath`.
// zurouting::ExpertPresent, recording its failures for the calling thread.
ViStatus ExpertPresent(sysapi::ISysFramework *framework, const wchar_t *expertPath, bool *present);

class SysapiDiscovery {
public:
  // Observers created with the framework invalidate `observedStore`.
  SysapiDiscovery(FrameworkLoader loader, DeviceInfoStore &observedStore);
  // Releases the framework, which lets go of the observer.
  ~SysapiDiscovery();
  SysapiDiscovery(const SysapiDiscovery &) = delete;
  SysapiDiscovery &operator=(const SysapiDiscovery &) = delete;

  // The framework, created on first need with the observer registered and
  // then kept. Failures of the library are reported
  // (ZUVEXA_ERROR_CANNOT_RECOVER); a failed creation is tried again at the next
  // call.
  ViStatus GetFramework(sysapi::ISysFramework *&framework);

  // "//localhost/" + first installed expert, then "," + each further one;
  // built once. ZUVEXA_ERROR_CANNOT_RECOVER with an elaboration when no expert
  // is installed.
  ViStatus BuildExpertList(sysapi::ISysFramework *framework, std::wstring &expertList);

  // Whether "//localhost/pimlo" exists; asked once, after a successful
  // answer it is kept.
  ViStatus PimloPresent(sysapi::ISysFramework *framework, bool &present);

private:
  ViStatus CreateFramework(sysapi::ISysFramework *&framework);
  ViStatus ProbeExperts(sysapi::ISysFramework *framework, std::wstring &expertList);
  bool CopyReadyExpertList(std::wstring &expertList);

  FrameworkLoader loader_;
  DeviceInfoStore &observedStore_;

  std::mutex creationMutex_; // serialises loading and framework creation
  void *sysapiHandle_ = nullptr;
  std::atomic<sysapi::ISysFramework *> framework_{nullptr};

  zuapal::StatusRecord expertListState_;
  zuapal::tRegistryLock expertListLock_;
  std::wstring expertList_;
  bool expertListReady_ = false;

  std::mutex pimloMutex_;
  bool pimloChecked_ = false;
  bool pimloPresent_ = false;
};

// The discovery state of the process, built when the library is loaded and
// released when it is unloaded (libzusysapi.so itself stays open).
SysapiDiscovery &Discovery();

} // namespace dvlShared
