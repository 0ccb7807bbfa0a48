#include "dvlShared/SysapiFramework.h"

#include <cwchar>
#include <mutex>
#include <new>
#include <shared_mutex>

#include "dvlShared/DiscoveryStatus.h"
#include "dvlShared/SysapiObserver.h"
#include "dvlShared/SysapiRefs.h"
#include "status/Status.h"
#include "status/StatusCodes.h"
#include "zu/dsc/CZUMutex.h"
#include "zudynlib/dynload.h"

namespace dvlShared {
sysapi::InstantiateFrameworkFn LoadSysapiLibrary(void *&handle) {
  zuerr::Status status;
  if (handle == nullptr) handle = zudynlib::LoadLibrary(kSysapiLibraryFile, zudynlib::kBindNowGlobal, status);
  if (handle == nullptr) return nullptr;
  void *symbol = zudynlib::GetSymbol(handle, sysapi::kInstantiateFrameworkSymbol, status);
  return reinterpret_cast<sysapi::InstantiateFrameworkFn>(symbol);
}

ViStatus ExpertPresent(sysapi::ISysFramework *framework, const wchar_t *expertPath, bool *present) {
  zurouting::Failure failure;
  return ReportFailure(zurouting::ExpertPresent(framework, expertPath, present, failure), failure);
}

SysapiDiscovery::SysapiDiscovery(FrameworkLoader loader, DeviceInfoStore &observedStore)
    : loader_(loader), observedStore_(observedStore), expertListLock_(expertListState_) {
  // The observer's last release, which the framework's release at the end
  // may cause, needs the reference-count mutex: build it first so that it
  // is destroyed after this object.
  zu::dsc::ProcessReferenceCountMutex();
}

SysapiDiscovery::~SysapiDiscovery() {
  if (sysapi::ISysFramework *framework = framework_.exchange(nullptr)) framework->Release();
}

ViStatus SysapiDiscovery::GetFramework(sysapi::ISysFramework *&framework) {
  framework = framework_.load(std::memory_order_acquire);
  if (framework != nullptr) return VI_SUCCESS;
  std::lock_guard<std::mutex> hold(creationMutex_);
  framework = framework_.load(std::memory_order_acquire);
  if (framework != nullptr) return VI_SUCCESS;
  ViStatus status = CreateFramework(framework);
  if (status < 0) {
    framework = nullptr;
    return status;
  }
  framework_.store(framework, std::memory_order_release);
  return VI_SUCCESS;
}

// Runs under creationMutex_. The observer's own reference is dropped in every
// case; the framework keeps one of its own when registration succeeds.
// Invalidation asks for the framework while holding the store's write lock,
// so the library must not deliver a notification on this thread during
// registration.
ViStatus SysapiDiscovery::CreateFramework(sysapi::ISysFramework *&created) {
  sysapi::InstantiateFrameworkFn instantiate = loader_(sysapiHandle_);
  if (instantiate == nullptr) return ReportSysapiFailure(sysapi::kFailure);

  SysRef<sysapi::ISysFramework> framework;
  sysapi::SysStatus r = instantiate(framework.out());
  if (r < 0) return ReportSysapiFailure(r);
  if (!framework) return ReportSysapiFailure(sysapi::kFailure);

  std::wstring expertList;
  ViStatus status = BuildExpertList(framework.get(), expertList);
  if (status < 0) return status;

  SysRef<ImxSysNotificationHandler> observer(CreateObserver(observedStore_));
  if (!observer) return ZUVEXA_ERROR_REGISTRY_UNUSABLE;
  r = framework->RegisterNotificationHandler(expertList.c_str(), observer.get(), 0);
  if (r < 0) return ReportSysapiFailure(r);

  created = framework.detach();
  return VI_SUCCESS;
}

ViStatus SysapiDiscovery::BuildExpertList(sysapi::ISysFramework *framework, std::wstring &expertList) {
  try {
    if (CopyReadyExpertList(expertList)) return VI_SUCCESS;
    std::wstring probed;
    ViStatus status = ProbeExperts(framework, probed);
    if (status < 0) return status;
    if (expertListState_.isError()) return MapPlatformFailure(expertListState_.code);
    {
      std::lock_guard guard(expertListLock_);
      if (!expertListReady_) {
        expertList_ = std::move(probed);
        expertListReady_ = true;
      }
    }
    CopyReadyExpertList(expertList);
    return VI_SUCCESS;
  } catch (const std::bad_alloc &) {
    return ZUVEXA_ERROR_OUT_OF_MEMORY;
  }
}

bool SysapiDiscovery::CopyReadyExpertList(std::wstring &expertList) {
  if (expertListState_.isError()) return false;
  std::shared_lock guard(expertListLock_);
  if (!expertListReady_) return false;
  expertList = expertList_;
  return true;
}

// "pimlo" is answered through the kept answer.
ViStatus SysapiDiscovery::ProbeExperts(sysapi::ISysFramework *framework, std::wstring &expertList) {
  zurouting::Failure failure;
  const auto isPresent = [&](const wchar_t *name, bool &present) {
    if (std::wcscmp(name, kPimloExpertName) == 0) return PimloPresent(framework, present);
    return ExpertPresent(framework, (std::wstring(kExpertPathPrefix) + name).c_str(), &present);
  };
  return ReportFailure(zurouting::ListExperts(isPresent, expertList, failure), failure);
}

ViStatus SysapiDiscovery::PimloPresent(sysapi::ISysFramework *framework, bool &present) {
  std::lock_guard<std::mutex> hold(pimloMutex_);
  if (pimloChecked_) {
    present = pimloPresent_;
    return VI_SUCCESS;
  }
  std::wstring path = std::wstring(kExpertPathPrefix) + kPimloExpertName;
  ViStatus status = ExpertPresent(framework, path.c_str(), &present);
  if (status < 0) return status;
  pimloPresent_ = present;
  pimloChecked_ = true;
  return status;
}

SysapiDiscovery &Discovery() {
  static SysapiDiscovery discovery(&LoadSysapiLibrary, DeviceStore());
  return discovery;
}

namespace {

// Builds the discovery state while the library loads.
[[maybe_unused]] SysapiDiscovery &gDiscoveryBuiltAtLoad = Discovery();
} // namespace

} // namespace dvlShared
