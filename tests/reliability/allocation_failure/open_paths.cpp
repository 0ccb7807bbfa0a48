// Opens of every kind on a warm process: cached, forgotten and simulated.
#include "AllocationPaths.h"

#include <memory>

#include "StandIns.h"
#include "dvlShared/DeviceInfoStore.h"
#include "redirector/api/ExportDeclarations.h"
#include "redirector/api/SessionRegistry.h"

namespace allocfail {
namespace {

constexpr ViUInt32 kTov = 5;
constexpr ViStatus kValueCopy = static_cast<ViStatus>(0xBFFF003C); // an option value not copied
constexpr char kDevice[] = "PXI1Slot2";
constexpr char kOptions[] = "RangeCheck=1,DriverSetup=Language:en;allowMultipleSessions:0";

using OpenFunction = ViStatus (*)(ViSession *newVi);
using CloseFunction = ViStatus (*)(ViSession vi);

struct OpenCase {
  const char *name;
  bool cached; // the device is in the cache before the open
  OpenFunction open;
  CloseFunction close;
};

// Nothing of a failed open remains: no backend or IVI session, no record.
void ExpectNothingOpen() {
  EXPECT_EQ(BackendStandin_SessionCount(), 0);
  EXPECT_EQ(IviStandin_SessionCount(), 0);
  ViSession stale = 0;
  EXPECT_NE(zuapi::Sessions().FindSessionByDevice(L"PXI1Slot2", zuapi::kNormal, stale), VI_SUCCESS);
}

void ExpectOpensAndCloses(const OpenCase &c) {
  ViSession vi = 0;
  ASSERT_EQ(c.open(&vi), VI_SUCCESS) << "the open works again";
  EXPECT_EQ(c.close(vi), VI_SUCCESS);
}

AllocationPath MakeOpenPath(const OpenCase &c) {
  auto vi = std::make_shared<ViSession>(0);
  auto prepare = [c, vi] {
    testsupport::ResetStandIns();
    ASSERT_EQ(testsupport::AddAnalyzer(), 0);
    *vi = 0;
    if (c.cached)
      ExpectOpensAndCloses(c);
    else
      dvlShared::ForgetDevice(kDevice);
    BackendStandin_ClearCalls();
  };
  auto check = [c, vi](ViStatus status) {
    if (status >= 0) {
      EXPECT_EQ(BackendStandin_SessionKind(*vi), kTov);
      EXPECT_EQ(c.close(*vi), VI_SUCCESS);
    }
    ExpectNothingOpen();
    ExpectOpensAndCloses(c);
  };
  return {c.name, prepare, [c, vi] { return c.open(vi.get()); }, {kOutOfMemory, kValueCopy}, check};
}

ViStatus OpenNormal(ViSession *vi) {
  return zuVEXA_InitWithOptions(kDevice, VI_FALSE, VI_FALSE, kOptions, vi);
}
ViStatus OpenSimulated(ViSession *vi) {
  return zuVEXA_InitWithOptions("", VI_FALSE, VI_FALSE, "Simulate=1,DriverSetup=Model:Q118", vi);
}
ViStatus OpenExtCal(ViSession *vi) { return zuVEXA_InitExtCal(kDevice, "secret", kOptions, vi); }
ViStatus OpenAlignment(ViSession *vi) { return zuVEXA_InitializeExternalAlignment(kDevice, kOptions, vi); }
ViStatus CloseExtCal(ViSession vi) { return zuVEXA_CloseExtCal(vi, 1500); }
ViStatus CloseAlignment(ViSession vi) { return zuVEXA_CloseExternalAlignment(vi, 3100); }

} // namespace

std::vector<AllocationPath> OpenPaths() {
  const OpenCase cases[] = {
      {"OpenCachedDevice", true, &OpenNormal, &zuVEXA_close},
      {"OpenAfterForget", false, &OpenNormal, &zuVEXA_close},
      {"OpenSimulatedModel", true, &OpenSimulated, &zuVEXA_close},
      {"OpenCalibration", true, &OpenExtCal, &CloseExtCal},
      {"OpenAlignment", true, &OpenAlignment, &CloseAlignment},
  };
  std::vector<AllocationPath> paths;
  for (const OpenCase &c : cases) paths.push_back(MakeOpenPath(c));
  return paths;
}

} // namespace allocfail
