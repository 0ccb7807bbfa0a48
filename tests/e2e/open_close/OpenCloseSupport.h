// Shared set-up of the open and close tests: a clean engine, simulator and
// system configuration with two analyzers.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "StandIns.h"
#include "ThreadErrorInfo.h"
#include "backend_standin.h"
#include "ivi_standin.h"
#include "platform/IviEngine.h"
#include "redirector/api/ExportDeclarations.h"
#include "sysapi_standin.h"

namespace e2e {

constexpr ViStatus kUnknownSession = static_cast<ViStatus>(0xBFFA1190);
constexpr ViStatus kDeviceNotFound = static_cast<ViStatus>(0xBFFA0060);

inline void AddDevice(const char *name, const char *alias, int64_t productId, const char *backend,
                      int32_t simulated = 0, int32_t hidden = SYSAPISTANDIN_NO_VALUE, int32_t excluded = 0) {
  SysapiStandinDevice device{name, alias, backend, productId, simulated, hidden, excluded};
  ASSERT_EQ(SysapiStandin_AddDevice(&device), 0) << name;
}

using testsupport::ReadThreadError;
using testsupport::ThreadError;

class OpenCloseTest : public ::testing::Test {
protected:
  void SetUp() override {
    testsupport::ResetStandIns();
    AddDevice("PXI1Slot2", "Analyzer", 0x1C02, "RIO0"); // tov
    AddDevice("PXI1Slot5", nullptr, 0x1B02, nullptr);   // ka
  }

  // The index of the newest logged call of an entry, or -1.
  static ViInt32 LastCall(ViUInt32 kind, const char *entry) {
    ViInt32 found = -1;
    for (ViInt32 call = 0; (call = BackendStandin_FindCall(kind, entry, call)) >= 0; ++call) found = call;
    return found;
  }

  static std::string TextArgument(ViInt32 call, ViInt32 argument) {
    char text[256] = {};
    BackendStandin_CallArgumentText(call, argument, sizeof text, text);
    return text;
  }
};

} // namespace e2e
