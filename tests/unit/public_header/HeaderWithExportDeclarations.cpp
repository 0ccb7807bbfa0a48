// The public header and the library's own declarations in one translation
// unit: two declarations of one C function with different types do not
// compile. The status codes the header publishes are the library's own.
#include "zuVEXA.h"

#include "dvlShared/DiscoveryStatus.h"
#include "redirector/api/ExportDeclarations.h"
#include "redirector/api/SessionRegistry.h"
#include "redirector/modules/ModuleKind.h"
#include "redirector/modules/OptionString.h"
#include "zumxl/mxlate.h"

#include "CatalogueSignatureChecks.h"

static_assert(ZUVEXA_ERROR_CANNOT_RECOVER == zuapi::kErrorCannotRecover);
static_assert(ZUVEXA_ERROR_OUT_OF_MEMORY == zuapi::kErrorExportOutOfMemory);
static_assert(ZUVEXA_ERROR_INVALID_SESSION == zuapi::kErrorUnknownSession);
static_assert(ZUVEXA_ERROR_NULL_POINTER == zuapi::kErrorNullPointer);
static_assert(ZUVEXA_ERROR_MODULE_NOT_LOADED == zumodules::kErrorModuleNotFound);
static_assert(ZUVEXA_ERROR_FUNCTION_NOT_SUPPORTED == zumodules::kErrorEntryMissing);
static_assert(ZUVEXA_ERROR_INVALID_MODULE_KIND == zumodules::kErrorInvalidModuleKind);
static_assert(ZUVEXA_ERROR_INVALID_PARAMETER == zumodules::kErrorInvalidArgument);
static_assert(ZUVEXA_ERROR_OPTION_MISSING_NAME == zumodules::kErrorOptionMissingName);
static_assert(ZUVEXA_ERROR_OPTION_MISSING_VALUE == zumodules::kErrorOptionMissingValue);
static_assert(ZUVEXA_ERROR_OPTION_UNKNOWN_NAME == zumodules::kErrorOptionUnknownName);
static_assert(ZUVEXA_ERROR_OPTION_BAD_VALUE == zumodules::kErrorOptionBadValue);
static_assert(ZUVEXA_ERROR_DEVICE_NOT_FOUND == dvlShared::kErrorDeviceNotFound);
static_assert(ZUVEXA_ERROR_INVALID_LANGUAGE == zumxl::kErrorInvalidLanguage);
