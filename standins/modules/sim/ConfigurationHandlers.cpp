// Configure* entries write the settings their attributes read (Settings.h),
// with the checks a setting makes; values the instrument cannot take give
// BACKENDSTANDIN_ERROR_INVALID_ARGUMENT and change nothing. Clock and
// trigger entries store the attributes they set.
#include <string>

#include "Handlers.h"
#include "Settings.h"
#include "Waveform.h"
#include "zuVEXA.h"

namespace backendstandin {

namespace {

using namespace attribute;

// Trigger types beside those of zuVEXA.h.
constexpr ViInt64 kTriggerDigitalEdge = 601;
constexpr ViInt64 kTriggerIqPowerEdge = 602;

ViStatus ConfigureReferenceLevel(const Instrument &, SimulatedSession &session, const EntryCall &call) {
  return WriteSetting(session, kReferenceLevel, call.Real("referenceLevel"));
}

ViStatus ConfigureCarrierFrequency(const Instrument &, SimulatedSession &session, const EntryCall &call) {
  return WriteSetting(session, kCarrierFrequency, call.Real("carrierFrequency"));
}

ViStatus ConfigureIQRate(const Instrument &, SimulatedSession &session, const EntryCall &call) {
  return WriteSetting(session, kIqRate, call.Real("iqRate"));
}

ViStatus ConfigureResolutionBandwidth(const Instrument &, SimulatedSession &session, const EntryCall &call) {
  return WriteSetting(session, kResolutionBandwidth, call.Real("resolutionBandwidth"));
}

// A count only matters, and is only checked and kept, when the acquisition
// is finite.
ViStatus ConfigureCount(SimulatedSession &session, ViAttr finiteId, ViAttr countId, ViInt64 finite,
                        ViInt64 count) {
  if (finite != VI_FALSE) {
    const ViStatus status = WriteSetting(session, countId, count);
    if (status < 0) return status;
  }
  return WriteSetting(session, finiteId, finite);
}

ViStatus ConfigureNumberOfSamples(const Instrument &, SimulatedSession &session, const EntryCall &call) {
  return ConfigureCount(session, kSamplesFinite, kNumberOfSamples, call.Int("numberOfSamplesIsFinite"),
                        call.Int("samplesPerRecord"));
}

ViStatus ConfigureNumberOfRecords(const Instrument &, SimulatedSession &session, const EntryCall &call) {
  return ConfigureCount(session, kRecordsFinite, kNumberOfRecords, call.Int("numberOfRecordsIsFinite"),
                        call.Int("numberOfRecords"));
}

// Both values are checked before either is written.
ViStatus ConfigureSpectrum(SimulatedSession &session, double center, double span) {
  if (!IsFiniteValue(center) || !IsPositiveValue(span)) return BACKENDSTANDIN_ERROR_INVALID_ARGUMENT;
  WriteSetting(session, kCenterFrequency, center);
  return WriteSetting(session, kSpan, span);
}

ViStatus ConfigureCenterSpan(const Instrument &, SimulatedSession &session, const EntryCall &call) {
  return ConfigureSpectrum(session, call.Real("centerFrequency"), call.Real("span"));
}

ViStatus ConfigureStartStop(const Instrument &, SimulatedSession &session, const EntryCall &call) {
  const ViReal64 start = call.Real("startFrequency");
  const ViReal64 stop = call.Real("stopFrequency");
  return ConfigureSpectrum(session, start / 2.0 + stop / 2.0, stop - start);
}

ViStatus GetNumberOfSpectralLines(const Instrument &, SimulatedSession &session, const EntryCall &call) {
  ViInt32 *lines = call.Output<ViInt32>("numberOfSpectralLines");
  if (lines == nullptr) return BACKENDSTANDIN_ERROR_INVALID_ARGUMENT;
  *lines = SpectralLines(session.configuration);
  return VI_SUCCESS;
}

// Stored attributes, without a channel.
void Store(SimulatedSession &session, ViAttr id, AttributeValue value) {
  session.attributes.insert_or_assign(AttributeKey{"", id}, std::move(value));
}

std::string TextOf(const EntryCall &call, const char *name) {
  const char *text = call.Text(name);
  return text != nullptr ? text : "";
}

ViStatus ConfigureRefClock(const Instrument &, SimulatedSession &session, const EntryCall &call) {
  const ViReal64 rate = call.Real("refClockRate");
  if (!IsPositiveValue(rate)) return BACKENDSTANDIN_ERROR_INVALID_ARGUMENT;
  Store(session, 1150019, TextOf(call, "clockSource"));
  Store(session, 1150020, rate);
  return VI_SUCCESS;
}

ViStatus ConfigurePxiChassisClk10(const Instrument &, SimulatedSession &session, const EntryCall &call) {
  Store(session, 1150023, TextOf(call, "pxiClk10Source"));
  return VI_SUCCESS;
}

ViStatus ConfigureDigitalEdgeStartTrigger(const Instrument &, SimulatedSession &session,
                                          const EntryCall &call) {
  Store(session, 1150024, kTriggerDigitalEdge);
  Store(session, 1150025, TextOf(call, "source"));
  Store(session, 1150026, call.Int("edge"));
  return VI_SUCCESS;
}

// The reference trigger's type and pretrigger samples (not negative).
bool StoreRefTrigger(SimulatedSession &session, ViInt64 type, ViInt64 pretriggerSamples) {
  if (pretriggerSamples < 0) return false;
  Store(session, 1150028, type);
  Store(session, 1150035, pretriggerSamples);
  return true;
}

ViStatus ConfigureDigitalEdgeRefTrigger(const Instrument &, SimulatedSession &session,
                                        const EntryCall &call) {
  if (!StoreRefTrigger(session, kTriggerDigitalEdge, call.Int("pretriggerSamples")))
    return BACKENDSTANDIN_ERROR_INVALID_ARGUMENT;
  Store(session, 1150029, TextOf(call, "source"));
  Store(session, 1150030, call.Int("edge"));
  return VI_SUCCESS;
}

ViStatus ConfigureIqPowerEdgeRefTrigger(const Instrument &, SimulatedSession &session,
                                        const EntryCall &call) {
  const ViReal64 level = call.Real("level");
  if (!IsFiniteValue(level) || !StoreRefTrigger(session, kTriggerIqPowerEdge, call.Int("pretriggerSamples")))
    return BACKENDSTANDIN_ERROR_INVALID_ARGUMENT;
  Store(session, 1150055, TextOf(call, "source"));
  Store(session, 1150056, level);
  Store(session, 1150057, call.Int("slope"));
  return VI_SUCCESS;
}

ViStatus ConfigureSoftwareEdgeRefTrigger(const Instrument &, SimulatedSession &session,
                                         const EntryCall &call) {
  return StoreRefTrigger(session, ZUVEXA_VAL_TRIGGER_SOFTWARE_EDGE, call.Int("pretriggerSamples"))
             ? VI_SUCCESS
             : BACKENDSTANDIN_ERROR_INVALID_ARGUMENT;
}

ViStatus ConfigureDigitalEdgeAdvanceTrigger(const Instrument &, SimulatedSession &session,
                                            const EntryCall &call) {
  Store(session, 1150036, kTriggerDigitalEdge);
  Store(session, 1150037, TextOf(call, "source"));
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
    {"ConfigureRefClock", OnSession<ConfigureRefClock>},
    {"ConfigurePXIChassisClk10", OnSession<ConfigurePxiChassisClk10>},
    {"ConfigureDigitalEdgeStartTrigger", OnSession<ConfigureDigitalEdgeStartTrigger>},
    {"ConfigureDigitalEdgeRefTrigger", OnSession<ConfigureDigitalEdgeRefTrigger>},
    {"ConfigureIQPowerEdgeRefTrigger", OnSession<ConfigureIqPowerEdgeRefTrigger>},
    {"ConfigureSoftwareEdgeRefTrigger", OnSession<ConfigureSoftwareEdgeRefTrigger>},
    {"ConfigureDigitalEdgeAdvanceTrigger", OnSession<ConfigureDigitalEdgeAdvanceTrigger>},
};

} // namespace

std::span<const NamedHandler> ConfigurationHandlers() { return kHandlers; }

} // namespace backendstandin
