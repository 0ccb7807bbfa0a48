#include "SoakWorker.h"

#include <cstdio>

#include "backend_standin.h"
#include "sysapi_standin.h"

namespace soak {
namespace {

constexpr size_t kMaxOpenSessions = 4;
constexpr size_t kMaxFaults = 20;
constexpr ViInt64 kSamples = 100;

// One product of each kind the model table routes to.
const Device kProducts[] = {
    {"", 0x1B02, 1, "Q106"}, // ka
    {"", 0x1A03, 2, "Q103"}, // lem
    {"", 0x1C02, 5, "Q118"}, // tov
    {"", 0x1C08, 6, "Q125"}, // pil
};

} // namespace

std::vector<Device> DevicesOf(int index) {
  Device device = kProducts[index % 4];
  device.name = "Soak" + std::to_string(index);
  Device simulated = device;
  simulated.name += "s";
  return {device, simulated};
}

Worker::Worker(int index, Shared &shared)
    : index_(index), shared_(shared), devices_(DevicesOf(index)), random_(0x5eed + index) {}

void Worker::Run() {
  // Operations and their share of the mix, in percent.
  struct Share {
    int percent;
    void (Worker::*operation)();
  };
  static constexpr Share kMix[] = {{30, &Worker::Open},    {20, &Worker::CloseAny}, {20, &Worker::Forward},
                                   {12, &Worker::Fetch},   {10, &Worker::Describe}, {3, &Worker::Notify},
                                   {5, &Worker::UseClosed}};
  // Every thread opens first, so the modules are loaded while all of them race.
  Open();
  while (shared_.budget.fetch_sub(1) > 0 && std::chrono::steady_clock::now() < shared_.deadline) {
    int pick = std::uniform_int_distribution<int>(0, 99)(random_);
    const Share *share = kMix;
    while (pick >= share->percent) pick -= (share++)->percent;
    (this->*share->operation)();
    shared_.done.fetch_add(1, std::memory_order_relaxed);
  }
  while (!open_.empty()) Close(open_.size() - 1);
}

void Worker::Open() {
  if (open_.size() >= kMaxOpenSessions) return Close(random_() % open_.size());
  const Device &device = devices_[0];
  ViSession vi = 0;
  ViStatus status = VI_SUCCESS;
  SessionKind kind = SessionKind(std::uniform_int_distribution<int>(0, 3)(random_));
  switch (kind) {
  case SessionKind::Normal:
    status = zuVEXA_InitWithOptions(device.name.c_str(), VI_FALSE, VI_FALSE, "", &vi);
    // An open for real closes this thread's earlier normal session of the device.
    for (size_t i = 0; status == VI_SUCCESS && i < open_.size(); ++i) {
      if (open_[i].kind != SessionKind::Normal) continue;
      closed_.push_back(open_[i].vi);
      open_.erase(open_.begin() + static_cast<ptrdiff_t>(i));
      break;
    }
    break;
  case SessionKind::Simulated:
    status = zuVEXA_InitWithOptions(devices_[1].name.c_str(), VI_FALSE, VI_FALSE, "Simulate=1", &vi);
    break;
  case SessionKind::Modelled:
    status = zuVEXA_InitWithOptions(
        "", VI_FALSE, VI_FALSE, (std::string("Simulate=1,DriverSetup=Model:") + device.model).c_str(), &vi);
    break;
  case SessionKind::Calibration:
    status = zuVEXA_InitExtCal(device.name.c_str(), "secret", "", &vi);
    break;
  }
  Opened(status, vi, kind);
}

void Worker::Opened(ViStatus status, ViSession vi, SessionKind kind) {
  Expect(status == VI_SUCCESS && vi != 0, "open", status);
  if (status != VI_SUCCESS || vi == 0) return;
  Expect(BackendStandin_SessionKind(vi) == devices_[0].kind, "open routed to its module", status);
  bool fresh = false;
  {
    std::lock_guard<std::mutex> hold(shared_.mutex);
    fresh = shared_.issued.insert(vi).second;
  }
  Expect(fresh, "open returned a fresh handle", status);
  open_.push_back({vi, kind});
}

void Worker::Close(size_t index) {
  const Session session = open_[index];
  open_.erase(open_.begin() + static_cast<ptrdiff_t>(index));
  const ViStatus status = session.kind == SessionKind::Calibration ? zuVEXA_CloseExtCal(session.vi, 1500)
                                                                   : zuVEXA_close(session.vi);
  Expect(status == VI_SUCCESS, "close", status);
  closed_.push_back(session.vi);
}

Worker::Session &Worker::AnyOpen() { return open_[random_() % open_.size()]; }

void Worker::CloseAny() { open_.empty() ? Open() : Close(random_() % open_.size()); }

// The call reaches this session's instrument and no other.
void Worker::Forward() {
  if (open_.empty()) return Open();
  const ViSession vi = AnyOpen().vi;
  const ViReal64 carrier = 1e9 + 1e3 * static_cast<double>(random_() % 100000);
  ViStatus status = zuVEXA_ConfigureIQCarrierFrequency(vi, "", carrier);
  Expect(status == VI_SUCCESS, "forwarded call", status);
  BackendStandinConfiguration configuration{};
  status = BackendStandin_GetConfiguration(vi, &configuration);
  Expect(status == VI_SUCCESS && configuration.carrierFrequency == carrier,
         "forwarded call reached its session", status);
}

void Worker::Fetch() {
  if (open_.empty()) return Open();
  ViReal64 data[2 * kSamples];
  WaveformInfo info{};
  const ViStatus status =
      zuVEXA_FetchIQSingleRecordComplexF64(AnyOpen().vi, "", 0, kSamples, 1.0, data, &info);
  Expect(status == VI_SUCCESS && info.actualSamples == kSamples, "fetch", status);
}

void Worker::Describe() {
  const ViSession vi = open_.empty() ? 0 : AnyOpen().vi;
  char text[256];
  ViStatus code = 0;
  ViStatus status = VI_SUCCESS;
  switch (random_() % 3) {
  case 0:
    status = zuVEXA_GetErrorMessage(vi, ZUVEXA_ERROR_INVALID_SESSION, sizeof text, text);
    break;
  case 1:
    status = zuVEXA_error_message(vi, ZUVEXA_ERROR_OPTION_BAD_VALUE, text);
    break;
  default:
    status = zuVEXA_GetError(vi, &code, sizeof text, text);
    break;
  }
  Expect(status >= 0, "error description", status);
}

// The notification drops both devices from the cache; the next opens find
// them again. Before any framework exists there is no handler to tell.
void Worker::Notify() {
  const char *names[] = {devices_[0].name.c_str(), devices_[1].name.c_str()};
  const int32_t status = SysapiStandin_NotifyChange(2, names, 2);
  Expect(status == 0 || status == SYSAPISTANDIN_S_NONE, "change notification", status);
}

void Worker::UseClosed() {
  if (closed_.empty()) return Describe();
  const ViStatus status = zuVEXA_ConfigureIQCarrierFrequency(closed_[random_() % closed_.size()], "", 1e9);
  Expect(status == ZUVEXA_ERROR_INVALID_SESSION, "call on a closed handle", status);
}

void Worker::Expect(bool ok, const char *operation, ViStatus status) {
  if (ok) return;
  char fault[160];
  std::snprintf(fault, sizeof fault, "thread %d: %s: status 0x%08X", index_, operation,
                static_cast<unsigned>(status));
  std::lock_guard<std::mutex> hold(shared_.mutex);
  if (shared_.faults.size() < kMaxFaults) shared_.faults.push_back(fault);
}

} // namespace soak
