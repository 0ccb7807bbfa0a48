// The option keywords of the open functions' option string.
#include "routing/OptionEntries.h"
#include "routing/OptionParsing.h"
#include "status/StatusCodes.h"

namespace zurouting {
namespace {

using options::Entry;

enum class OptionEffect { Flag, DriverSetup, Ignored };

struct OptionKeyword {
  const char *spelling;
  OptionEffect effect;
  bool OptionRecord::*flag;
};

constexpr OptionKeyword Flag(const char *spelling, bool OptionRecord::*flag) {
  return {spelling, OptionEffect::Flag, flag};
}
constexpr OptionKeyword DriverSetup(const char *spelling) {
  return {spelling, OptionEffect::DriverSetup, nullptr};
}
constexpr OptionKeyword Ignored(const char *spelling) { return {spelling, OptionEffect::Ignored, nullptr}; }

// Matched in this order; the first match wins.
constexpr OptionKeyword kKeywords[] = {
    Flag("Ivi_Attr_Simulate", &OptionRecord::simulate),
    Flag("Attr_Simulate", &OptionRecord::simulate),
    Flag("Simulate", &OptionRecord::simulate),
    Flag("Ivi_Attr_Range_Check", &OptionRecord::rangeCheck),
    Flag("Attr_Range_Check", &OptionRecord::rangeCheck),
    Flag("Range_Check", &OptionRecord::rangeCheck),
    Flag("Range Check", &OptionRecord::rangeCheck),
    Flag("RangeCheck", &OptionRecord::rangeCheck),
    Flag("Ivi_Attr_Query_Instr_Status", &OptionRecord::queryInstrumentStatus),
    Flag("Attr_Query_Instr_Status", &OptionRecord::queryInstrumentStatus),
    Flag("Query_Instr_Status", &OptionRecord::queryInstrumentStatus),
    Flag("Query Instr Status", &OptionRecord::queryInstrumentStatus),
    Flag("QueryInstrStatus", &OptionRecord::queryInstrumentStatus),
    Flag("QueryInstrumentStatus", &OptionRecord::queryInstrumentStatus),
    Flag("Ivi_Attr_Cache", &OptionRecord::cache),
    Flag("Attr_Cache", &OptionRecord::cache),
    Flag("Cache", &OptionRecord::cache),
    Flag("Ivi_Attr_Record_Coercions", &OptionRecord::recordCoercions),
    Flag("Attr_Record_Coercions", &OptionRecord::recordCoercions),
    Flag("Record_Coercions", &OptionRecord::recordCoercions),
    Flag("Record Coercions", &OptionRecord::recordCoercions),
    Flag("RecordCoercions", &OptionRecord::recordCoercions),
    Flag("Ivi_Attr_Interchange_Check", &OptionRecord::interchangeCheck),
    Flag("Attr_Interchange_Check", &OptionRecord::interchangeCheck),
    Flag("Interchange_Check", &OptionRecord::interchangeCheck),
    Flag("Interchange Check", &OptionRecord::interchangeCheck),
    Flag("InterchangeCheck", &OptionRecord::interchangeCheck),
    DriverSetup("Ivi_Attr_Driver_Setup"),
    DriverSetup("Attr_Driver_Setup"),
    DriverSetup("Driver_Setup"),
    DriverSetup("Driver Setup"),
    DriverSetup("DriverSetup"),
    Ignored("Ivi_Attr_Use_Specific_Simulation"),
    Ignored("Attr_Use_Specific_Simulation"),
    Ignored("Use_Specific_Simulation"),
    Ignored("Use Specific Simulation"),
    Ignored("UseSpecificSimulation"),
    Ignored("LogicalName"),
};

const OptionKeyword *FindKeyword(const char *name) {
  for (const OptionKeyword &keyword : kKeywords)
    if (options::EqualsIgnoringCase(name, keyword.spelling)) return &keyword;
  return nullptr;
}

ViStatus ApplyOption(const Entry &entry, OptionRecord &record, Failure &failure) {
  const OptionKeyword *keyword = FindKeyword(entry.name);
  if (keyword == nullptr) return failure.Set(ZUVEXA_ERROR_OPTION_UNKNOWN_NAME, entry.name);
  switch (keyword->effect) {
  case OptionEffect::Flag:
    return options::ApplyBoolean(entry, record.*(keyword->flag), failure);
  case OptionEffect::DriverSetup:
    return options::ApplyTextCopy(entry, record.driverSetup, failure);
  case OptionEffect::Ignored:
    break;
  }
  return VI_SUCCESS;
}

} // namespace

ViStatus ParseOptionString(const char *text, OptionRecord &record, Failure &failure) {
  return options::ForEachEntry(text, options::kOptionSyntax, failure,
                               [&](const Entry &entry) { return ApplyOption(entry, record, failure); });
}

} // namespace zurouting
