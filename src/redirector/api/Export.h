// Marks a function as part of the library's exported C interface. The
// version script keeps every other symbol local.
#pragma once

#define ZUVEXA_EXPORT extern "C" __attribute__((visibility("default")))
