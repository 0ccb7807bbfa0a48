// --trace: switches the call tracer on for this process.
#pragma once

namespace zuvexaiq {

// Asks the call tracer to write every library call to standard error
// (unless ZUPEEK_TRACE already names a destination) and loads it, from the
// loader's path or from lib/peeklog beside the program's lib folder, so the
// library finds it on its first call. False when it cannot be loaded.
bool StartCallTracer();

} // namespace zuvexaiq
