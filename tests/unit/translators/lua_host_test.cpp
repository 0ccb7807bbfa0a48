// The Lua translator host with a translator script of the test's own, found
// through the registration's script path: what crosses back from the
// scripts, and every failure of creation and description.
#include <gtest/gtest.h>

#include <string>

#include "ErrorFileTree.h"
#include "zuapal/zuapalerr.h"
#include "zuxlatorlua/LuaTranslator.h"

using xlatortest::Detail;
using xlatortest::ErrorFileTree;
using xlatortest::Member;

namespace {

constexpr const char *kProbeScript = R"(
local M = {}
calls = 0
function M.getStaticDesc(code, lang, ade)
  calls = calls + 1
  if code == 1 then return { "a table" } end
  if code == 2 then return nil end
  if code == 3 then error("static failure") end
  if code == 4 then return 12.5 end
  if code == 5 then return tostring(calls) end
  return string.format("%d %d %d", code, lang, ade)
end
function M.getDynamicDesc(json, lang, ade, format)
  calls = calls + 1
  if format == "number" then return -7 end
  if format == "zero" then return 0 end
  if format == "numeric text" then return "-9" end
  if format == "fail" then error("dynamic failure") end
  return json .. "|" .. format .. "|" .. lang .. "|" .. ade
end
return M
)";

class LuaHost : public ::testing::Test {
protected:
  void SetUp() override { files.Write("scripts/sub/hostprobe.lua", kProbeScript); }
  void TearDown() override {
    for (zuxlatorlua::LuaTranslator *translator : made) translator->functions.destroy(&translator->functions);
  }

  // The registration of the probe script, its folder written with a
  // backslash and without a trailing slash, between empty path pieces.
  std::string Registration() const {
    return R"({"zuxlatorlua_path":";)" + files.Path("scripts") +
           R"(\\sub;","zuxlatorlua_xlator":"hostprobe"})";
  }

  zuxlatorlua::LuaTranslator *Create(const std::string &registration, zuerr::Status &status) {
    auto *translator = new zuxlatorlua::LuaTranslator{};
    zuxlatorlua::CreateLuaTranslator(*translator, "probe", registration.c_str(), status);
    if (translator->interpreter == nullptr) {
      delete translator;
      return nullptr;
    }
    made.push_back(translator);
    return translator;
  }
  zuxlatorlua::LuaTranslator *Create() {
    zuerr::Status status;
    zuxlatorlua::LuaTranslator *translator = Create(Registration(), status);
    EXPECT_EQ(status.code, 0) << status.json;
    return translator;
  }

  static std::string Static(zuxlatorlua::LuaTranslator *translator, ViStatus code, zuerr::Status &status,
                            uint32_t langWord = 0) {
    zuxlator::TranslatorFunctions &f = translator->functions;
    char *text = f.getStaticDesc(&f, code, langWord, zuxlator::Alloc, nullptr, &status);
    std::string result = text != nullptr ? text : "<null>";
    zuxlator::Alloc(text, 0, nullptr, nullptr);
    return result;
  }
  static std::string Static(zuxlatorlua::LuaTranslator *translator, ViStatus code, uint32_t langWord = 0) {
    zuerr::Status status;
    std::string text = Static(translator, code, status, langWord);
    EXPECT_EQ(status.code, 0) << status.json;
    return text;
  }
  static std::string Dynamic(zuxlatorlua::LuaTranslator *translator, const char *format,
                             zuerr::Status &status) {
    zuxlator::TranslatorFunctions &f = translator->functions;
    char *text = f.getDynamicDesc(&f, R"({"a":1})", 0x103, format, zuxlator::Alloc, nullptr, &status);
    std::string result = text != nullptr ? text : "<null>";
    zuxlator::Alloc(text, 0, nullptr, nullptr);
    return result;
  }

  ErrorFileTree files;
  std::vector<zuxlatorlua::LuaTranslator *> made;
};

} // namespace

TEST_F(LuaHost, StaticResultsCrossAsText) {
  zuxlatorlua::LuaTranslator *translator = Create();
  ASSERT_NE(translator, nullptr);
  EXPECT_EQ(Static(translator, 9, 0x203), "9 3 2") << "code, language and ADE unpacked";
  EXPECT_EQ(Static(translator, -1074135025), "-1074135025 0 0") << "codes are signed";
  EXPECT_EQ(Static(translator, 1), "") << "a table";
  EXPECT_EQ(Static(translator, 2), "") << "nil";
  EXPECT_EQ(Static(translator, 4), "12.5");
}

