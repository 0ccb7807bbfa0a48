// The graphical environment's run-time announces its thread-local-storage
// index here; the module registry hands it to the backend modules.
#include "redirector/api/ExportDeclarations.h"
#include "redirector/modules/ModuleRegistry.h"

ZUVEXA_EXPORT void SetGXRTTLSIndexHook(ViUInt32 index) {
  try {
    zumodules::Modules().AnnounceTlsIndex(index);
  } catch (...) {
    // A module's failure must not cross into the caller's run-time.
  }
}
