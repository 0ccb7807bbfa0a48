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

#include "zuVEXA.h"

namespace zuvexapanel {

struct Acquisition {
  double carrierFrequency = 2.4e9;
  double iqRate = 10e6;
  double referenceLevel = 0.0;
  int64_t numberOfSamples = 4096;
};

inline constexpr int64_t kMaxSamples = int64_t(1) << 24; // what one record may hold on the page

// {"function", "status" (hex text), "description"} of a failed call on vi.
nlohmann::json CallFailure(ViSession vi, const char *function, ViStatus status);

// Initiates, fetches record 0 and makes the page's frame of it (JSON text);
// `buffer` is reused between calls. {"error": ...} when a call fails.
std::string FetchFrame(ViSession vi, const Acquisition &acquisition, std::vector<ViReal64> &buffer);

// The configured devices of the system configuration and the simulated
// analyzer: [{"resource", "options", "label"}], or {"error": ...}.
nlohmann::json ListDevices();

class PanelSession {
public:
  PanelSession() = default;
  ~PanelSession();
  PanelSession(const PanelSession &) = delete;
  PanelSession &operator=(const PanelSession &) = delete;

  // Closes the current session and opens `resource` with `options`, then
  // applies the panel's settings. Answers the state.
  nlohmann::json Open(const std::string &resource, const std::string &options);
  // {"resource", "options", "session" (0: none), "device": {...}, "settings": {...}, "error"?}
  nlohmann::json State();
  // Applies the members of `changes` it holds (carrierFrequency, iqRate,
  // referenceLevel: numbers; numberOfSamples: 1..kMaxSamples), each on its
  // own: {"errors": {member: failure}, "state": ...}. Returns false, with
  // `why`, for a value of the wrong kind; nothing is applied then.
  bool Configure(const nlohmann::json &changes, nlohmann::json &answer, std::string &why);
  std::string Frame();
  // [{"id", "name", "type", "value"} or with "error"]
  nlohmann::json Attributes();
  nlohmann::json SetAttribute(ViAttr id, const nlohmann::json &value);
  // A fresh record 0 as CSV lines "index,i,q"; false with `failure` when a call fails.
  bool RecordCsv(std::string &csv, nlohmann::json &failure);
  // Closes the session, reporting it on `report`.
  void Close(std::ostream &report);

private:
  nlohmann::json StateLocked() const;
  nlohmann::json ApplyLocked(const std::string &member, const nlohmann::json &value);
  nlohmann::json NoSession() const;

  std::mutex mutex_;
  ViSession vi_ = 0;
  std::string resource_, options_;
  nlohmann::json device_ = nlohmann::json::object(), openError_;
  Acquisition acquisition_;
  std::vector<ViReal64> buffer_;
};

} // namespace zuvexapanel
