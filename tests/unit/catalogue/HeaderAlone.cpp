// The public header on its own must declare every exported function with the
// catalogue's types: a missing declaration is an undeclared name here.
#include "zuVEXA.h"

#include "CatalogueSignatureChecks.h"
#include "RecordLayoutChecks.h"