TEST_F(LuaHost, StaticScriptFailureKeepsTheTranslatorUsable) {
  zuxlatorlua::LuaTranslator *translator = Create();
  ASSERT_NE(translator, nullptr);
  zuerr::Status status;
  EXPECT_EQ(Static(translator, 3, status), "<null>");
  EXPECT_EQ(status.code, zuapalerr_softwareFaultAPALInternalUseOnly);
  EXPECT_EQ(Member(status.json, "error_constant"), "zuapalerr_softwareFaultAPALInternalUseOnly");
  EXPECT_EQ(Detail(status.json, "internal_error", "api"), "lua");
  const std::string message = Detail(status.json, "internal_error", "string");
  EXPECT_NE(message.find("static failure"), std::string::npos) << message;
  EXPECT_NE(message.find("stack traceback"), std::string::npos) << "the message handler's traceback";
  EXPECT_EQ(Detail(status.json, "zuxlatorlua_debug", "debug"), "failed to get static desc");
  EXPECT_EQ(Static(translator, 9), "9 0 0");
}

TEST_F(LuaHost, StatusHoldingAnErrorOnEntry) {
  zuxlatorlua::LuaTranslator *translator = Create();
  ASSERT_NE(translator, nullptr);
  zuerr::Status failed;
  zuerr::SetCode(failed, -1);
  EXPECT_EQ(Static(translator, 9, failed), "<null>") << "the script runs, nothing is copied";
  EXPECT_EQ(Static(translator, 3, failed), "<null>");
  EXPECT_EQ(failed.code, -1) << "a script failure adds nothing to an earlier error";
  EXPECT_EQ(failed.json, nullptr);
  EXPECT_EQ(Dynamic(translator, "json1", failed), "<null>");
  EXPECT_EQ(Static(translator, 5), "3") << "the static calls ran, the dynamic one did not";
}

TEST_F(LuaHost, DynamicResults) {
  zuxlatorlua::LuaTranslator *translator = Create();
  ASSERT_NE(translator, nullptr);
  struct Case {
    const char *format;
    const char *text;
    int32_t code;
    const char *errorConstant;
  } cases[] = {
      {"json1", R"({"a":1}|json1|3|1)", 0, "<missing>"},
      {"zero", "<null>", 0, "<missing>"},
      {"number", "<null>", -7, "(int32_t)lua_tointeger(L, -1)"},
      {"numeric text", "<null>", -9, "(int32_t)lua_tointeger(L, -1)"},
      {"fail", "<null>", zuapalerr_softwareFaultAPALInternalUseOnly,
       "zuapalerr_softwareFaultAPALInternalUseOnly"},
  };
  for (const Case &c : cases) {
    zuerr::Status status;
    EXPECT_EQ(Dynamic(translator, c.format, status), c.text) << c.format;
    EXPECT_EQ(status.code, c.code) << c.format;
    EXPECT_EQ(Member(status.json, "error_constant"), c.errorConstant) << c.format;
    if (c.code != 0) {
      EXPECT_EQ(Detail(status.json, "zuxlatorlua_debug", "debug"), "failed to get dynamic desc");
    }
  }
}

TEST_F(LuaHost, SetUpFailuresLeaveNoInterpreter) {
  struct Case {
    const char *name;
    std::string registration;
  } cases[] = {
      {"malformed registration", "{\"zuxlatorlua_xlator\":"},
      {"translator module not found", R"({"zuxlatorlua_xlator":"nosuchmodule"})"},
      {"no translator module named", R"({"zuxlatorlua_settings":{}})"},
  };
  for (const Case &c : cases) {
    zuerr::Status status;
    EXPECT_EQ(Create(c.registration, status), nullptr) << c.name;
    EXPECT_EQ(status.code, zuapalerr_softwareFaultAPALInternalUseOnly) << c.name;
    EXPECT_EQ(Detail(status.json, "zuxlatorlua_debug", "debug"), "lua setupEnv failed") << c.name;
    EXPECT_EQ(Detail(status.json, "zuxlatorlua_debug", "name"), "probe");
    EXPECT_EQ(Detail(status.json, "zuxlatorlua_debug", "registrationInfo"), c.registration);
  }
  zuerr::Status earlier;
  zuerr::SetCode(earlier, -3);
  EXPECT_EQ(Create(Registration(), earlier), nullptr) << "a status holding an error makes nothing";
  EXPECT_EQ(earlier.code, -3);
}
