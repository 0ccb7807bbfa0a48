// The graphical environment's run-time announces its thread-local-storage
// index here; the module registry hands it to the backend modules.
#include "redirector/api/Export.h"
#include "redirector/api/ExportDeclarations.h"
#include "redirector/modules/ModuleRegistry.h"

ZUVEXA_EXPORT void SetGXRTTLSIndexHook(ViUInt32 index) {
  // A module's failure must not cross into the caller's run-time; the
  // announcement returns no status.
  (void)zuapi::Guard([index] {
    zumodules::Modules().AnnounceTlsIndex(index);
    return VI_SUCCESS;
  });
}
