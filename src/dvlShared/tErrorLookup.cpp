#include "dvlShared/tErrorLookup.h"

namespace dvlShared {
namespace {
// Constant-initialised, so it exists before any exported function can run.
tErrorLookup gErrorLookup;
} // namespace

tErrorLookup &ErrorLookup() { return gErrorLookup; }

} // namespace dvlShared
