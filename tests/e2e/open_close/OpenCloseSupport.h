// Opens on clean stand-ins with two analyzers (and devices of every routed kind), and what the backend saw.
#pragma once

#include <string>

#include "StandIns.h"
#include "ThreadErrorInfo.h"
#include "platform/IviEngine.h"

namespace e2e {

constexpr ViStatus kUnknownSession = static_cast<ViStatus>(0xBFFA1190);
constexpr ViStatus kDeviceNotFound = static_cast<ViStatus>(0xBFFA0060);
constexpr ViStatus kInvalidModel = static_cast<ViStatus>(0xBFFA000F);
constexpr ViInt64 kNoProductId = -1; // the ka module's init takes none

using testsupport::CallText;
using testsupport::ReadThreadError;
using testsupport::ThreadError;

inline void AddDevice(const char *name, const char *alias, int64_t productId, const char *backend,
                      int32_t simulated = 0, int32_t hidden = SYSAPISTANDIN_NO_VALUE, int32_t excluded = 0) {
  ASSERT_EQ(testsupport::AddDevice(name, alias, productId, backend, simulated, hidden, excluded), 0) << name;
}

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
};

// What the backend saw of one open.
struct Routed {
  ViStatus status = 0;
  ViSession vi = 0;
  ViUInt32 kind = 0; // kind of the module that created the session
  ViInt32 init = -1; // index of its init call in the call log
  ViInt64 productId = kNoProductId;
};

class RoutingTest : public OpenCloseTest {
protected:
  void SetUp() override {
    OpenCloseTest::SetUp();
    AddDevice("PilDev", nullptr, 0x1C08, "RIO7");
    AddDevice("Q110Dev", nullptr, 0x1B06, nullptr);
    AddDevice("Q121Dev", nullptr, 0x1C05, "RIO3");
    AddDevice("Mystery", nullptr, 0x7777, nullptr); // no model has this identifier
    AddDevice("LemSim", nullptr, 0x1A02, nullptr, 1);
    AddDevice("LemReal", nullptr, 0x1A03, nullptr);
    AddDevice("TovBare", nullptr, 0x1C03, nullptr);
  }

  // The newest init call given this resource name: other threads may be opening other devices.
  static Routed Open(const char *resource, const char *options) {
    Routed r;
    r.status = zuVEXA_InitWithOptions(resource, VI_FALSE, VI_FALSE, options, &r.vi);
    if (r.status < 0) return r;
    r.kind = BackendStandin_SessionKind(r.vi);
    const char *entry = r.kind == 5   ? "InitWithOptions3"
                        : r.kind == 6 ? "InitWithOptions2"
                                      : "InitWithOptions";
    for (ViInt32 call = 0; (call = BackendStandin_FindCall(r.kind, entry, call)) >= 0; ++call)
      if (CallText(call, 0) == resource) r.init = call;
    if (r.kind != 1 && r.init >= 0) r.productId = BackendStandin_CallArgumentInt(r.init, 1);
    return r;
  }

  static void ExpectRoute(const char *resource, const char *options, ViUInt32 kind, ViInt64 productId) {
    SCOPED_TRACE(std::string("open \"") + resource + "\" with \"" + options + "\"");
    Routed r = Open(resource, options);
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.kind, kind);
    EXPECT_GE(r.init, 0);
    EXPECT_EQ(r.productId, productId);
    EXPECT_EQ(zuVEXA_close(r.vi), 0);
  }

  // The open fails with `status`, leaves newVi 0 and records status (and elaboration) for the thread.
  static void ExpectOpenFails(const char *resource, const char *options, ViStatus status,
                              const char *elaboration = nullptr) {
    SCOPED_TRACE(std::string("open \"") + resource + "\" with \"" + options + "\"");
    Ivi_ClearErrorInfo(0);
    ViSession vi = 0;
    EXPECT_EQ(zuVEXA_InitWithOptions(resource, VI_FALSE, VI_FALSE, options, &vi), status);
    EXPECT_EQ(vi, 0u);
    const ThreadError error = ReadThreadError();
    EXPECT_EQ(error.primary, status);
    if (elaboration != nullptr) EXPECT_EQ(error.elaboration, elaboration);
  }

  static int64_t Searches() { return SysapiStandin_CallCount(SYSAPISTANDIN_OP_FIND_RESOURCES); }
};

} // namespace e2e
