#include "RefCounted.h"

namespace sysapistandin {
namespace {
std::atomic<int64_t> liveObjects{0};
} // namespace

int64_t LiveObjectCount() { return liveObjects.load(); }
void CountObjectCreated() { liveObjects.fetch_add(1); }
void CountObjectDestroyed() { liveObjects.fetch_sub(1); }

} // namespace sysapistandin
