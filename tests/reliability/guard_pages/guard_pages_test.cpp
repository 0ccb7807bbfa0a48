// Text outputs of the API written into buffers that end at an inaccessible
// page, at every size from 0 to the text's length + 1 (the IVI buffer
// convention holds to the byte, nothing is written in front of the buffer or
// past its end), and every null pointer the API answers with a status.
#include <gtest/gtest.h>

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "StandIns.h"
#include "ThreadErrorInfo.h"
#include "zuVEXA.h"

namespace guardpage {
namespace {

// Each buffer ends where an inaccessible page begins, so that a write of one
// byte past its end faults at once; the accessible bytes in front of it hold
// a pattern each call must leave alone.
class GuardedBuffer {
public:
  static constexpr unsigned char kPattern = 0xA5;

  GuardedBuffer() {
    if (base_ == MAP_FAILED || mprotect(base_ + capacity(), page_, PROT_NONE) != 0)
      throw std::runtime_error("no guard page");
  }
  ~GuardedBuffer() { munmap(base_, 3 * page_); }

  size_t capacity() const { return 2 * page_; }

  // A buffer of `size` bytes ending at the guard page, patterned like
  // everything in front of it (size 0: the guard page itself).
  char *Of(size_t size) {
    std::memset(base_, kPattern, capacity());
    return base_ + capacity() - size;
  }

  // Whether the pattern in front of the buffer of `size` bytes is intact
  // (and, with `inside`, in the buffer itself as well).
  bool PatternKept(size_t size, bool inside = false) const {
    const char *begin = base_, *end = base_ + capacity() - (inside ? 0 : size);
    return std::all_of(begin, end, [](char c) { return static_cast<unsigned char>(c) == kPattern; });
  }

