#include "Instrument.h"

#include <utility>

#include "Replay.h"

namespace backendstandin {

BackendStandinConfiguration DefaultConfiguration() {
  BackendStandinConfiguration configuration{};
  configuration.carrierFrequency = 1e9;
  configuration.iqRate = 1e6;
  configuration.samplesPerRecord = 1000;
  configuration.numberOfRecords = 1;
  configuration.referenceLevel = 0.0;
  configuration.spectrumCenter = 1e9;
  configuration.spectrumSpan = 1e6;
  configuration.resolutionBandwidth = 1e4;
  return configuration;
}

void Instrument::AddSession(ViSession vi, ViUInt32 kind, ZUCloseSessionCallback closeCallback,
                            std::shared_ptr<const Scene> scene) {
  SimulatedSession session;
  session.vi = vi;
  session.kind = kind;
  session.closeCallback = closeCallback;
  session.scene = std::move(scene);
  TuneToRecording(session);
  sessions_.insert_or_assign(vi, std::move(session));
}

SimulatedSession *Instrument::Find(ViUInt32 kind, ViSession vi) {
  const auto found = sessions_.find(vi);
  return found != sessions_.end() && found->second.kind == kind ? &found->second : nullptr;
}

const SimulatedSession *Instrument::Find(ViSession vi) const {
  const auto found = sessions_.find(vi);
  return found != sessions_.end() ? &found->second : nullptr;
}

void Instrument::RecordTlsIndex(ViUInt32 kind, ViUInt32 index) {
  if (kind >= tlsIndices_.size()) return;
  tlsIndices_[kind].index = index;
  ++tlsIndices_[kind].count;
}

TlsIndexRecord Instrument::TlsIndex(ViUInt32 kind) const {
  return kind < tlsIndices_.size() ? tlsIndices_[kind] : TlsIndexRecord{};
}

void Instrument::Reset() {
  sessions_.clear();
  toneOffset_ = kDefaultToneOffset;
  tlsIndices_ = {};
}

} // namespace backendstandin
