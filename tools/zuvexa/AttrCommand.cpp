// zuvexa attr get|set: reads or writes one attribute of a session, named by
// its display name from the attribute catalogue or by its identifier.
#include <iostream>
#include <variant>

#include "Attributes.h"
#include "CommandLine.h"
#include "Commands.h"
#include "Report.h"
#include "Session.h"
#include "Units.h"
#include "zuVEXA.h"

namespace zuvexacli {

namespace {

using nlohmann::json;

struct Request {
  std::string action, resource, name, value, type, channel;
  std::optional<std::string> options;
  bool json = false;
};

json ToJson(const zuvexaclient::AttributeValue &value) {
  return std::visit([](const auto &held) { return json(held); }, value);
}

int Run(const Request &request) {
  const zuvexaclient::Attribute *attribute = zuvexaclient::FindAttribute(request.name);
  if (attribute == nullptr) return UsageError("attr", "no attribute named \"" + request.name + "\"");
  const zuvexaclient::ValueType type =
      zuvexaclient::ValueTypeFor(*attribute, zuvexaclient::ParseTypeName(request.type));
  if ((request.action == "set") != !request.value.empty())
    return UsageError("attr", request.action == "set" ? "set needs a VALUE" : "get takes no VALUE");
  std::optional<zuvexaclient::AttributeValue> wanted;
  if (std::string error;
      request.action == "set" && !(wanted = zuvexaclient::ParseValue(type, request.value, error)))
    return UsageError("attr", error);
  zuvexaiq::Settings settings;
  settings.resourceName = request.resource;
  settings.optionString = request.options.value_or("");
  try {
    zuvexaclient::Session session(settings.resourceName, settings.optionString);
    if (wanted) zuvexaclient::WriteAttribute(session, *attribute, *wanted, request.channel);
    const json value = ToJson(zuvexaclient::ReadAttribute(session, *attribute, type, request.channel));
    session.Close();
    if (request.json)
      PrintJson({{"resource", request.resource},
                 {"attribute", {{"id", attribute->id}, {"name", attribute->name}}},
                 {"type", zuvexaclient::TypeName(type)},
                 {"value", value}});
    else
      std::cout << attribute->name << " (" << attribute->id << ") = " << value.dump() << "\n";
    return kExitSuccess;
  } catch (const zuvexaclient::ApiError &failure) {
    return ReportApiError(failure, settings);
  }
}

} // namespace

void AddAttrCommand(CLI::App &app, int &exitCode) {
  CLI::App *command =
      app.add_subcommand("attr", "read or write an attribute: attr get|set RESOURCE NAME [VALUE]");
  command->footer("NAME is the attribute's display name (\"IQ Rate\", any case) or its identifier\n"
                  "(1150007 or 0x118C37). set writes VALUE, then shows the value read back. The\n"
                  "session is opened on RESOURCE with the --options given (none by default:\n"
                  "Simulate=1 simulates one). Booleans are true, false, 1 or 0. " +
                  std::string(zuvexaclient::kUnitsHelp));
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