  // The text in the buffer of `size` bytes up to its NUL, "<unterminated>" without one.
  std::string Text(size_t size) const {
    const char *buffer = base_ + capacity() - size;
    const void *nul = std::memchr(buffer, '\0', size);
    return nul == nullptr ? "<unterminated>" : std::string(buffer, static_cast<const char *>(nul));
  }

private:
  const size_t page_ = static_cast<size_t>(sysconf(_SC_PAGESIZE));
  char *const base_ = static_cast<char *>(
      mmap(nullptr, 3 * page_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
};

constexpr ViSession kNeverOpened = 0x7777;

class GuardPageTest : public testing::Test {
protected:
  void SetUp() override {
    testsupport::ResetStandIns();
    ASSERT_EQ(testsupport::AddAnalyzer(), 0);
    ASSERT_EQ(zuVEXA_InitWithOptions("Analyzer", VI_FALSE, VI_FALSE, "Simulate=1", &vi_), 0);
  }
  void TearDown() override { zuVEXA_close(vi_); }

  ViSession vi_ = 0;
  GuardedBuffer guarded_;
};

constexpr ViAttr kTextAttribute = 1150999; // any string attribute of the simulated instrument
constexpr char kTextAttributeValue[] = "a text attribute long enough to be cut at every length";

// A table row: the call's own text names it.
#define CALL(...) #__VA_ARGS__, [=](ViInt32 s, ViChar * b) -> ViStatus { return __VA_ARGS__; }

struct TextOutput {
  const char *name;
  std::function<ViStatus(ViInt32 size, ViChar *buffer)> write;
  // The graphical-environment wrappers return their failure at every size;
  // 0 means the convention's result (needed size, or 0 when the text fits).
  ViStatus fixedResult = 0;
  std::function<void()> prepare = [] {}; // makes the text (again) before each call
};

class TextOutputs : public GuardPageTest {
protected:
  std::vector<TextOutput> Outputs() {
    static ViSession ignored = 0;
    static ViStatus code = 0;
    static const std::string unknown = std::string(200, 'N') + "=1"; // recorded as a long elaboration
    static const char *const bad = unknown.c_str();
    const ViSession vi = vi_;
    constexpr ViStatus kUnknownName = ZUVEXA_ERROR_OPTION_UNKNOWN_NAME,
                       kInvalid = ZUVEXA_ERROR_INVALID_SESSION;
    return {
        {CALL(zuVEXA_GetErrorMessage(0, kInvalid, s, b))},
        {CALL(zuVEXA_GetErrorMessage(vi, ZUVEXA_ERROR_OPTION_BAD_VALUE, s, b))},
        {CALL(zuVEXA_GetError(0, &code, s, b)), 0,
         [] { zuVEXA_InitWithOptions("Analyzer", VI_FALSE, VI_FALSE, bad, &ignored); }},
        {CALL(zuVEXA_GetError(vi, &code, s, b)), 0,
         [vi] { zuVEXA_GetDeembeddingTableNumberOfPorts(vi, nullptr); }},
        {CALL(zuVEXA_GetAttributeViString(vi, "", ZUVEXA_ATTR_SUPPORTED_INSTRUMENT_MODELS, s, b))},
        {CALL(zuVEXA_GetAttributeViString(vi, "", kTextAttribute, s, b))},
        {CALL(zuVEXA_GetDesiredAttributeViString(vi, "", kTextAttribute, s, b))},
        {CALL(GX_zuVEXA_InitWithOptions("Analyzer", 0, 0, bad, &ignored, s, b)), kUnknownName},
        {CALL(GX_zuVEXA_init("NoSuchDevice", 0, 0, &ignored, s, b)), ZUVEXA_ERROR_DEVICE_NOT_FOUND},
        {CALL(GX_zuVEXA_initExtCal("Analyzer", "secret", bad, &ignored, s, b)), kUnknownName},
        {CALL(GX_zuVEXA_initExtCalTovInternal("Analyzer", "secret", bad, &ignored, s, b)), kUnknownName},
        {CALL(GX_zuVEXA_InitializeExternalAlignment("Analyzer", bad, &ignored, s, b)), kUnknownName},
        {CALL(GX_zuVEXA_close(kNeverOpened, s, b)), kInvalid},
        {CALL(GX_zuVEXA_closeExtCal(kNeverOpened, 1500, s, b)), kInvalid},
        {CALL(GX_zuVEXA_CloseExternalAlignment(kNeverOpened, 3100, s, b)), kInvalid},
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

// The module writes this text into the caller's own buffer; the library
// writes nothing into it.
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

constexpr ViStatus kCreateTableRefused = static_cast<ViStatus>(0xBFFA916F);

struct NullCase {
  const char *name;
  std::function<ViStatus(ViInt32, ViChar *)> call;
  ViStatus status;
  ViInt32 position = 0;              // of the null argument, when recorded as the secondary error
  const char *elaboration = nullptr; // its name, recorded with it
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
  const ZUTimestamp timestamp{};
  constexpr ViStatus kNull = ZUVEXA_ERROR_NULL_POINTER, kBad = ZUVEXA_ERROR_INVALID_PARAMETER;
  const NullCase cases[] = {
      {CALL(zuVEXA_GetErrorMessage(0, 0, 8, nullptr)), kNull},
      {CALL(zuVEXA_GetError(0, nullptr, 8, nullptr)), kNull},
      {CALL(zuVEXA_error_message(vi, 0, nullptr)), kBad, 3, "errorMessage"},
      {CALL(zuVEXA_error_query(vi, nullptr, text)), kBad, 2, "errorCode"},
      {CALL(zuVEXA_error_query(vi, &count, nullptr)), kBad, 3, "errorMessage"},
      {CALL(zuVEXA_GetAttributeViString(vi, "", ZUVEXA_ATTR_SUPPORTED_INSTRUMENT_MODELS, 8, nullptr)), kNull},
      {CALL(zuVEXA_GetDeembeddingTableNumberOfPorts(vi, nullptr)), kBad, 2, "numberOfPorts"},
      {CALL(zuVEXA_GetDeembeddingSparameters(vi, nullptr, 0, nullptr, &count)), kBad, 4,
       "numberOfSparameters"},
      {CALL(zuVEXA_GetDeembeddingSparameters(vi, nullptr, 0, &count, nullptr)), kBad, 5, "numberOfPorts"},
      {CALL(GX_zuVEXA_CreateDeembeddingSparameterTableArray(vi, "", "table", nullptr, nullptr, 0)),
       kCreateTableRefused},
      {CALL(GX_zuVEXA_Get_Relay_Operation_Counts(vi, nullptr, &count, &count)), kNull},
      {CALL(zuVEXA_GetViSessionByName("Analyzer", nullptr)), kNull},
      {CALL(zuVEXA_ValuesFromTimestamp(timestamp, nullptr, &fraction)), kNull},
      {CALL(zuVEXA_ValuesFromTimestamp(timestamp, &seconds, nullptr)), kNull},
      {CALL(zuVEXA_TimestampFromValues(0, 0.5, nullptr)), kNull},
      {CALL(zuVEXA_InitWithOptions(nullptr, VI_FALSE, VI_FALSE, "", &session)), kNull},
      {CALL(zuVEXA_InitExtCal(nullptr, "secret", "", &session)), kNull},
      {CALL(zuVEXA_GetViSessionByName(nullptr, &session)), kNull},
      {CALL(zuVEXA_GetFPGAExtensionsBitfileDir(nullptr, 0, 0, sizeof text, text, &count)), kNull},
      {CALL(zuVEXA_InitWithOptions("Analyzer", VI_FALSE, VI_FALSE, "Simulate=1", nullptr)), kBad},
  };
  for (const NullCase &c : cases) {
    SCOPED_TRACE(c.name);
    Ivi_ClearErrorInfo(0);
    Ivi_ClearErrorInfo(vi);
    EXPECT_EQ(c.call(0, nullptr), c.status);
    if (c.elaboration == nullptr) continue;
    const testsupport::ThreadError error = testsupport::ReadThreadError(vi);
    EXPECT_EQ(error.primary, c.status);
    EXPECT_EQ(error.secondary, ParameterPosition(c.position));
    EXPECT_EQ(error.elaboration, c.elaboration);
  }
  EXPECT_EQ(BackendStandin_SessionCount(), 1) << "only the fixture's session exists";
}

} // namespace
} // namespace guardpage
