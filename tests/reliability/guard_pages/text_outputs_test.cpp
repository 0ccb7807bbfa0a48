// Every text output of the API written into a buffer that ends at an
// inaccessible page, with every size from 0 to the text's length + 1: the
// IVI buffer convention holds to the byte, and nothing is written in front
// of the buffer or past its end.
#include <functional>
#include <string>
#include <vector>

#include "GuardPageSupport.h"

namespace guardpage {
namespace {

constexpr ViAttr kTextAttribute = 1150999; // any string attribute of the simulated instrument
constexpr char kTextAttributeValue[] = "a text attribute long enough to be cut at every length";

struct TextOutput {
  const char *name;
  std::function<void()> prepare; // makes the text (again) before each call
  std::function<ViStatus(ViInt32 size, ViChar *buffer)> write;
  // The graphical-environment wrappers return their failure at every size;
  // 0 means the convention's result (needed size, or 0 when the text fits).
  ViStatus fixedResult = 0;
};

class TextOutputs : public GuardPageTest {
protected:
  std::vector<TextOutput> Outputs() {
    static ViSession ignored = 0;
    static ViStatus code = 0;
    static const std::string unknown = std::string(200, 'N') + "=1"; // recorded as a long elaboration
    const ViSession vi = vi_;
    auto failOpen = [] { zuVEXA_InitWithOptions("Analyzer", VI_FALSE, VI_FALSE, unknown.c_str(), &ignored); };
    auto failSessionCall = [vi] { zuVEXA_GetDeembeddingTableNumberOfPorts(vi, nullptr); };
    auto nothing = [] {};
    return {
        {"GetErrorMessage of the thread", nothing,
         [](ViInt32 s, ViChar *b) { return zuVEXA_GetErrorMessage(0, ZUVEXA_ERROR_INVALID_SESSION, s, b); }},
        {"GetErrorMessage of a session", nothing,
         [vi](ViInt32 s, ViChar *b) {
           return zuVEXA_GetErrorMessage(vi, ZUVEXA_ERROR_OPTION_BAD_VALUE, s, b);
         }},
        {"GetError of the thread", failOpen,
         [](ViInt32 s, ViChar *b) { return zuVEXA_GetError(0, &code, s, b); }},
        {"GetError of a session", failSessionCall,
         [vi](ViInt32 s, ViChar *b) { return zuVEXA_GetError(vi, &code, s, b); }},
        {"supported models attribute", nothing,
         [vi](ViInt32 s, ViChar *b) {
           return zuVEXA_GetAttributeViString(vi, "", ZUVEXA_ATTR_SUPPORTED_INSTRUMENT_MODELS, s, b);
         }},
        {"string attribute", nothing,
         [vi](ViInt32 s, ViChar *b) { return zuVEXA_GetAttributeViString(vi, "", kTextAttribute, s, b); }},
        {"desired string attribute", nothing,
         [vi](ViInt32 s, ViChar *b) {
           return zuVEXA_GetDesiredAttributeViString(vi, "", kTextAttribute, s, b);
         }},
        {"GX_zuVEXA_InitWithOptions", nothing,
         [](ViInt32 s, ViChar *b) {
           return GX_zuVEXA_InitWithOptions("Analyzer", 0, 0, unknown.c_str(), &ignored, s, b);
         },
         ZUVEXA_ERROR_OPTION_UNKNOWN_NAME},
        {"GX_zuVEXA_init", nothing,
         [](ViInt32 s, ViChar *b) { return GX_zuVEXA_init("NoSuchDevice", 0, 0, &ignored, s, b); },
         ZUVEXA_ERROR_DEVICE_NOT_FOUND},
        {"GX_zuVEXA_initExtCal", nothing,
         [](ViInt32 s, ViChar *b) {
           return GX_zuVEXA_initExtCal("Analyzer", "secret", unknown.c_str(), &ignored, s, b);
         },
         ZUVEXA_ERROR_OPTION_UNKNOWN_NAME},
        {"GX_zuVEXA_initExtCalTovInternal", nothing,
         [](ViInt32 s, ViChar *b) {
           return GX_zuVEXA_initExtCalTovInternal("Analyzer", "secret", unknown.c_str(), &ignored, s, b);
         },
         ZUVEXA_ERROR_OPTION_UNKNOWN_NAME},
        {"GX_zuVEXA_InitializeExternalAlignment", nothing,
         [](ViInt32 s, ViChar *b) {
           return GX_zuVEXA_InitializeExternalAlignment("Analyzer", unknown.c_str(), &ignored, s, b);
         },
         ZUVEXA_ERROR_OPTION_UNKNOWN_NAME},
        {"GX_zuVEXA_close", nothing, [](ViInt32 s, ViChar *b) { return GX_zuVEXA_close(kNeverOpened, s, b); },
         ZUVEXA_ERROR_INVALID_SESSION},
        {"GX_zuVEXA_closeExtCal", nothing,
         [](ViInt32 s, ViChar *b) { return GX_zuVEXA_closeExtCal(kNeverOpened, 1500, s, b); },
         ZUVEXA_ERROR_INVALID_SESSION},
        {"GX_zuVEXA_CloseExternalAlignment", nothing,
         [](ViInt32 s, ViChar *b) { return GX_zuVEXA_CloseExternalAlignment(kNeverOpened, 3100, s, b); },
         ZUVEXA_ERROR_INVALID_SESSION},
    };
  }

