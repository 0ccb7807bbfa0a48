// The header declares exactly the catalogue's functions with their parameter names in order.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "redirector/catalogue/CatalogueMacros.h"

namespace {

using ParameterNames = std::vector<std::string>;
using Declarations = std::map<std::string, ParameterNames>;

// "ViSession vi, const ViReal64 values[]" -> {"vi", "values"}; "a, b" -> {"a", "b"}.
ParameterNames NamesIn(const std::string &list) {
  static const std::regex lastIdentifier(R"(([A-Za-z_]\w*)\s*(\[\s*\])?\s*(,|$))");
  ParameterNames names;
  for (std::sregex_iterator it(list.begin(), list.end(), lastIdentifier), end; it != end; ++it)
    names.push_back((*it)[1].str());
  return names;
}

Declarations HeaderDeclarations() {
  std::ifstream file(ZU_PUBLIC_HEADER_PATH);
  std::stringstream content;
  content << file.rdbuf();
  static const std::regex comments(R"(/\*[\s\S]*?\*/|//[^\n]*)");
  const std::string code = std::regex_replace(content.str(), comments, " ");
  static const std::regex declaration(R"(ZUVEXA_API\s+(?:ViStatus|void)\s+(\w+)\s*\(([^)]*)\)\s*;)");
  Declarations found;
  for (std::sregex_iterator it(code.begin(), code.end(), declaration), end; it != end; ++it)
    found[(*it)[1].str()] = NamesIn((*it)[2].str());
  return found;
}

#define ZU_STRINGIZE_ALL(...) ZU_STRINGIZE_ALL_(__VA_ARGS__)
#define ZU_STRINGIZE_ALL_(...) #__VA_ARGS__

Declarations CatalogueDeclarations() {
  Declarations rows;
#define ZU_EXPORT(name, traceId, entry, ...)                                                                 \
  rows[#name] = NamesIn(ZU_STRINGIZE_ALL(ZU_PARAM_NAMES(__VA_ARGS__)));
#include "redirector/catalogue/Exports.def"
#define ZU_ENTRY(slot, member, symbol, form, mode, traceId, ...)                                             \
  ZU_IF_EXPORTED(mode, rows[ZU_STRINGIZE(ZU_EXPORT_NAME(form, symbol))] =                                    \
                           NamesIn(ZU_STRINGIZE_ALL(ZU_PARAM_NAMES(__VA_ARGS__)));)
#include "redirector/catalogue/EntryPoints.def"
  return rows;
}

TEST(PublicHeader, DeclaresExactlyTheCatalogueFunctionsWithTheirParameterNamesInOrder) {
  const Declarations header = HeaderDeclarations(), catalogue = CatalogueDeclarations();
  for (const auto &[name, parameters] : catalogue) {
    const auto declared = header.find(name);
    if (declared == header.end())
      ADD_FAILURE() << name << " is not declared in zuVEXA.h";
    else
      EXPECT_EQ(declared->second, parameters) << "parameters of " << name;
  }
  for (const auto &[name, parameters] : header)
    EXPECT_TRUE(catalogue.count(name)) << name << " is declared in zuVEXA.h but not exported";
}

} // namespace
