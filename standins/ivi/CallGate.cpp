#include "CallGate.h"

#include <array>
#include <atomic>
#include <mutex>

namespace ivistandin {

namespace {

constexpr size_t kFunctionCount = static_cast<size_t>(EngineFunction::Dispose) + 1;

constexpr std::array<std::string_view, kFunctionCount> kFunctionNames = {
    "Ivi_SetErrorInfo",
    "Ivi_ClearErrorInfo",
    "Ivi_GetAttributeViInt32",
    "Ivi_GetAttributeViString",
    "Ivi_LockSession",
    "Ivi_UnlockSession",
    "Ivi_ParamPositionError",
    "Ivi_GetNextInterchangeCheckString",
    "Ivi_GetInfoFromResourceName",
    "Ivi_SpecificDriverNew",
    "Ivi_Simulating",
    "Ivi_Dispose",
};

struct Gate {
  std::array<std::atomic<int>, kFunctionCount> counts{};
  std::mutex failuresMutex;
  std::array<std::optional<InjectedFailure>, kFunctionCount> failures{};
};

Gate &TheGate() {
  static Gate gate;
  return gate;
}

size_t IndexOf(EngineFunction function) { return static_cast<size_t>(function); }

} // namespace

std::optional<EngineFunction> EngineFunctionNamed(std::string_view name) {
  for (size_t i = 0; i < kFunctionCount; ++i) {
    if (kFunctionNames[i] == name) return static_cast<EngineFunction>(i);
  }
  return std::nullopt;
}

std::optional<InjectedFailure> EnterEngineFunction(EngineFunction function) {
  Gate &gate = TheGate();
  gate.counts[IndexOf(function)].fetch_add(1, std::memory_order_relaxed);
  std::lock_guard guard(gate.failuresMutex);
  std::optional<InjectedFailure> failure;
  failure.swap(gate.failures[IndexOf(function)]);
  return failure;
}

int CallCount(EngineFunction function) {
  return TheGate().counts[IndexOf(function)].load(std::memory_order_relaxed);
}

void SetInjectedFailure(EngineFunction function, std::optional<InjectedFailure> failure) {
  Gate &gate = TheGate();
  std::lock_guard guard(gate.failuresMutex);
  gate.failures[IndexOf(function)] = failure;
}

void ResetCallGate() {
  Gate &gate = TheGate();
  for (auto &count : gate.counts) count.store(0, std::memory_order_relaxed);
  std::lock_guard guard(gate.failuresMutex);
  gate.failures.fill(std::nullopt);
}

} // namespace ivistandin
