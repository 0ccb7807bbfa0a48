#include "Settings.h"

#include <cmath>
#include <optional>

#include "Replay.h"

namespace backendstandin {

bool IsFiniteValue(double value) { return std::isfinite(value); }
bool IsPositiveValue(double value) { return std::isfinite(value) && value > 0.0; }

namespace {

bool IsCount(ViInt64 value) { return value > 0; }

// A real setting takes either kind of number; an integer setting takes
// integers, and reals only when they are whole.
std::optional<double> AsReal(const AttributeValue &value) {
  if (const auto *real = std::get_if<ViReal64>(&value)) return *real;
  if (const auto *integer = std::get_if<ViInt64>(&value)) return static_cast<double>(*integer);
  return std::nullopt;
}

std::optional<ViInt64> AsInteger(const AttributeValue &value) {
  if (const auto *integer = std::get_if<ViInt64>(&value)) return *integer;
  const auto *real = std::get_if<ViReal64>(&value);
  if (real == nullptr || !std::isfinite(*real) || std::trunc(*real) != *real || std::fabs(*real) >= 0x1p63)
    return std::nullopt;
  return static_cast<ViInt64>(*real);
}

template <auto Part, auto Field> auto &FieldOf(SimulatedSession &session) { return (session.*Part).*Field; }
template <auto Part, auto Field> auto FieldOf(const SimulatedSession &session) {
  return (session.*Part).*Field;
}

template <auto Part, auto Field> AttributeValue Read(const SimulatedSession &session) {
  return FieldOf<Part, Field>(session);
}

template <auto Part, auto Field, bool (*Valid)(double)>
ViStatus WriteReal(SimulatedSession &session, const AttributeValue &value) {
  const std::optional<double> real = AsReal(value);
  if (!real || !Valid(*real)) return BACKENDSTANDIN_ERROR_INVALID_ARGUMENT;
  FieldOf<Part, Field>(session) = *real;
  return VI_SUCCESS;
}

template <auto Part, auto Field, bool (*Valid)(ViInt64)>
ViStatus WriteInteger(SimulatedSession &session, const AttributeValue &value) {
  const std::optional<ViInt64> integer = AsInteger(value);
  if (!integer || !Valid(*integer)) return BACKENDSTANDIN_ERROR_INVALID_ARGUMENT;
  FieldOf<Part, Field>(session) = *integer;
  return VI_SUCCESS;
}

// Any non-zero integer is true, and reads back as VI_TRUE.
template <auto Part, auto Field>
ViStatus WriteBoolean(SimulatedSession &session, const AttributeValue &value) {
  const auto *integer = std::get_if<ViInt64>(&value);
  if (integer == nullptr) return BACKENDSTANDIN_ERROR_INVALID_ARGUMENT;
  FieldOf<Part, Field>(session) = *integer != 0 ? VI_TRUE : VI_FALSE;
  return VI_SUCCESS;
}

constexpr auto kConfiguration = &SimulatedSession::configuration;
constexpr auto kExtras = &SimulatedSession::extras;
using Configuration = BackendStandinConfiguration;

template <auto Field, bool (*Valid)(double)> constexpr Setting Real(ViAttr id) {
  return {id, Read<kConfiguration, Field>, WriteReal<kConfiguration, Field, Valid>};
}

// The carrier and rate, which a replaying session keeps at the recording's.
template <auto Field, bool (*Valid)(double), ViAttr Id>
ViStatus WriteTuning(SimulatedSession &session, const AttributeValue &value) {
  const std::optional<double> real = AsReal(value);
  if (!real || !Valid(*real)) return BACKENDSTANDIN_ERROR_INVALID_ARGUMENT;
  if (const ViStatus status = CheckRecordingTuning(session, Id, *real); status < 0) return status;
  FieldOf<kConfiguration, Field>(session) = *real;
  return VI_SUCCESS;
}
template <auto Field, bool (*Valid)(double), ViAttr Id> constexpr Setting Tuning() {
  return {Id, Read<kConfiguration, Field>, WriteTuning<Field, Valid, Id>};
}
template <auto Part, auto Field, bool (*Valid)(ViInt64)> constexpr Setting Integer(ViAttr id) {
  return {id, Read<Part, Field>, WriteInteger<Part, Field, Valid>};
}
template <auto Field> constexpr Setting Boolean(ViAttr id) {
  return {id, Read<kExtras, Field>, WriteBoolean<kExtras, Field>};
}

using namespace attribute;

constexpr Setting kSettings[] = {
    Real<&Configuration::referenceLevel, IsFiniteValue>(kReferenceLevel),
    Tuning<&Configuration::carrierFrequency, IsFiniteValue, kCarrierFrequency>(),
    Tuning<&Configuration::iqRate, IsPositiveValue, kIqRate>(),
    Boolean<&AcquisitionExtras::samplesFinite>(kSamplesFinite),
    Integer<kConfiguration, &Configuration::samplesPerRecord, IsCount>(kNumberOfSamples),
    Boolean<&AcquisitionExtras::recordsFinite>(kRecordsFinite),
    Integer<kConfiguration, &Configuration::numberOfRecords, IsCount>(kNumberOfRecords),
    Real<&Configuration::spectrumCenter, IsFiniteValue>(kCenterFrequency),
    Real<&Configuration::spectrumSpan, IsPositiveValue>(kSpan),
    Real<&Configuration::resolutionBandwidth, IsPositiveValue>(kResolutionBandwidth),
    Integer<kExtras, &AcquisitionExtras::averages, IsCount>(kNumberOfAverages),
};

} // namespace

const Setting *FindSetting(ViAttr id) {
  for (const Setting &setting : kSettings)
    if (setting.id == id) return &setting;
  return nullptr;
}

ViStatus WriteSetting(SimulatedSession &session, ViAttr id, const AttributeValue &value) {
  const Setting *setting = FindSetting(id);
  return setting != nullptr ? setting->write(session, value) : BACKENDSTANDIN_ERROR_UNEXPECTED;
}

ViStatus ResetSetting(SimulatedSession &session, const Setting &setting) {
  static const SimulatedSession fresh;
  return setting.write(session, setting.read(fresh));
}

} // namespace backendstandin
