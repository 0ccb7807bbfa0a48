// Error statuses in the "json1" format, formatted to text. The JSON text of a
// status names its translator ("translator"), carries data for it
// ("translator_info" with "ordered_data") and may hold nested error statuses
// ("nested_error", an object or an array of objects with their own "code").
// Formatting asks the translators for the static description, the dynamic
// report and the debug report the flags select, decorates the report items,
// and formats nested errors recursively, indented by their depth.
#pragma once

#include <cstdint>
#include <string>

#include "status/Status.h"
#include "status/jsonz.h"
#include "zuxlator/zuxlator.h"

namespace zuxlator::json1 {

// What to produce.
enum : uint32_t {
  kStaticDescription = 0x1,
  kDynamicReport = 0x2,
  kDebugReport = 0x4,
  kNestedErrors = 0x8,
};

// The decorations of one report item type; null means empty.
struct ItemFormat {
  const char *itemPrefix;
  const char *itemSuffix;
  const char *keyPrefix;
  const char *keySuffix;
  const char *valuePrefix;
  const char *valueSuffix;
  const char *elementPrefix;
  const char *elementSuffix;
  const char *elementSeparator;
};

// Rows {type name, format}; the last row has a null name and holds the
// format of every type not listed.
struct ItemFormatRow {
  const char *typeName;
  ItemFormat format;
};

// Texts around the static description, the dynamic report and the debug
// report; null means empty.
struct FormatStrings {
  const char *beforeStatic;
  const char *afterStatic;
  const char *beforeDynamic;
  const char *afterDynamic;
  const char *beforeDebug;
  const char *afterDebug;
};

// Turns the text of one error at nesting depth `level` into its final form.
class NestedFormatter {
public:
  virtual ~NestedFormatter() = default;
  virtual void format(int level, std::string &text, zuerr::Status &status) = 0;
};

// Trims line ends from both ends; at level 0 appends a blank line, deeper
// down also indents every line by three blanks per level.
class RawTextFormatter final : public NestedFormatter {
public:
  void format(int level, std::string &text, zuerr::Status &status) override;
};

// Tags the status for `translatorName`: a cursor inside its
// "translator_info"."ordered_data" array (created with "is_debug": "0" and
// "version": 1 when missing). A null cursor when the status is tagged for
// another translator or its JSON cannot be written.
jsonz::Cursor OpenOrderedData(zuerr::Status &status, const char *translatorName);

// Appends the text of errStatus to `out` (nothing for code 0 or when the
// status already holds an error). A failed translation is retried without
// nested errors, then with the static description alone, then for the bare
// code through the default translator; if all fail, the failure's JSON is
// appended (after a blank line when some text was produced).
void translateErrStatusToRawText(Session &session, const zuerr::Status &errStatus, uint32_t langWord,
                                 uint32_t flags, std::string &out, zuerr::Status &status);

// The recursive worker: formats the error `code` with its JSON text (may be
// null) at depth `level` and appends it to `out`.
void translateErrStatusToFormattedText(Session &session, const FormatStrings &formatStrings,
                                       const ItemFormatRow *itemFormats, NestedFormatter &formatter,
                                       int level, ViStatus code, const char *json, uint32_t langWord,
                                       uint32_t flags, std::string &out, zuerr::Status &status);

// Appends the decorated items of one report array (the JSON text at `items`)
// to `text`; nothing at all when an item is malformed (-52005).
void formatDynamicReportItems(const ItemFormatRow *itemFormats, const char *items, std::string &text,
                              zuerr::Status &status);

} // namespace zuxlator::json1
