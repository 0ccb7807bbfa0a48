// Failure details in a status's JSON text: objects such as "zuxlator_debug"
// or "internal_error" added after the code that the status just took.
#pragma once

#include "status/Status.h"
#include "status/jsonz.h"

namespace zuxlator {

// A cursor inside a new object `key` at the end of the status JSON when
// `taken` is true (the status took its code just now), else a cursor that
// writes nothing. Close it (or let it go) when the members are written.
jsonz::Cursor DetailObject(zuerr::Status &status, bool taken, const char *key);

// Adds {"api": api, "code": code, "string": text} as "internal_error" when
// `taken`.
void AddInternalError(zuerr::Status &status, bool taken, const char *api, int code, const char *text);

} // namespace zuxlator
