// Every null pointer the API answers with a status of its own: the status,
// and where one is documented, the parameter position and name recorded
// with it. Nothing is written through the other pointers of the call.
#include <functional>
#include <string>

#include "GuardPageSupport.h"

namespace guardpage {
namespace {

constexpr ViStatus kCreateTableRefused = static_cast<ViStatus>(0xBFFA916F);

struct NullCase {
  const char *name;
  std::function<ViStatus()> call;
  ViStatus status;
  ViInt32 position = 0;              // of the null argument, when recorded as the secondary error
  const char *elaboration = nullptr; // its name, recorded with it
  bool forSession = true;            // recorded for the session rather than the thread
};

ViStatus ParameterPosition(ViInt32 position) { return static_cast<ViStatus>(0xBFFC0000) + position; }

class NullPointers : public GuardPageTest {};

TEST_F(NullPointers, EachGetsItsStatus) {
  const ViSession vi = vi_;
  static ViInt32 count = 0;
  static ViInt64 seconds = 0;
  static ViReal64 fraction = 0;
  static char text[256];
  static ViSession session = 0;
  ZUTimestamp timestamp{};
  const NullCase cases[] = {
      {"GetErrorMessage buffer", [] { return zuVEXA_GetErrorMessage(0, 0, 8, nullptr); },
       ZUVEXA_ERROR_NULL_POINTER},
      {"GetError buffer", [] { return zuVEXA_GetError(0, nullptr, 8, nullptr); }, ZUVEXA_ERROR_NULL_POINTER},
      {"error_message buffer", [vi] { return zuVEXA_error_message(vi, 0, nullptr); },
       ZUVEXA_ERROR_INVALID_PARAMETER, 3, "errorMessage"},
      {"error_query code", [vi] { return zuVEXA_error_query(vi, nullptr, text); },
       ZUVEXA_ERROR_INVALID_PARAMETER, 2, "errorCode"},
      {"error_query message", [vi] { return zuVEXA_error_query(vi, &count, nullptr); },
       ZUVEXA_ERROR_INVALID_PARAMETER, 3, "errorMessage"},
      {"supported models buffer",
       [vi] {
         return zuVEXA_GetAttributeViString(vi, "", ZUVEXA_ATTR_SUPPORTED_INSTRUMENT_MODELS, 8, nullptr);
       },
       ZUVEXA_ERROR_NULL_POINTER},
      {"de-embedding ports", [vi] { return zuVEXA_GetDeembeddingTableNumberOfPorts(vi, nullptr); },
       ZUVEXA_ERROR_INVALID_PARAMETER, 2, "numberOfPorts"},
      {"S-parameter count",
       [vi] { return zuVEXA_GetDeembeddingSparameters(vi, nullptr, 0, nullptr, &count); },
       ZUVEXA_ERROR_INVALID_PARAMETER, 4, "numberOfSparameters"},
      {"S-parameter ports",
       [vi] { return zuVEXA_GetDeembeddingSparameters(vi, nullptr, 0, &count, nullptr); },
       ZUVEXA_ERROR_INVALID_PARAMETER, 5, "numberOfPorts"},
      {"de-embedding table handles",
       [vi] { return GX_zuVEXA_CreateDeembeddingSparameterTableArray(vi, "", "table", nullptr, nullptr, 0); },
       kCreateTableRefused},
      {"relay counts", [vi] { return GX_zuVEXA_Get_Relay_Operation_Counts(vi, nullptr, &count, &count); },
       ZUVEXA_ERROR_NULL_POINTER},
      {"session by name", [] { return zuVEXA_GetViSessionByName("Analyzer", nullptr); },
       ZUVEXA_ERROR_NULL_POINTER, 0, nullptr, false},
      {"timestamp seconds", [timestamp] { return zuVEXA_ValuesFromTimestamp(timestamp, nullptr, &fraction); },
       ZUVEXA_ERROR_NULL_POINTER},
      {"timestamp fraction", [timestamp] { return zuVEXA_ValuesFromTimestamp(timestamp, &seconds, nullptr); },
       ZUVEXA_ERROR_NULL_POINTER},
      {"timestamp", [] { return zuVEXA_TimestampFromValues(0, 0.5, nullptr); }, ZUVEXA_ERROR_NULL_POINTER},
      {"resource name", [] { return zuVEXA_InitWithOptions(nullptr, VI_FALSE, VI_FALSE, "", &session); },
       ZUVEXA_ERROR_NULL_POINTER, 0, nullptr, false},
      {"calibration resource name", [] { return zuVEXA_InitExtCal(nullptr, "secret", "", &session); },
       ZUVEXA_ERROR_NULL_POINTER, 0, nullptr, false},
      {"name of the session to find", [] { return zuVEXA_GetViSessionByName(nullptr, &session); },
       ZUVEXA_ERROR_NULL_POINTER, 0, nullptr, false},
      {"bitfile resource name",
       [] { return zuVEXA_GetFPGAExtensionsBitfileDir(nullptr, 0, 0, sizeof text, text, &count); },
       ZUVEXA_ERROR_NULL_POINTER, 0, nullptr, false},
      {"new session",
       [] { return zuVEXA_InitWithOptions("Analyzer", VI_FALSE, VI_FALSE, "Simulate=1", nullptr); },
       ZUVEXA_ERROR_INVALID_PARAMETER, 0, nullptr, false},
  };
  for (const NullCase &c : cases) {
    SCOPED_TRACE(c.name);
    Ivi_ClearErrorInfo(0);
    Ivi_ClearErrorInfo(vi);
    EXPECT_EQ(c.call(), c.status);
    if (c.elaboration == nullptr) continue;
    const testsupport::ThreadError error = testsupport::ReadThreadError(c.forSession ? vi : 0);
    EXPECT_EQ(error.primary, c.status);
    EXPECT_EQ(error.secondary, ParameterPosition(c.position));
    EXPECT_EQ(error.elaboration, c.elaboration);
  }
  EXPECT_EQ(BackendStandin_SessionCount(), 1) << "only the fixture's session exists";
}

} // namespace
} // namespace guardpage
