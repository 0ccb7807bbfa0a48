// The attributes that are the simulated instrument's settings. Reading one
// gives what the Configure functions set, setting one changes it with the
// same checks, and the acquisition uses it: the instrument keeps one state.
#pragma once

#include "Instrument.h"

namespace backendstandin {

namespace attribute {
inline constexpr ViAttr kReferenceLevel = 1150004;
inline constexpr ViAttr kCarrierFrequency = 1150059;
inline constexpr ViAttr kIqRate = 1150007;
inline constexpr ViAttr kSamplesFinite = 1150008;
inline constexpr ViAttr kNumberOfSamples = 1150009;
inline constexpr ViAttr kRecordsFinite = 1150010;
inline constexpr ViAttr kNumberOfRecords = 1150011;
inline constexpr ViAttr kCenterFrequency = 1150002;
inline constexpr ViAttr kSpan = 1150003;
inline constexpr ViAttr kResolutionBandwidth = 1150013;
inline constexpr ViAttr kNumberOfAverages = 1150015;
} // namespace attribute

struct Setting {
  ViAttr id;
  AttributeValue (*read)(const SimulatedSession &session);
  // BACKENDSTANDIN_ERROR_INVALID_ARGUMENT, changing nothing, for a value of
  // the wrong kind or one the instrument cannot take.
  ViStatus (*write)(SimulatedSession &session, const AttributeValue &value);
};

// The setting of an attribute id (whatever the channel), else null.
const Setting *FindSetting(ViAttr id);
// Writes a setting by id (one FindSetting knows).
ViStatus WriteSetting(SimulatedSession &session, ViAttr id, const AttributeValue &value);
// Back to the value of a new session.
ViStatus ResetSetting(SimulatedSession &session, const Setting &setting);

bool IsFiniteValue(double value);
bool IsPositiveValue(double value);

} // namespace backendstandin
