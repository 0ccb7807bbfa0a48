// Configure* entries store their values in the session's configuration;
// values the instrument cannot take give BACKENDSTANDIN_ERROR_INVALID_ARGUMENT.
#include <cmath>

#include "Handlers.h"
#include "Waveform.h"

namespace backendstandin {

namespace {

bool IsPositive(double value) { return std::isfinite(value) && value > 0.0; }

template <class T> ViStatus Store(T &field, T value, bool valid) {
  if (!valid) return BACKENDSTANDIN_ERROR_INVALID_ARGUMENT;
  field = value;
  return VI_SUCCESS;
}

ViStatus ConfigureReferenceLevel(const Instrument &, SimulatedSession &session, const EntryCall &call) {
  const ViReal64 level = call.Real("referenceLevel");
  return Store(session.configuration.referenceLevel, level, std::isfinite(level));
}

ViStatus ConfigureCarrierFrequency(const Instrument &, SimulatedSession &session, const EntryCall &call) {
  const ViReal64 frequency = call.Real("carrierFrequency");
  return Store(session.configuration.carrierFrequency, frequency, std::isfinite(frequency));
}

ViStatus ConfigureIQRate(const Instrument &, SimulatedSession &session, const EntryCall &call) {
  const ViReal64 rate = call.Real("iqRate");
  return Store(session.configuration.iqRate, rate, IsPositive(rate));
}

ViStatus ConfigureResolutionBandwidth(const Instrument &, SimulatedSession &session, const EntryCall &call) {
  const ViReal64 bandwidth = call.Real("resolutionBandwidth");
  return Store(session.configuration.resolutionBandwidth, bandwidth, IsPositive(bandwidth));
}

// A count only matters when the acquisition is finite.
ViStatus ConfigureNumberOfSamples(const Instrument &, SimulatedSession &session, const EntryCall &call) {
  if (call.Int("numberOfSamplesIsFinite") == VI_FALSE) return VI_SUCCESS;
  const ViInt64 samples = call.Int("samplesPerRecord");
  return Store(session.configuration.samplesPerRecord, samples, samples > 0);
}

ViStatus ConfigureNumberOfRecords(const Instrument &, SimulatedSession &session, const EntryCall &call) {
  if (call.Int("numberOfRecordsIsFinite") == VI_FALSE) return VI_SUCCESS;
  const ViInt64 records = call.Int("numberOfRecords");
  return Store(session.configuration.numberOfRecords, records, records > 0);
}

ViStatus ConfigureSpectrum(BackendStandinConfiguration &configuration, double center, double span) {
  if (!std::isfinite(center) || !IsPositive(span)) return BACKENDSTANDIN_ERROR_INVALID_ARGUMENT;
  configuration.spectrumCenter = center;
  configuration.spectrumSpan = span;
  return VI_SUCCESS;
}

ViStatus ConfigureCenterSpan(const Instrument &, SimulatedSession &session, const EntryCall &call) {
  return ConfigureSpectrum(session.configuration, call.Real("centerFrequency"), call.Real("span"));
}

ViStatus ConfigureStartStop(const Instrument &, SimulatedSession &session, const EntryCall &call) {
  const ViReal64 start = call.Real("startFrequency");
  const ViReal64 stop = call.Real("stopFrequency");
  return ConfigureSpectrum(session.configuration, start / 2.0 + stop / 2.0, stop - start);
}

ViStatus GetNumberOfSpectralLines(const Instrument &, SimulatedSession &session, const EntryCall &call) {
  ViInt32 *lines = call.Output<ViInt32>("numberOfSpectralLines");
  if (lines == nullptr) return BACKENDSTANDIN_ERROR_INVALID_ARGUMENT;
  *lines = SpectralLines(session.configuration);
  return VI_SUCCESS;
}

constexpr NamedHandler kHandlers[] = {
    {"ConfigureReferenceLevel", OnSession<ConfigureReferenceLevel>},
    {"ConfigureIQCarrierFrequency", OnSession<ConfigureCarrierFrequency>},
    {"ConfigureIQRate", OnSession<ConfigureIQRate>},
    {"ConfigureNumberOfSamples", OnSession<ConfigureNumberOfSamples>},
    {"ConfigureNumberOfRecords", OnSession<ConfigureNumberOfRecords>},
    {"ConfigureSpectrumFrequencyCenterSpan", OnSession<ConfigureCenterSpan>},
    {"ConfigureSpectrumFrequencyStartStop", OnSession<ConfigureStartStop>},
    {"ConfigureResolutionBandwidth", OnSession<ConfigureResolutionBandwidth>},
    {"GetNumberOfSpectralLines", OnSession<GetNumberOfSpectralLines>},
};

} // namespace

std::span<const NamedHandler> ConfigurationHandlers() { return kHandlers; }

} // namespace backendstandin
