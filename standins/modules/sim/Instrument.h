// The simulated instrument: per-session configuration and attributes, the
// tone offset shared by all sessions, and the thread-local-storage index
// each module kind was given.
#pragma once

#include <array>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "Scene.h"
#include "backend_standin.h"
#include "redirector/catalogue/CatalogueTypes.h"

namespace backendstandin {

using AttributeValue =
    std::variant<ViInt64, ViReal64, std::string, std::vector<ViReal64>, std::vector<ZUComplexNumber>>;
using AttributeKey = std::pair<std::string, ViAttr>; // channel name ("" for none), attribute id

BackendStandinConfiguration DefaultConfiguration();

// Settings beside the configuration that control functions report.
struct AcquisitionExtras {
  ViInt64 samplesFinite = VI_TRUE;
  ViInt64 recordsFinite = VI_TRUE;
  ViInt64 averages = 1; // spectra averaged per read
};

struct SimulatedSession {
  ViSession vi = 0;
  ViUInt32 kind = 0;
  ZUCloseSessionCallback closeCallback = nullptr;
  BackendStandinConfiguration configuration = DefaultConfiguration();
  AcquisitionExtras extras;
  std::map<AttributeKey, AttributeValue> attributes; // all but the settings (Settings.h)
  std::shared_ptr<const Scene> scene;                // null: the single tone
  // First sample of the record last fetched or read: a replayed recording's
  // spectrum is measured from there.
  uint64_t lastRecordStart = 0;
};

struct TlsIndexRecord {
  ViUInt32 index = 0xFFFFFFFFu;
  ViInt32 count = 0;
};

class Instrument {
public:
  static constexpr ViReal64 kDefaultToneOffset = 100e3;

  // The new session, tuned to the scene's recording when it replays one.
  void AddSession(ViSession vi, ViUInt32 kind, ZUCloseSessionCallback closeCallback,
                  std::shared_ptr<const Scene> scene = nullptr);
  void RemoveSession(ViSession vi) { sessions_.erase(vi); }
  // The session when a module of `kind` created it, else null.
  SimulatedSession *Find(ViUInt32 kind, ViSession vi);
  // The session whatever its kind, else null.
  const SimulatedSession *Find(ViSession vi) const;
  ViInt32 SessionCount() const { return static_cast<ViInt32>(sessions_.size()); }

  ViReal64 ToneOffset() const { return toneOffset_; }
  void SetToneOffset(ViReal64 hertz) { toneOffset_ = hertz; }

  void RecordTlsIndex(ViUInt32 kind, ViUInt32 index);
  TlsIndexRecord TlsIndex(ViUInt32 kind) const;

  void Reset();

private:
  std::map<ViSession, SimulatedSession> sessions_;
  ViReal64 toneOffset_ = kDefaultToneOffset;
  std::array<TlsIndexRecord, 7> tlsIndices_{}; // by module kind
};

} // namespace backendstandin