  // The whole text, written into a buffer with room to spare.
  std::string FullText(const TextOutput &output) {
    output.prepare();
    char *buffer = guarded_.Of(guarded_.capacity());
    output.write(static_cast<ViInt32>(guarded_.capacity()), buffer);
    return guarded_.Text(guarded_.capacity());
  }
};

TEST_F(TextOutputs, EverySizeFromZeroToTheTextLengthPlusOne) {
  ASSERT_EQ(zuVEXA_SetAttributeViString(vi_, "", kTextAttribute, kTextAttributeValue), 0);
  for (const TextOutput &output : Outputs()) {
    SCOPED_TRACE(output.name);
    const std::string text = FullText(output);
    ASSERT_NE(text, "<unterminated>");
    const size_t needed = text.size() + 1;
    for (size_t size = 0; size <= needed; ++size) {
      SCOPED_TRACE("buffer of " + std::to_string(size) + " bytes for " + std::to_string(text.size()) +
                   " characters");
      output.prepare();
      const ViStatus result = output.write(static_cast<ViInt32>(size), guarded_.Of(size));
      const ViStatus expected = output.fixedResult != 0 ? output.fixedResult
                                : size == needed        ? VI_SUCCESS
                                                        : static_cast<ViStatus>(needed);
      EXPECT_EQ(result, expected);
      EXPECT_TRUE(guarded_.PatternKept(size)) << "written in front of the buffer";
      if (size == 0) continue; // nothing to read: the buffer is the guard page
      EXPECT_EQ(guarded_.Text(size), text.substr(0, size - 1));
    }
  }
}

// A wrapper that succeeds leaves the description buffer as it was.
TEST_F(TextOutputs, SuccessfulWrappersLeaveTheBufferAlone) {
  constexpr size_t kSize = 64;
  ViSession vi = 0;
  ASSERT_EQ(GX_zuVEXA_InitWithOptions("Analyzer", 0, 0, "Simulate=1", &vi, kSize, guarded_.Of(kSize)), 0);
  EXPECT_TRUE(guarded_.PatternKept(kSize, true));
  ASSERT_EQ(GX_zuVEXA_close(vi, kSize, guarded_.Of(kSize)), 0);
  EXPECT_TRUE(guarded_.PatternKept(kSize, true));
}

// zuVEXA_error_message writes into the 256 bytes the caller provides, and
// zuVEXA_error_query writes no text at all.
TEST_F(TextOutputs, FixedSizeMessagesStayInTheirBuffers) {
  for (ViSession vi : {ViSession(0), vi_}) {
    char *message = guarded_.Of(256);
    EXPECT_EQ(zuVEXA_error_message(vi, ZUVEXA_ERROR_OPTION_BAD_VALUE, message), 0);
    EXPECT_NE(guarded_.Text(256), "<unterminated>");
    EXPECT_TRUE(guarded_.PatternKept(256));
  }
  ViInt32 code = -1;
  EXPECT_EQ(zuVEXA_error_query(vi_, &code, guarded_.Of(0)), static_cast<ViStatus>(0x3FFA0068));
  EXPECT_EQ(code, 0);
}

// A text the backend module writes reaches it as the caller's buffer, and
// the library writes nothing into it itself. (The forwarded functions'
// buffers: tests/e2e/forwarding.)
TEST_F(TextOutputs, BitfileDirectoryIsTheModulesToWrite) {
  char *buffer = guarded_.Of(0);
  ViInt32 required = 0;
  BackendStandin_ClearCalls();
  EXPECT_EQ(zuVEXA_GetFPGAExtensionsBitfileDir("Analyzer", 0, 0, 0, buffer, &required), 0);
  const ViInt32 call = BackendStandin_FindCall(BACKENDSTANDIN_ALL_KINDS, "GetFPGAExtensionsBitfileDir", 0);
  ASSERT_GE(call, 0);
  EXPECT_EQ(BackendStandin_CallArgumentPointer(call, 5), buffer);
  EXPECT_TRUE(guarded_.PatternKept(0));
}

} // namespace
} // namespace guardpage
