// zuvexa attr get|set: reads or writes one attribute of a session, named by
// its display name from the attribute catalogue or by its identifier.
#include <strings.h>

#include <cctype>
#include <cmath>
#include <iostream>

#include "CommandLine.h"
#include "Commands.h"
#include "Report.h"
#include "Session.h"
#include "zuVEXA.h"

namespace zuvexacli {

namespace {

using nlohmann::json;

struct AttributeName {
  ViAttr id;
  const char *name;
  const char *type; // "int32" ... "string", or "unknown"
};

// The attribute catalogue's rows with their value types, generated at
// build time.
#define ZU_ATTRIBUTE_ROW(identifier, displayName, valueType) {identifier, displayName, #valueType},
constexpr AttributeName kAttributes[] = {
#include "AttributeRows.inc"
};
#undef ZU_ATTRIBUTE_ROW

const AttributeName *FindAttribute(const std::string &text) {
  char *end = nullptr;
  const long id = std::strtol(text.c_str(), &end, 0);
  for (const AttributeName &attribute : kAttributes)
    if (strcasecmp(attribute.name, text.c_str()) == 0 ||
        (*end == '\0' && !text.empty() && attribute.id == id))
      return &attribute;
  return nullptr;
}

// The --type name of the attribute's value type; real64 when it is unknown.
std::string DefaultType(const AttributeName &attribute) {
  std::string type = attribute.type;
  for (char &letter : type) letter = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
  return type == "unknown" ? "real64" : type;
}

struct Request {
  std::string action, resource, name, value, type, channel;
  std::optional<std::string> options;
  bool json = false;
};

// The value as the type's getter returns it.
json GetValue(zuvexaiq::Session &session, const Request &request, ViAttr id) {
  const ViSession vi = session.Handle();
  const char *channel = request.channel.c_str();
  if (request.type == "int32") {
    ViInt32 value = 0;
    session.Check(zuVEXA_GetAttributeViInt32(vi, channel, id, &value), "zuVEXA_GetAttributeViInt32");
    return value;
  }
  if (request.type == "int64") {
    ViInt64 value = 0;
    session.Check(zuVEXA_GetAttributeViInt64(vi, channel, id, &value), "zuVEXA_GetAttributeViInt64");
    return value;
  }
  if (request.type == "boolean") {
    ViBoolean value = VI_FALSE;
    session.Check(zuVEXA_GetAttributeViBoolean(vi, channel, id, &value), "zuVEXA_GetAttributeViBoolean");
    return value != VI_FALSE;
  }
  if (request.type == "string") {
    const ViStatus needed = zuVEXA_GetAttributeViString(vi, channel, id, 0, nullptr);
    session.Check(needed < 0 ? needed : VI_SUCCESS, "zuVEXA_GetAttributeViString");
    std::string text(static_cast<std::size_t>(std::max<ViStatus>(needed, 1)), '\0');
    session.Check(zuVEXA_GetAttributeViString(vi, channel, id, ViInt32(text.size()), text.data()),
                  "zuVEXA_GetAttributeViString");
    return text.substr(0, text.find('\0'));
  }
  ViReal64 value = 0;
  session.Check(zuVEXA_GetAttributeViReal64(vi, channel, id, &value), "zuVEXA_GetAttributeViReal64");
  return value;
}

// "" when the value suits the type, else the usage error.
std::string SetValue(zuvexaiq::Session &session, const Request &request, ViAttr id) {
  const ViSession vi = session.Handle();
  const char *channel = request.channel.c_str();
  const std::string &text = request.value;
  if (request.type == "string") {
    session.Check(zuVEXA_SetAttributeViString(vi, channel, id, text.c_str()), "zuVEXA_SetAttributeViString");
    return "";
  }
  if (request.type == "boolean") {
    const bool on = text == "1" || strcasecmp(text.c_str(), "true") == 0;
    if (!on && text != "0" && strcasecmp(text.c_str(), "false") != 0)
      return "not a boolean: \"" + text + "\"";
    session.Check(zuVEXA_SetAttributeViBoolean(vi, channel, id, on ? VI_TRUE : VI_FALSE),
                  "zuVEXA_SetAttributeViBoolean");
    return "";
  }
  const auto number = zuvexaiq::ParseScaledNumber(text);
  if (!number) return "not a number: \"" + text + "\"";
  if (request.type == "real64") {
    session.Check(zuVEXA_SetAttributeViReal64(vi, channel, id, *number), "zuVEXA_SetAttributeViReal64");
    return "";
  }
  const bool int32 = request.type == "int32";
  if (*number != std::floor(*number) || std::fabs(*number) > (int32 ? 2147483647.0 : 9.2e18))
    return "not a whole " + request.type + " number: \"" + text + "\"";
  session.Check(int32 ? zuVEXA_SetAttributeViInt32(vi, channel, id, ViInt32(*number))
                      : zuVEXA_SetAttributeViInt64(vi, channel, id, ViInt64(*number)),
                int32 ? "zuVEXA_SetAttributeViInt32" : "zuVEXA_SetAttributeViInt64");
  return "";
}

int Run(Request request) {
  const AttributeName *attribute = FindAttribute(request.name);
  if (attribute == nullptr) return UsageError("attr", "no attribute named \"" + request.name + "\"");
  if (request.type.empty()) request.type = DefaultType(*attribute);
  if ((request.action == "set") != !request.value.empty())
    return UsageError("attr", request.action == "set" ? "set needs a VALUE" : "get takes no VALUE");
  zuvexaiq::Settings settings;
  settings.resourceName = request.resource;
  settings.optionString = request.options.value_or("");
  try {
    zuvexaiq::Session session(settings.resourceName, settings.optionString);
    if (request.action == "set")
      if (const std::string error = SetValue(session, request, attribute->id); !error.empty())
        return UsageError("attr", error);
    const json value = GetValue(session, request, attribute->id);
    session.Close();
    if (request.json)
      PrintJson({{"resource", request.resource},
                 {"attribute", {{"id", attribute->id}, {"name", attribute->name}}},
                 {"type", request.type},
                 {"value", value}});
    else
      std::cout << attribute->name << " (" << attribute->id << ") = " << value.dump() << "\n";
    return kExitSuccess;
  } catch (const zuvexaiq::ApiError &failure) {
    return ReportApiError(failure, settings);
  }
}

} // namespace

void AddAttrCommand(CLI::App &app, int &exitCode) {
  CLI::App *command =
      app.add_subcommand("attr", "read or write an attribute: attr get|set RESOURCE NAME [VALUE]");
  command->footer("NAME is the attribute's display name (\"IQ Rate\") or its identifier (1150007).\n"
                  "set writes VALUE, then shows the value read back. The session is opened on\n"
                  "RESOURCE with the --options given (none by default: Simulate=1 simulates one).");
  auto request = std::make_shared<Request>();
  command->add_option("ACTION", request->action, "get or set")
      ->required()
      ->check(CLI::IsMember({"get", "set"}));
  command->add_option("RESOURCE", request->resource, "device name, alias or logical name")->required();
  command->add_option("NAME", request->name, "display name or identifier")->required();
  command->add_option("VALUE", request->value, "the value to set");
  command
      ->add_option("--type", request->type,
                   "int32, int64, real64, boolean or string\n(default: the attribute's own type where known, "
                   "else real64)")
      ->check(CLI::IsMember({"int32", "int64", "real64", "boolean", "string"}));
  command->add_option("--options", request->options, "option string of the open");
  command->add_option("--channel", request->channel, "channel name (default none)");
  command->add_flag("--json", request->json, "one JSON document on standard output");
  command->callback([&exitCode, request] { exitCode = Run(*request); });
}

} // namespace zuvexacli
