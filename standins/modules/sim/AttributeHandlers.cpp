// Attribute values per session, keyed by channel name and attribute id.
// Unset attributes read as 0 or "". The settings (Settings.h) are read and
// written in the session's configuration, whatever the channel.
#include <algorithm>
#include <limits>
#include <optional>
#include <type_traits>

#include "BufferRule.h"
#include "Handlers.h"
#include "Settings.h"

namespace backendstandin {

namespace {

ViAttr IdOf(const EntryCall &call) { return static_cast<ViAttr>(call.Int("attributeId")); }

AttributeKey KeyOf(const EntryCall &call) {
  const char *channel = call.Text("channelName");
  return {channel != nullptr ? channel : "", IdOf(call)};
}

// A copy of a scalar or text value, the setting's value for a setting.
std::optional<AttributeValue> ScalarOf(const SimulatedSession &session, const EntryCall &call) {
  if (const Setting *setting = FindSetting(IdOf(call))) return setting->read(session);
  const auto found = session.attributes.find(KeyOf(call));
  if (found == session.attributes.end()) return std::nullopt;
  return found->second;
}

const AttributeValue *Lookup(const SimulatedSession &session, const EntryCall &call) {
  const auto found = session.attributes.find(KeyOf(call));
  return found != session.attributes.end() ? &found->second : nullptr;
}

AttributeValue ValueOf(const BackendStandinArgument &argument) {
  switch (argument.type) {
  case BACKENDSTANDIN_ARG_REAL:
    return argument.real;
  case BACKENDSTANDIN_ARG_TEXT:
    return std::string(argument.pointer != nullptr ? static_cast<const char *>(argument.pointer) : "");
  default:
    return argument.integer;
  }
}

// Integers read integer values; reals read either kind of number.
template <class T> T ScalarAs(const std::optional<AttributeValue> &value) {
  if (!value) return T{};
  if (const auto *integer = std::get_if<ViInt64>(&*value)) return static_cast<T>(*integer);
  if constexpr (std::is_floating_point_v<T>)
    if (const auto *real = std::get_if<ViReal64>(&*value)) return static_cast<T>(*real);
  return T{};
}

ViStatus SetScalarAttribute(const Instrument &, SimulatedSession &session, const EntryCall &call) {
  if (const Setting *setting = FindSetting(IdOf(call)))
    return setting->write(session, ValueOf(call.Argument("value")));
  session.attributes.insert_or_assign(KeyOf(call), ValueOf(call.Argument("value")));
  return VI_SUCCESS;
}

template <class T>
ViStatus GetScalarAttribute(const Instrument &, SimulatedSession &session, const EntryCall &call) {
  T *value = call.Output<T>("value");
  if (value == nullptr) return BACKENDSTANDIN_ERROR_INVALID_ARGUMENT;
  *value = ScalarAs<T>(ScalarOf(session, call));
  return VI_SUCCESS;
}

ViStatus GetStringAttribute(const Instrument &, SimulatedSession &session, const EntryCall &call) {
  const std::optional<AttributeValue> stored = ScalarOf(session, call);
  const std::string *text = stored ? std::get_if<std::string>(&*stored) : nullptr;
  return CopyText(text != nullptr ? *text : "", static_cast<ViInt32>(call.Int("bufSize")),
                  call.Output<ViChar>("value"));
}

template <class Element>
ViStatus SetArrayAttribute(const Instrument &, SimulatedSession &session, const EntryCall &call) {
  const ViInt64 count = call.Int("valueLengthInElements");
  const Element *value = call.Output<const Element>("value");
  if (count < 0 || (count > 0 && value == nullptr)) return BACKENDSTANDIN_ERROR_INVALID_ARGUMENT;
  session.attributes.insert_or_assign(KeyOf(call), std::vector<Element>(value, value + count));
  return VI_SUCCESS;
}

// Size 0 returns the number of stored elements; a too small array gets what
// fits and the number of stored elements is returned.
template <class Element>
ViStatus GetArrayAttribute(const Instrument &, SimulatedSession &session, const EntryCall &call) {
  const AttributeValue *stored = Lookup(session, call);
  const auto *elements = stored != nullptr ? std::get_if<std::vector<Element>>(stored) : nullptr;
  const std::size_t available = elements != nullptr ? elements->size() : 0;
  const auto storedCount =
      static_cast<ViStatus>(std::min<std::size_t>(available, std::numeric_limits<ViInt32>::max()));
  const ViInt64 count = call.Int("valueLengthInElements");
  if (count == 0) return storedCount;
  Element *value = call.Output<Element>("value");
  if (count < 0 || value == nullptr) return BACKENDSTANDIN_ERROR_INVALID_ARGUMENT;
  if (elements != nullptr) std::copy_n(elements->begin(), std::min<std::size_t>(available, count), value);
  return static_cast<std::size_t>(count) < available ? storedCount : VI_SUCCESS;
}

ViStatus ResetAttribute(const Instrument &, SimulatedSession &session, const EntryCall &call) {
  if (const Setting *setting = FindSetting(IdOf(call))) return ResetSetting(session, *setting);
  session.attributes.erase(KeyOf(call));
  return VI_SUCCESS;
}

constexpr NamedHandler kHandlers[] = {
    {"SetAttributeViInt32", OnSession<SetScalarAttribute>},
    {"SetAttributeViInt64", OnSession<SetScalarAttribute>},
    {"SetAttributeViReal64", OnSession<SetScalarAttribute>},
    {"SetAttributeViString", OnSession<SetScalarAttribute>},
    {"SetAttributeViBoolean", OnSession<SetScalarAttribute>},
    {"SetAttributeViSession", OnSession<SetScalarAttribute>},
    {"SetAttributeViReal64Array", OnSession<SetArrayAttribute<ViReal64>>},
    {"SetAttributeZUComplexNumberArray", OnSession<SetArrayAttribute<ZUComplexNumber>>},
    {"GetAttributeViInt32", OnSession<GetScalarAttribute<ViInt32>>},
    {"GetAttributeViInt64", OnSession<GetScalarAttribute<ViInt64>>},
    {"GetAttributeViReal64", OnSession<GetScalarAttribute<ViReal64>>},
    {"GetAttributeViString", OnSession<GetStringAttribute>},
    {"GetAttributeViBoolean", OnSession<GetScalarAttribute<ViBoolean>>},
    {"GetAttributeViSession", OnSession<GetScalarAttribute<ViSession>>},
    {"GetAttributeViReal64Array", OnSession<GetArrayAttribute<ViReal64>>},
    {"GetAttributeZUComplexNumberArray", OnSession<GetArrayAttribute<ZUComplexNumber>>},
    {"GetDesiredAttributeViInt32", OnSession<GetScalarAttribute<ViInt32>>},
    {"GetDesiredAttributeViInt64", OnSession<GetScalarAttribute<ViInt64>>},
    {"GetDesiredAttributeViReal64", OnSession<GetScalarAttribute<ViReal64>>},
    {"GetDesiredAttributeViString", OnSession<GetStringAttribute>},
    {"GetDesiredAttributeViBoolean", OnSession<GetScalarAttribute<ViBoolean>>},
    {"ResetAttribute", OnSession<ResetAttribute>},
};

} // namespace

std::span<const NamedHandler> AttributeHandlers() { return kHandlers; }

} // namespace backendstandin
