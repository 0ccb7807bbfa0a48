// The settings table's reading of values and the request handling (token,
// origin, body limit, JSON, routing) over a recording stand-in session.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "PanelRequests.h"
#include "RequestGuard.h"

namespace zuvexapanel {
namespace {

TEST(PanelSettings, ValuesAreReadByTheirRow) {
  const double kRefused = NAN;
  const struct {
    const char *name;
    nlohmann::json value;
    double expected;
  } cases[] = {
      {"carrierFrequency", "2.4G", 2.4e9},
      {"carrierFrequency", "1m", kRefused},
      {"carrierFrequency", "1e400", kRefused},
      {"iqRate", "10M", 10e6},
      {"iqRate", -5, -5},
      {"iqRate", "fast", kRefused},
      {"iqRate", true, kRefused},
      {"iqRate", nullptr, kRefused},
      {"iqRate", " 1k", kRefused},
      {"referenceLevel", "-10", -10},
      {"numberOfSamples", "4k", 4000},
      {"numberOfSamples", "1.5k", 1500},
      {"numberOfSamples", 4096.5, kRefused},
      {"numberOfSamples", 0, kRefused},
      {"numberOfSamples", 1, 1},
      {"numberOfSamples", 16777216, 16777216},
      {"numberOfSamples", 16777217, kRefused},
      {"numberOfRecords", 1000, 1000},
      {"numberOfRecords", "1001", kRefused},
  };
  for (const auto &[name, value, expected] : cases) {
    std::string why;
    const std::optional<double> number = ReadSettingValue(*FindSetting(name), value, why);
    EXPECT_EQ(number.has_value(), !std::isnan(expected)) << name << " " << value;
    if (number)
      EXPECT_EQ(*number, expected) << name << " " << value;
    else
      EXPECT_EQ(why.rfind(std::string(name) + " must be ", 0), 0u) << why;
  }
}

TEST(PanelSettings, TheTableNamesEachSettingOnceWithItsCall) {
  std::set<std::string> names;
  for (const SettingRow &row : SettingRows()) {
    EXPECT_TRUE(names.insert(row.name).second) << row.name;
    EXPECT_EQ(std::string(row.function).rfind("zuVEXA_Configure", 0), 0u) << row.function;
    EXPECT_LE(row.min, row.initial) << row.name;
    EXPECT_LE(row.initial, row.max) << row.name;
  }
  const nlohmann::json values = SettingValues().ToJson();
  EXPECT_TRUE(values["numberOfSamples"].is_number_integer());
  EXPECT_EQ(values["iqRate"], 10e6);
}

// Records what reaches the session; answers as an open one would.
struct Recorder : PanelBackend {
  std::string called;
  SettingChanges changes;
  bool csvFails = false;
  nlohmann::json Note(const char *what) { return called = what, nlohmann::json::object(); }
  nlohmann::json State() override { return Note("State"); }
  nlohmann::json Open(const std::string &, const std::string &) override { return Note("Open"); }
  nlohmann::json Configure(const SettingChanges &applied) override {
    return changes = applied, Note("Configure");
  }
  std::string Frame() override { return Note("Frame").dump(); }
  nlohmann::json Attributes() override { return Note("Attributes"); }
  nlohmann::json SetAttribute(ViAttr, const nlohmann::json &) override { return Note("SetAttribute"); }
  bool RecordCsv(std::string &csv, nlohmann::json &failure) override {
    return Note("RecordCsv"), failure = RefusalBody("failed"), csv = "index,i,q\n", !csvFails;
  }
  nlohmann::json Devices() override { return Note("Devices"); }
};

constexpr const char *kToken = "0123456789abcdef0123456789abcdef";

PanelRequest Post(const char *path, std::string body, BodyState state = BodyState::kWhole) {
  return {"POST", path, {}, {{kTokenHeader, kToken}}, std::move(body), state};
}

PanelRequest Get(const char *path, std::map<std::string, std::string> headers = {{kTokenHeader, kToken}},
                 std::map<std::string, std::string> query = {}) {
  return {"GET", path, std::move(query), std::move(headers), "", BodyState::kWhole};
}

TEST(PanelRequests, AnswersAndWhatReachesTheSession) {
  const std::string over = R"({"resource":")" + std::string(kMaxBody, 'x') + R"("})";
  const std::string atLimit = R"({"iqRate":1e7)" + std::string(kMaxBody - 14, ' ') + "}";
  const struct {
    const char *what;
    PanelRequest request;
    int status;
    const char *reaches; // "" for nothing
  } cases[] = {
      {"page", Get("/", {}), 200, ""},
      {"script", Get("/panel.js", {}), 200, ""},
      {"no such page", Get("/x.html", {}), 404, ""},
      {"page by POST", Post("/index.html", "{}"), 405, ""},
      {"no token", Get("/api/state", {}), 403, ""},
      {"token in the query", Get("/api/state", {}, {{"token", kToken}}), 200, "State"},
      {"the header before the query", Get("/api/state", {{kTokenHeader, ""}}, {{"token", kToken}}), 403, ""},
      {"foreign origin", Get("/api/state", {{kTokenHeader, kToken}, {"Origin", "http://a"}, {"Host", "b"}}),
       403, ""},
      {"own origin", Get("/api/state", {{kTokenHeader, kToken}, {"Origin", "http://b:1"}, {"Host", "b:1"}}),
       200, "State"},
      {"settings table", Get("/api/settings-table"), 200, ""},
      {"devices", Get("/api/devices"), 200, "Devices"},
      {"frame", Get("/api/frame"), 200, "Frame"},
      {"attributes", Get("/api/attributes"), 200, "Attributes"},
      {"no such request", Get("/api/nothing"), 404, ""},
      {"open by GET", Get("/api/open"), 405, ""},
      {"state by POST", Post("/api/state", "{}"), 405, ""},
      {"body over the limit", Post("/api/open", over), 413, ""},
      {"body at the limit", Post("/api/settings", atLimit), 200, "Configure"},
      {"body left over the limit", Post("/api/open", "{}", BodyState::kOverLimit), 413, ""},
      {"body unreadable", Post("/api/open", "{}", BodyState::kUnreadable), 400, ""},
      {"form upload", Post("/api/open", "", BodyState::kMultipart), 400, ""},
      {"malformed JSON", Post("/api/settings", R"({"iqRate": )"), 400, ""},
      {"not an object", Post("/api/settings", "[1]"), 400, ""},
      {"unknown setting", Post("/api/settings", R"({"gain": 3})"), 400, ""},
      {"open", Post("/api/open", R"({"resource": "Analyzer1"})"), 200, "Open"},
      {"longest name", Post("/api/open", R"({"resource": ")" + std::string(255, 'x') + "\"}"), 200, "Open"},
      {"name too long", Post("/api/open", R"({"resource": ")" + std::string(256, 'x') + "\"}"), 400, ""},
      {"options not text", Post("/api/open", R"({"options": 1})"), 400, ""},
      {"attribute", Post("/api/attribute", R"({"id": 1150004, "value": "1k"})"), 200, "SetAttribute"},
      {"attribute id past 32 bits", Post("/api/attribute", R"({"id": 4294967297, "value": 1})"), 400, ""},
      {"attribute id negative", Post("/api/attribute", R"({"id": -1, "value": 1})"), 400, ""},
      {"attribute without id", Post("/api/attribute", R"({"value": 1})"), 400, ""},
      {"attribute without value", Post("/api/attribute", R"({"id": 1150004})"), 400, ""},
  };
  for (const auto &[what, request, status, reaches] : cases) {
    Recorder session;
    const PanelResponse response = PanelRequests(kToken, session).Handle(request);
    EXPECT_EQ(response.status, status) << what << ": " << response.body;
    EXPECT_EQ(session.called, reaches) << what;
  }
}

TEST(PanelRequests, WhatTheSessionIsHandedAndWhatItAnswers) {
  Recorder session;
  const PanelRequests requests(kToken, session);
  requests.Handle(Post("/api/settings", R"({"iqRate": "1M", "numberOfSamples": "2k"})"));
  EXPECT_EQ(session.changes,
            (SettingChanges{{FindSetting("iqRate"), 1e6}, {FindSetting("numberOfSamples"), 2000}}));
  const PanelResponse refused =
      requests.Handle(Post("/api/settings", R"({"iqRate": 1, "numberOfSamples": 0})"));
  EXPECT_EQ(nlohmann::json::parse(refused.body)["setting"], "numberOfSamples") << "shown beside its field";
  EXPECT_EQ(nlohmann::json::parse(requests.Handle(Get("/api/settings-table")).body), SettingsTableJson());

  const PanelResponse record = requests.Handle(Get("/api/record.csv"));
  EXPECT_EQ(record.contentType + " " + record.attachment + " " + record.body,
            "text/csv record.csv index,i,q\n");
  session.csvFails = true;
  EXPECT_EQ(requests.Handle(Get("/api/record.csv")).status, 409);
}

} // namespace
} // namespace zuvexapanel
