// zuVEXA_GetErrorMessage and zuVEXA_GetError, as the first description of the
// process (translators made on the way) and once they exist. A failed
// translation gives its failure as text or nothing; the next one is whole.
#include "AllocationPaths.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "AllocationInjector.h"
#include "StandIns.h"
#include "dvlShared/TranslationSession.h"
#include "redirector/api/ExportDeclarations.h"
#include "zuxlatormgr/Session.h"

namespace allocfail {
namespace {

constexpr char kUnmapFailure[] = "failed to register zumxl_unmapErrorCode";

struct DescriptionState {
  ViSession vi = 0;
  char text[1024] = {};
  ViStatus code = 0;
  std::string expected; // the text when nothing fails
};

using DescribeFn = ViStatus (*)(DescriptionState &state);

ViStatus DescribeCode(DescriptionState &state) {
  return zuVEXA_GetErrorMessage(state.vi, ZUVEXA_ERROR_DEVICE_NOT_FOUND, sizeof state.text, state.text);
}

ViStatus DescribeSessionError(DescriptionState &state) {
  return zuVEXA_GetError(state.vi, &state.code, sizeof state.text, state.text);
}

// A simulated session whose last call failed, so that it holds an error.
void OpenWithError(DescriptionState &state) {
  testsupport::ResetStandIns();
  ASSERT_EQ(zuVEXA_InitWithOptions("", VI_FALSE, VI_FALSE, "Simulate=1,DriverSetup=Model:Q118", &state.vi),
            0);
  ASSERT_LT(zuVEXA_ConfigureIQRate(state.vi, "", -5), 0);
}

bool HasDriverTranslator(const zuxlator::Session &session) {
  return std::any_of(session.entries, session.entries + session.count, [](const auto &entry) {
    return std::string(entry.name) == zuxlator::kDriverTranslator;
  });
}

// A failed translation's status as JSON, or the text of a failed file read.
bool IsFailureText(const std::string &text) {
  return (!text.empty() && text.front() == '{') || text == "Error description not found";
}

std::vector<std::string> Paragraphs(const std::string &text) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t end; (end = text.find("\n\n", start)) != std::string::npos; start = end + 2)
    parts.push_back(text.substr(start, end - start));
  parts.push_back(text.substr(start));
  return parts;
}

// Each description in the text is the full one, a failure's text, or empty.
void ExpectWholeOrFailed(const std::string &text, const std::string &expected) {
  const std::vector<std::string> got = Paragraphs(text), want = Paragraphs(expected);
  for (size_t i = 0; i < got.size(); ++i) {
    if (i < want.size() && got[i] == want[i]) continue;
    EXPECT_TRUE(got[i].empty() || IsFailureText(got[i])) << "paragraph " << i << " of " << text;
  }
}

AllocationPath TranslationPath(const char *name, DescribeFn describe, bool fresh) {
  auto state = std::make_shared<DescriptionState>();
  auto prepare = [=] {
    OpenWithError(*state);
    if (state->expected.empty()) { // the full text, once
      ASSERT_EQ(describe(*state), VI_SUCCESS);
      state->expected = state->text;
      ASSERT_TRUE(!state->expected.empty() && !IsFailureText(state->expected)) << state->expected;
      ASSERT_LT(zuVEXA_ConfigureIQRate(state->vi, "", -5), 0);
    }
    if (fresh) dvlShared::ReleaseTranslatorSession();
    state->text[0] = '\0';
  };
  auto check = [=](ViStatus status) {
    const std::string text = state->text;
    if (status == VI_SUCCESS) ExpectWholeOrFailed(text, state->expected);
    ASSERT_LT(zuVEXA_ConfigureIQRate(state->vi, "", -5), 0);
    EXPECT_EQ(describe(*state), VI_SUCCESS);
    EXPECT_EQ(state->text, state->expected) << "the description works again";
    EXPECT_EQ(zuVEXA_close(state->vi), VI_SUCCESS);
  };
  return {name, prepare, [=] { return describe(*state); }, {kOutOfMemory}, check};
}

// A failed registration of zumxl_unmapErrorCode fails the driver's
// translator with -52003 and keeps nothing of it.
TEST(TranslationAllocationFailure, UnmapRegistrationFailureIsReachedAndReleasesTheTranslator) {
  bool reached = false;
  for (uint64_t n = 1; n < 20000 && !reached; ++n) {
    zuerr::Status status;
    zuxlator::Session *session = zuxlator::CreateSession(status);
    ASSERT_NE(session, nullptr);
    FailNth(n);
    zuxlator::TranslatorFunctions *translator =
        zuxlator::GetXlator(*session, zuxlator::kDriverTranslator, status);
    const bool injected = Disarm().injected;
    reached = status.json != nullptr && std::string(status.json).find(kUnmapFailure) != std::string::npos;
    if (reached) {
      EXPECT_EQ(status.code, -52003) << status.json;
      EXPECT_EQ(translator, nullptr);
      EXPECT_FALSE(HasDriverTranslator(*session));
    }
    zuxlator::DestroySession(session);
    if (!injected) break;
  }
  EXPECT_TRUE(reached);
}

} // namespace

std::vector<AllocationPath> TranslationPaths() {
  return {TranslationPath("ErrorMessageFirstDescription", &DescribeCode, true),
          TranslationPath("ErrorMessageDescribedBefore", &DescribeCode, false),
          TranslationPath("SessionErrorFirstDescription", &DescribeSessionError, true),
          TranslationPath("SessionErrorDescribedBefore", &DescribeSessionError, false)};
}

} // namespace allocfail
