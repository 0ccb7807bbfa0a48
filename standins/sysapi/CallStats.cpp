#include "CallStats.h"

#include <array>
#include <atomic>

namespace sysapistandin {
namespace {

constexpr int kFirstOperation = SYSAPISTANDIN_OP_INSTANTIATE_FRAMEWORK;
constexpr int kLastOperation = SYSAPISTANDIN_OP_REGISTER_HANDLER;
constexpr size_t kOperationCount = kLastOperation - kFirstOperation + 1;

std::array<std::atomic<int64_t>, kOperationCount> callCounts{};
std::array<std::atomic<SysStatus>, kOperationCount> pendingFailures{};

size_t IndexOf(Operation operation) {
  return static_cast<size_t>(static_cast<int>(operation) - kFirstOperation);
}

} // namespace

std::optional<Operation> ToOperation(int value) {
  if (value < kFirstOperation || value > kLastOperation) return std::nullopt;
  return static_cast<Operation>(value);
}

std::optional<SysStatus> BeginCall(Operation operation) {
  callCounts[IndexOf(operation)].fetch_add(1);
  const SysStatus pending = pendingFailures[IndexOf(operation)].exchange(0);
  if (pending == 0) return std::nullopt;
  return pending;
}

int64_t CallCount(Operation operation) { return callCounts[IndexOf(operation)].load(); }

void SetPendingFailure(Operation operation, SysStatus status) {
  pendingFailures[IndexOf(operation)].store(status);
}

void ResetCallStats() {
  for (auto &count : callCounts) count.store(0);
  for (auto &failure : pendingFailures) failure.store(0);
}

} // namespace sysapistandin
