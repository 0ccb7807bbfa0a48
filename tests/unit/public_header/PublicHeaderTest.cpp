// The public header as application writers read it: the functions it
// declares and their parameter names must be the catalogue's, and the
// records it defines must look the same from C and C++.
#include <gtest/gtest.h>

#include <cstddef>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "zuVEXA.h"

#include "CatalogueSignatureChecks.h"
#include "HeaderLayout.h"

namespace {

using ParameterNames = std::vector<std::string>;
using Declarations = std::map<std::string, ParameterNames>;

std::string Trim(const std::string &text) {
  const auto first = text.find_first_not_of(" \t\n");
  if (first == std::string::npos)
    return "";
  const auto last = text.find_last_not_of(" \t\n");
  return text.substr(first, last - first + 1);
}

// "a , b" -> {"a", "b"}; an empty list gives no names.
ParameterNames SplitNames(const std::string &list) {
  ParameterNames names;
  std::stringstream stream(list);
  for (std::string item; std::getline(stream, item, ',');)
    if (!Trim(item).empty())
      names.push_back(Trim(item));
  return names;
}

// The name in one C parameter declaration: "const ViReal64 value[]" -> "value".
std::string ParameterName(const std::string &declaration) {
  static const std::regex lastIdentifier(R"(([A-Za-z_][A-Za-z_0-9]*)\s*(\[\s*\])?\s*$)");
  std::smatch match;
  return std::regex_search(declaration, match, lastIdentifier) ? match[1].str() : "";
}

std::string WithoutComments(const std::string &text) {
  static const std::regex comments(R"(/\*[\s\S]*?\*/|//[^\n]*)");
  return std::regex_replace(text, comments, " ");
}

Declarations HeaderDeclarations(const std::string &header) {
  static const std::regex declaration(R"(ZUVEXA_API\s+(?:ViStatus|void)\s+(\w+)\s*\(([^)]*)\)\s*;)");
  Declarations found;
  const std::string code = WithoutComments(header);
  for (std::sregex_iterator it(code.begin(), code.end(), declaration), end; it != end; ++it) {
    ParameterNames names;
    for (const std::string &parameter : SplitNames((*it)[2].str()))
      names.push_back(ParameterName(parameter));
    found[(*it)[1].str()] = names;
  }
  return found;
}

#define ZU_STRINGIZE_ALL(...) ZU_STRINGIZE_ALL_(__VA_ARGS__)
#define ZU_STRINGIZE_ALL_(...) #__VA_ARGS__

Declarations CatalogueDeclarations() {
  Declarations rows;
#define ZU_EXPORT(name, traceId, entry, ...) rows[#name] = SplitNames(ZU_STRINGIZE_ALL(ZU_PARAM_NAMES(__VA_ARGS__)));
#include "redirector/catalogue/Exports.def"
#define ZU_ENTRY(slot, member, symbol, form, mode, traceId, ...)                     \
  ZU_IF_EXPORTED(mode, rows[ZU_STRINGIZE(ZU_EXPORT_NAME(form, symbol))] =           \
                           SplitNames(ZU_STRINGIZE_ALL(ZU_PARAM_NAMES(__VA_ARGS__)));)
#include "redirector/catalogue/EntryPoints.def"
  return rows;
}

std::string ReadPublicHeader() {
  std::ifstream file(ZU_PUBLIC_HEADER_PATH);
  std::stringstream content;
  content << file.rdbuf();
  return content.str();
}

TEST(PublicHeaderParsing, FindsNamesOfArraysPointersAndConstParameters) {
  const Declarations found = HeaderDeclarations("/* ZUVEXA_API ViStatus hidden(int a); */\n"
                                                "ZUVEXA_API ViStatus f(ViSession vi, const ViReal64 values[],\n"
                                                "  ViInt32 *count); // trailing\n"
                                                "ZUVEXA_API void g(ViUInt32 index);");
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found.at("f"), (ParameterNames{"vi", "values", "count"}));
  EXPECT_EQ(found.at("g"), (ParameterNames{"index"}));
}

TEST(PublicHeader, DeclaresExactlyTheCatalogueFunctions) {
  const Declarations header = HeaderDeclarations(ReadPublicHeader());
  const Declarations catalogue = CatalogueDeclarations();
  ASSERT_EQ(catalogue.size(), static_cast<std::size_t>(public_header_checks::kCatalogueExportCount));
  for (const auto &[name, parameters] : catalogue)
    EXPECT_TRUE(header.count(name)) << name << " is not declared in zuVEXA.h";
  for (const auto &[name, parameters] : header)
    EXPECT_TRUE(catalogue.count(name)) << name << " is declared in zuVEXA.h but not exported";
}

TEST(PublicHeader, ParameterNamesAreTheCatalogueNamesInOrder) {
  const Declarations header = HeaderDeclarations(ReadPublicHeader());
  for (const auto &[name, parameters] : CatalogueDeclarations()) {
    const auto declared = header.find(name);
    if (declared != header.end()) {
      EXPECT_EQ(declared->second, parameters) << "parameters of " << name;
    }
  }
}

TEST(PublicHeader, RecordsHaveTheSameLayoutInC) {
  const HeaderLayoutFromC c = HeaderLayoutSeenByC();
  EXPECT_EQ(c.waveformInfoSize, sizeof(WaveformInfo));
  EXPECT_EQ(c.waveformInfoSize, 64u);
  EXPECT_EQ(c.actualSamplesOffset, offsetof(WaveformInfo, actualSamples));
  EXPECT_EQ(c.gainOffset, offsetof(WaveformInfo, gain));
  EXPECT_EQ(c.timestampSize, 16u);
  EXPECT_EQ(c.timestampSecondsOffset, 8u);
  EXPECT_EQ(c.complexNumberSize, 2 * sizeof(ViReal64));
  EXPECT_EQ(c.booleanSize, 2u);
  EXPECT_EQ(c.sessionSize, 4u);
  EXPECT_TRUE(c.fetchIsDeclared);
}

} // namespace
