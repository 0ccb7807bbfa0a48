// Run through the C preprocessor only (cmake/PythonPackage.cmake): writes
// every exported function and every attribute of the catalogue as one line
// that python/generator/generate_catalogue.py reads:
//   @export <name> | <result> | <type> : <role> : <parameter name> ; ... @end
//   @attribute <identifier> | <display name> @end
#include "zuVEXA.h"

// The rows are text, not code.
// clang-format off
#define ZUPY_PARAM(type, name, role) type : role : name
#define ZUPY_SEMICOLON() ;
#define ZUPY_ROW(name, result, ...) @export name | result | ZU_FOR_EACH(ZUPY_PARAM, ZUPY_SEMICOLON, __VA_ARGS__) @end

#define ZU_ENTRY(slot, member, symbol, form, mode, traceId, ...) \
  ZU_IF_EXPORTED(mode, ZUPY_ROW(ZU_EXPORT_NAME(form, symbol), ViStatus, __VA_ARGS__))
#include "redirector/catalogue/EntryPoints.def"

#define ZU_EXPORT(name, traceId, entry, ...) ZUPY_ROW(name, ViStatus, __VA_ARGS__)
#define ZU_EXPORT_VOID(name, traceId, entry, ...) ZUPY_ROW(name, void, __VA_ARGS__)
#include "redirector/catalogue/Exports.def"

#define ZU_ATTRIBUTE(identifier, displayName) @attribute identifier | displayName @end
#include "zuxlatorlua/attributes/Attributes.def"
// clang-format on
