// What the routing component says about devices, models and resource
// names, without a session and without a copy of the library's state: the
// devices of the system configuration, the IVI engine's logical names, and
// what an open of a resource would get. Plain values; each client formats
// them its own way.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "zuVEXA.h"

namespace zuvexaclient {

// A failed lookup: its status and the lookup's elaboration (may be empty).
struct LookupFailure {
  ViStatus status = VI_SUCCESS;
  std::string elaboration;
};

struct ListedDevice {
  std::string name;  // the device's resource name, narrowed
  std::string alias; // empty when it has none
  uint64_t productId = 0;
  std::string model;  // empty when the product is not routed
  std::string module; // the module kind's name; empty when unrouted
  bool simulated = false;
};

// The devices of the system configuration, in its order; a failure to
// reach it fills `failure` and returns its status.
ViStatus ListDevices(std::vector<ListedDevice> &devices, LookupFailure &failure);

// The model of a product identifier (the routing's rule, short identifiers
// extended); empty when none.
std::string ModelOfProduct(uint64_t productId);

enum class NameListing {
  Listed,     // `names` holds the engine's logical names (maybe none)
  NotOffered, // the IVI engine offers no list of its names
  Failed,     // the engine's list call failed with `status`
};

struct LogicalNames {
  NameListing listing = NameListing::NotOffered;
  std::vector<std::string> names;
  ViStatus status = VI_SUCCESS;
};

// The logical names, asked of the IVI engine.
LogicalNames ListLogicalNames();

// The resource name the IVI engine gives for `name`; false when the engine
// fails or `name` is no logical name.
bool ResolveLogicalName(const std::string &name, std::string &resource);

struct ModuleInfo {
  uint32_t kind = 0;
  bool known = false; // false: no such module kind (name and file empty)
  std::string name, libraryFile;
};

struct ProbedResource {
  bool simulated = false; // the session would simulate
  bool hasDevice = false; // false: a simulated session's model, no device
  std::string deviceName, deviceIdentifier, backend;
  bool deviceSimulated = false;
  std::string model; // "?" when no row matches
  uint64_t productId = 0;
  std::string modelReason; // why this model was chosen
  ModuleInfo module;
  bool allowMultipleSessions = false;
};

// What an open of `resource` with `options` would get. A negative status
// fills `failure` instead.
ViStatus ProbeResource(const std::string &resource, const std::string &options, ProbedResource &probe,
                       LookupFailure &failure);

} // namespace zuvexaclient
