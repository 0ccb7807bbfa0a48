// The translator kinds implemented inside the library: one node per kind,
// linked into a process-wide circular list while it lives (the library's own
// nodes from load to unload).
#pragma once

#include "zuxlator/zuxlator.h"

namespace zuxlator {

// Makes a translator of the kind from its registered name and settings (a
// JSON text); null with an error in the status on failure.
using CreateFn = TranslatorFunctions *(*)(const char *name, const char *settings, zuerr::Status &status);

struct RegistrationLinks {
  RegistrationLinks *next;
  RegistrationLinks *prev;
};

class RegistrationNode : public RegistrationLinks {
public:
  // Appends the node to the list; the texts must outlive it.
  RegistrationNode(const char *name, const char *settings, CreateFn create);
  ~RegistrationNode(); // unlinks it
  RegistrationNode(const RegistrationNode &) = delete;
  RegistrationNode &operator=(const RegistrationNode &) = delete;

  const char *const name;
  const char *const settings;
  const CreateFn create;
};

// The first node in list order called `name`, or null.
const RegistrationNode *FindRegistration(const char *name);

// The settings of "mxlator_zuVEXA", assembled at load:
// {"zuxlatorlua_xlator":"mxlator","zuxlatorlua_settings":{"driverName":"zuVEXA",
//  "zuSharedErrorsDir":"$_zuShared32Dir/errors","MIErrorsDir":"$_zuShared32Dir/mierrors"}}
// (one line, no blanks).
const char *DriverTranslatorSettings();

} // namespace zuxlator
