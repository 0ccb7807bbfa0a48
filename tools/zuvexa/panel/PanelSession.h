// The one session of the panel, shared by every viewer: each operation takes
// the lock, so requests reach the instrument one at a time. Answers are JSON
// for the page; a failed call answers {"error": {"function", "status",
// "description"}} with the library's description and leaves the panel usable.
#pragma once

#include <cstdint>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "PanelRequests.h"
#include "PanelSettings.h"
#include "zuVEXA.h"

namespace zuvexapanel {

// What one fetch of the page needs of the settings (by default their initial values).
struct Acquisition {
  Acquisition() : Acquisition(SettingValues()) {}
  explicit Acquisition(const SettingValues &values);
  double carrierFrequency, iqRate;
  int64_t numberOfSamples;
};

// {"function", "status" (hex text), "description"} of a failed call on vi.
nlohmann::json CallFailure(ViSession vi, const char *function, ViStatus status);

// Initiates, fetches record 0 and makes the page's frame of it (JSON text);
// `buffer` is reused between calls. {"error": ...} naming the call that failed.
std::string FetchFrame(ViSession vi, const Acquisition &acquisition, std::vector<ViReal64> &buffer);

// The configured devices of the system configuration and the simulated
// analyzer: [{"resource", "options", "label"}], or {"error": ...}.
nlohmann::json ListDevices();

class PanelSession : public PanelBackend {
public:
  PanelSession() = default;
  ~PanelSession() override;
  PanelSession(const PanelSession &) = delete;
  PanelSession &operator=(const PanelSession &) = delete;

  // Closes the current session and opens `resource` with `options`, then
  // applies the panel's settings. Answers the state.
  nlohmann::json Open(const std::string &resource, const std::string &options) override;
  // {"resource", "options", "session" (0: none), "device": {...}, "settings": {...}, "error"?}
  nlohmann::json State() override;
  // Applies each change on its own: {"errors": {member: failure}, "state": ...}.
  nlohmann::json Configure(const SettingChanges &changes) override;
  std::string Frame() override;
  // [{"id", "name", "type", "value"} or with "error"]
  nlohmann::json Attributes() override;
  nlohmann::json SetAttribute(ViAttr id, const nlohmann::json &value) override;
  // A fresh record 0 as CSV lines "index,i,q"; false with `failure` when a call fails.
  bool RecordCsv(std::string &csv, nlohmann::json &failure) override;
  nlohmann::json Devices() override { return ListDevices(); }
  // Closes the session, reporting it on `report`.
  void Close(std::ostream &report);

private:
  nlohmann::json StateLocked() const;
  // Null when the library took the value, else its failure.
  nlohmann::json ApplyLocked(const SettingRow &row, double value);
  nlohmann::json NoSession() const;

  std::mutex mutex_;
  ViSession vi_ = 0;
  std::string resource_, options_;
  nlohmann::json device_ = nlohmann::json::object(), openError_;
  SettingValues settings_;
  std::vector<ViReal64> buffer_;
};

} // namespace zuvexapanel
