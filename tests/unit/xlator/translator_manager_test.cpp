// The translator session, its default translator and the plug-in manager that is not installed.
#include "ErrorFileTree.h"
#include "SeamErrorTree.h"
#include "TranslatorSupport.h"
#include "zuapal/zuapalerr.h"

using namespace translatortest;
using xlatortest::Detail;
using xlatortest::Member;

namespace {

std::string StaticText(zuxlator::Session &session, ViStatus code, const char *name, uint32_t langWord,
                       zuerr::Status &status) {
  return Taken(zuxlator::GetStaticDesc(session, code, name, langWord, zuxlator::Alloc, nullptr, status));
}
std::string DynamicText(zuxlator::Session &session, const char *json, zuerr::Status &status) {
  return Taken(zuxlator::GetDynamicDesc(session, json, 0, "json1", zuxlator::Alloc, nullptr, status));
}

} // namespace

TEST(TranslatorSession, MakesEachTranslatorOnceAndDestroysItWithTheSession) {
  FakeTranslatorKind kind("fake");
  {
    SessionPtr session = NewSession();
    zuerr::Status status;
    zuxlator::TranslatorFunctions *driver =
        zuxlator::GetXlator(*session, zuxlator::kDriverTranslator, status);
    ASSERT_NE(driver, nullptr) << status.json;
    EXPECT_EQ(zuxlator::GetXlator(*session, zuxlator::kDriverTranslator, status), driver);
    zuxlator::TranslatorFunctions *fake = zuxlator::GetXlator(*session, "fake", status);
    EXPECT_EQ(zuxlator::GetXlator(*session, "fake", status), fake);
    EXPECT_EQ(kind.created, 1);
    for (const char *other : {"fakeX", "fak"}) { // names match whole
      zuerr::Status unknown;
      EXPECT_EQ(zuxlator::GetXlator(*session, other, unknown), nullptr) << other;
    }
  }
  EXPECT_EQ(kind.destroyed, 1);
}

TEST(TranslatorSession, FailedCreationLeavesNothingAndIsTriedAgain) {
  FakeTranslatorKind kind("fake");
  kind.failCreations = 1;
  SessionPtr session = NewSession();
  zuerr::Status first, second;
  EXPECT_EQ(zuxlator::GetXlator(*session, "fake", first), nullptr);
  EXPECT_EQ(first.code, -1);
  EXPECT_NE(zuxlator::GetXlator(*session, "fake", second), nullptr);
  EXPECT_EQ(zuxlator::GetXlator(*session, "fake", first), nullptr)
      << "a status holding an error asks nothing";
}

// libzuxlator.so.1 is not installed: the normal case.
TEST(TranslatorSession, AbsentPluginManagerFailsEveryUnknownNameAndUnansweredRequestsFail) {
  SessionPtr session = NewSession();
  zuerr::Status first, second, dynamic;
  EXPECT_EQ(zuxlator::GetXlator(*session, "nosuch", first), nullptr);
  EXPECT_EQ(first.code, zuapalerr_invalidParameter);
  EXPECT_EQ(Detail(first.json, "zudynlib_debug", "path"), "libzuxlator.so.1");
  EXPECT_EQ(StaticText(*session, 1, "another", 0, second), "<null>");
  EXPECT_EQ(second.code, first.code);
  EXPECT_STREQ(second.json, first.json) << "the remembered failure, not a new attempt";
  EXPECT_EQ(DynamicText(*session, R"({"translator":"nosuch"})", dynamic), "<null>");
  EXPECT_STREQ(dynamic.json, first.json);
  FakeTranslatorKind kind("fake", /*describes=*/false);
  SessionPtr answering = NewSession();
  // The JSON of a dynamic request (nullptr for a static one of "fake"), the debug text and a detail.
  const std::tuple<const char *, const char *, const char *, const char *> cases[] = {
      {nullptr, "xlator doesn't support getStaticDesc", "xlatorName", "fake"},
      {R"({"translator":"zuxlator_default"})", "xlator doesn't support getDynamicDesc", "xlatorName",
       "zuxlator_default"},
      {R"({"translator":5})", "could not find translator key in json", "json", R"({"translator":5})"},
      {R"({"translator":""})", "could not find translator key in json", "json", R"({"translator":""})"},
  };
  for (const auto &[json, debug, detailKey, detail] : cases) {
    SCOPED_TRACE(debug);
    zuerr::Status status;
    EXPECT_EQ(json ? DynamicText(*answering, json, status) : StaticText(*answering, 1, "fake", 0, status),
              "<null>");
    EXPECT_EQ(status.code, zuapalerr_resourceNotFound);
    EXPECT_EQ(Detail(status.json, "zuxlator_debug", "debug"), debug);
    EXPECT_EQ(Detail(status.json, "zuxlator_debug", detailKey), detail);
  }
  zuerr::Status status;
  EXPECT_EQ(DynamicText(*answering, R"({"translator":"fake"})", status), "{}")
      << "its dynamic reports still work";
}

TEST(DefaultTranslator, AnswersInTheLanguageOrElseInEnglish) {
  errortest::SeamErrorTree tree;
  tree.Shared("English", "e.err", {{"1", "one"}, {"2", "two"}});
  tree.Shared("Japanese", "j.err", {{"1", "ichi"}});
  SessionPtr session = NewSession();
  const std::tuple<ViStatus, uint32_t, const char *> cases[] = {
      {1, 3, "ichi"}, {2, 3, "two"}, {1, 6, "one"}, {1, 0x103, "ichi"}, {1, 2, "one"}};
  for (const auto &[code, langWord, text] : cases) {
    zuerr::Status status;
    EXPECT_EQ(StaticText(*session, code, zuxlator::kDefaultTranslator, langWord, status), text)
        << code << " " << langWord;
    EXPECT_EQ(status.code, 0) << status.json;
  }
}

TEST(DefaultTranslator, ReportsWhatItCouldNotFind) {
  errortest::SeamErrorTree tree;
  SessionPtr session = NewSession();
  zuerr::Status missingDirectory, notFound;
  EXPECT_EQ(StaticText(*session, 9, zuxlator::kDefaultTranslator, 3, missingDirectory), "<null>");
  EXPECT_EQ(missingDirectory.code, zuapalerr_resourceNotFound);
  EXPECT_EQ(Detail(missingDirectory.json, "zuxlator_debug", "debug"), "open dir failed");

  tree.Shared("English", "e.err", {{"1", "one"}});
  EXPECT_EQ(StaticText(*session, 9, zuxlator::kDefaultTranslator, 0x203, notFound), "<null>");
  EXPECT_EQ(notFound.code, zuapalerr_resourceNotFound);
  const char *debug = jsonz::Lookup(notFound.json, "zuxlator_debug");
  EXPECT_EQ(Member(debug, "zuxlator_defaultTranslator"), "couldn't find description for code");
  // Code, the last language tried, ADE.
  EXPECT_EQ(Member(debug, "code") + Member(debug, "lang") + Member(debug, "ade"), "902");
}
