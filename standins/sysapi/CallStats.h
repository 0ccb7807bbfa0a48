// Call counts and pending failures of the operations tests can observe.
#pragma once

#include <cstdint>
#include <optional>

#include "StandinStatus.h"

namespace sysapistandin {

enum class Operation : int {
  InstantiateFramework = SYSAPISTANDIN_OP_INSTANTIATE_FRAMEWORK,
  FindResources = SYSAPISTANDIN_OP_FIND_RESOURCES,
  GetResourceByName = SYSAPISTANDIN_OP_GET_RESOURCE_BY_NAME,
  GetExpert = SYSAPISTANDIN_OP_GET_EXPERT,
  RegisterHandler = SYSAPISTANDIN_OP_REGISTER_HANDLER,
};

std::optional<Operation> ToOperation(int value);

// Counts a call and returns the failure it must report, if one is pending.
std::optional<SysStatus> BeginCall(Operation operation);

int64_t CallCount(Operation operation);
void SetPendingFailure(Operation operation, SysStatus status);
void ResetCallStats();

} // namespace sysapistandin
