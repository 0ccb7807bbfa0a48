#include "tracing/SessionHooks.h"

#include <atomic>

namespace zutrace {
namespace {
std::atomic<const SessionHooks *> gHooks{nullptr};
} // namespace

void SetSessionHooks(const SessionHooks *hooks) { gHooks.store(hooks, std::memory_order_release); }
const SessionHooks *GetSessionHooks() { return gHooks.load(std::memory_order_acquire); }

} // namespace zutrace
