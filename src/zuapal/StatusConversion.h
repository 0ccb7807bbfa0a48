// Conversions between the fixed-layout StatusRecord and the JSON-carrying
// zuerr::Status. Both keep code, component, source file and line; each
// follows the target's replacement rule.
#pragma once

#include "status/Status.h"
#include "zuapal/StatusRecord.h"

namespace zuapal {

// Sets the status's code on the record with the "component", "file" and
// "line" members of its JSON text. Returns whether the record took it.
bool ToStatusRecord(const zuerr::Status &status, StatusRecord &record);

// Sets the record's code on the status with a location built from the
// record's text fields. Returns whether the status took it.
bool FromStatusRecord(const StatusRecord &record, zuerr::Status &status);

} // namespace zuapal
