// Every exported function whose body is nothing but the call frame around
// the module entry of the same name, generated from the catalogue, each with
// the call site the catalogue gives it (tracing/CallSites.h).
#include "redirector/api/CallFrame.h"
#include "redirector/api/ExportDeclarations.h"

#define ZU_FORWARD_DEFINITION(member, symbol, form, traceId, ...)                                            \
  ViStatus ZU_EXPORT_NAME(form, symbol)(ZU_PARAM_DECLS(__VA_ARGS__)) {                                       \
    return zuapi::Guard([&] {                                                                                \
      return zuapi::Forward<&zumodules::EntryPointSlots::member,                                             \
                            zutrace::sites::ZU_EXPORT_NAME(form, symbol)>(ZU_PARAM_NAMES(__VA_ARGS__));      \
    });                                                                                                      \
  }

#define ZU_ENTRY(slot, member, symbol, form, mode, traceId, ...)                                             \
  ZU_IF_FORWARDED(mode, ZU_FORWARD_DEFINITION(member, symbol, form, traceId, __VA_ARGS__))
#include "redirector/catalogue/EntryPoints.def"
