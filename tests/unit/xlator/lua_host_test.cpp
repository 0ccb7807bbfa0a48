// The Lua translator host over a script of the test's own: what crosses back, and every failure.

#include <stdexcept>

#include "ErrorFileTree.h"
#include "TranslatorSupport.h"
#include "zuapal/zuapalerr.h"
#include "zuxlatorlua/LuaTranslator.h"

using xlatortest::Detail;
using xlatortest::ErrorFileTree;
using xlatortest::Member;

namespace {

constexpr const char *kProbeScript = R"(
local M, static, dynamic = {}, { [1] = { "a table" }, [2] = false, [4] = 12.5 }, { number = -7, zero = 0, ["numeric text"] = "-9" }
calls = 0
function M.getStaticDesc(code, lang, ade)
  calls = calls + 1
  if code == 3 then error("static failure") end
  if code == 5 then return tostring(calls) end
  if static[code] ~= nil then return static[code] or nil end
  return string.format("%d %d %d", code, lang, ade)
end
function M.getDynamicDesc(json, lang, ade, format)
  calls = calls + 1
  if format == "fail" then error("dynamic failure") end
  return dynamic[format] or json .. "|" .. format .. "|" .. lang .. "|" .. ade
end
return M
)";

class LuaHost : public ::testing::Test {
protected:
  void SetUp() override { files.Write("scripts/sub/hostprobe.lua", kProbeScript); }
  void TearDown() override {
    for (zuxlatorlua::LuaTranslator *translator : made) translator->functions.destroy(&translator->functions);
  }

  // The probe script's registration: its folder with a backslash, no trailing slash, between empty pieces.
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
    return made.emplace_back(translator);
  }
  zuxlator::TranslatorFunctions &Created() {
    zuerr::Status status;
    zuxlatorlua::LuaTranslator *translator = Create(Registration(), status);
    EXPECT_EQ(status.code, 0) << status.json;
    if (translator == nullptr) throw std::runtime_error("no translator");
    return translator->functions;
  }

  static std::string Static(zuxlator::TranslatorFunctions &f, ViStatus code, zuerr::Status &status,
                            uint32_t langWord = 0) {
    return translatortest::Taken(f.getStaticDesc(&f, code, langWord, zuxlator::Alloc, nullptr, &status));
  }
  static std::string Static(zuxlator::TranslatorFunctions &f, ViStatus code, uint32_t langWord = 0) {
    zuerr::Status status;
    std::string text = Static(f, code, status, langWord);
    EXPECT_EQ(status.code, 0) << status.json;
    return text;
  }
  static std::string Dynamic(zuxlator::TranslatorFunctions &f, const char *format, zuerr::Status &status) {
    return translatortest::Taken(
        f.getDynamicDesc(&f, R"({"a":1})", 0x103, format, zuxlator::Alloc, nullptr, &status));
  }

  ErrorFileTree files;
  std::vector<zuxlatorlua::LuaTranslator *> made;
};

} // namespace

TEST_F(LuaHost, StaticResultsCrossAsTextAndAFailureKeepsTheTranslatorUsable) {
  zuxlator::TranslatorFunctions &translator = Created();
  EXPECT_EQ(Static(translator, 9, 0x203), "9 3 2") << "code, language and ADE unpacked";
  EXPECT_EQ(Static(translator, -1074135025), "-1074135025 0 0") << "codes are signed";
  EXPECT_EQ(Static(translator, 1), "") << "a table";
  EXPECT_EQ(Static(translator, 2), "") << "nil";
  EXPECT_EQ(Static(translator, 4), "12.5");
  zuerr::Status status;
  EXPECT_EQ(Static(translator, 3, status), "<null>");
  EXPECT_EQ(status.code, zuapalerr_softwareFaultAPALInternalUseOnly);
  EXPECT_EQ(Detail(status.json, "internal_error", "api"), "lua");
  const std::string message = Detail(status.json, "internal_error", "string");
  EXPECT_NE(message.find("static failure"), std::string::npos) << message;
  EXPECT_NE(message.find("stack traceback"), std::string::npos) << "the message handler's traceback";
  EXPECT_EQ(Detail(status.json, "zuxlatorlua_debug", "debug"), "failed to get static desc");
  EXPECT_EQ(Static(translator, 9), "9 0 0");
}

TEST_F(LuaHost, StatusHoldingAnErrorOnEntryAndDynamicResults) {
  zuxlator::TranslatorFunctions &translator = Created();
  zuerr::Status failed;
  zuerr::SetCode(failed, -1);
  EXPECT_EQ(Static(translator, 9, failed), "<null>") << "the script runs, nothing is copied";
  EXPECT_EQ(Static(translator, 3, failed), "<null>");
  EXPECT_TRUE(failed.code == -1 && failed.json == nullptr)
      << "a script failure adds nothing to an earlier error";
  EXPECT_EQ(Dynamic(translator, "json1", failed), "<null>");
  EXPECT_EQ(Static(translator, 5), "3") << "the static calls ran, the dynamic one did not";
  const std::tuple<const char *, const char *, int32_t, const char *> cases[] = {
      {"json1", R"({"a":1}|json1|3|1)", 0, "<missing>"},
      {"zero", "<null>", 0, "<missing>"},
      {"number", "<null>", -7, "(int32_t)lua_tointeger(L, -1)"},
      {"numeric text", "<null>", -9, "(int32_t)lua_tointeger(L, -1)"},
      {"fail", "<null>", zuapalerr_softwareFaultAPALInternalUseOnly,
       "zuapalerr_softwareFaultAPALInternalUseOnly"},
  };
  for (const auto &[format, text, code, errorConstant] : cases) {
    SCOPED_TRACE(format);
    zuerr::Status status;
    EXPECT_EQ(Dynamic(translator, format, status), text);
    EXPECT_EQ(status.code, code);
    EXPECT_EQ(Member(status.json, "error_constant"), errorConstant);
    if (code != 0) EXPECT_EQ(Detail(status.json, "zuxlatorlua_debug", "debug"), "failed to get dynamic desc");
  }
}

TEST_F(LuaHost, SetUpFailuresLeaveNoInterpreter) {
  // Malformed, naming a module that is not found, naming none.
  for (const std::string registration :
       {"{\"zuxlatorlua_xlator\":", R"({"zuxlatorlua_xlator":"nosuchmodule"})",
        R"({"zuxlatorlua_settings":{}})"}) {
    SCOPED_TRACE(registration);
    zuerr::Status status;
    EXPECT_EQ(Create(registration, status), nullptr);
    EXPECT_EQ(status.code, zuapalerr_softwareFaultAPALInternalUseOnly);
    EXPECT_EQ(Detail(status.json, "zuxlatorlua_debug", "debug") +
                  Detail(status.json, "zuxlatorlua_debug", "name"),
              "lua setupEnv failedprobe");
    EXPECT_EQ(Detail(status.json, "zuxlatorlua_debug", "registrationInfo"), registration);
  }
  zuerr::Status earlier;
  zuerr::SetCode(earlier, -3);
  EXPECT_EQ(Create(Registration(), earlier), nullptr) << "a status holding an error makes nothing";
  EXPECT_EQ(earlier.code, -3);
}
