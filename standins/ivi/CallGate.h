// Every engine function passes through here: its call is counted, a failure
// injected through the control interface is applied, and no exception
// leaves the function.
#pragma once

#include <new>
#include <optional>
#include <string_view>

#include "ivi_standin.h"

namespace ivistandin {

enum class EngineFunction {
  SetErrorInfo,
  ClearErrorInfo,
  GetAttributeViInt32,
  GetAttributeViString,
  LockSession,
  UnlockSession,
  ParamPositionError,
  GetNextInterchangeCheckString,
  GetInfoFromResourceName,
  SpecificDriverNew,
  Simulating,
  Dispose,
};

std::optional<EngineFunction> EngineFunctionNamed(std::string_view name);

struct InjectedFailure {
  ViStatus status;
  bool afterWork;
};

// Counts the call and takes the pending failure of the function, if any.
std::optional<InjectedFailure> EnterEngineFunction(EngineFunction function);

int CallCount(EngineFunction function);
void SetInjectedFailure(EngineFunction function, std::optional<InjectedFailure> failure);
void ResetCallGate();

// Runs work() (returning ViStatus) as the body of the engine function.
template <class Work> ViStatus RunEngineCall(EngineFunction function, Work &&work) noexcept {
  try {
    const std::optional<InjectedFailure> failure = EnterEngineFunction(function);
    if (failure && !failure->afterWork) return failure->status;
    const ViStatus status = work();
    return failure ? failure->status : status;
  } catch (const std::bad_alloc &) {
    return IVISTANDIN_ERROR_OUT_OF_MEMORY;
  } catch (...) {
    return IVISTANDIN_ERROR_CANNOT_RECOVER;
  }
}

} // namespace ivistandin

namespace ivistandin {

// Body of a control function: no exception leaves it.
template <class Work> ViStatus RunGuarded(Work &&work) noexcept {
  try {
    return work();
  } catch (const std::bad_alloc &) {
    return IVISTANDIN_ERROR_OUT_OF_MEMORY;
  } catch (...) {
    return IVISTANDIN_ERROR_CANNOT_RECOVER;
  }
}

} // namespace ivistandin
