// The public header and the library's own declarations in one translation unit: two declarations of one C
// function with different types do not compile. The library's status names include the public header, so they
// cannot disagree with it.
#include "zuVEXA.h"

#include "redirector/api/ExportDeclarations.h"
#include "status/StatusCodes.h"

#include "CatalogueSignatureChecks.h"
