// The session registry growing while records come and go, and a module's
// first load.
#include "AllocationPaths.h"

#include <cstring>
#include <memory>

#include "ivi_standin.h"
#include "redirector/api/SessionRegistry.h"
#include "redirector/modules/ModuleRegistry.h"

namespace allocfail {
namespace {

using zuapi::SessionRegistry;

constexpr int kSessions = 12;
constexpr int kRemoved[] = {1, 4};
const wchar_t *const kDevices[] = {L"PXI1Slot2", L"PXI1Slot5", L"PXI2Slot3"};

struct SessionState {
  std::unique_ptr<SessionRegistry> registry;
  zumodules::EntryPointTable table;
  ViSession handles[kSessions] = {};
  ViStatus added[kSessions] = {};
  ViStatus removed[kSessions] = {};
};

bool Present(const SessionState &state, int i) {
  return state.added[i] == VI_SUCCESS && state.removed[i] != VI_SUCCESS;
}

ViStatus FirstFailure(ViStatus failure, ViStatus status) { return failure < 0 ? failure : status; }

// Records added and not removed are found; each device's earliest answers.
void ExpectRegistryMatches(SessionState &state) {
  SessionRegistry &registry = *state.registry;
  for (int i = 0; i < kSessions; ++i) {
    const zumodules::EntryPointTable *table = nullptr;
    EXPECT_EQ(registry.FindTable(state.handles[i], table),
              Present(state, i) ? VI_SUCCESS : ZUVEXA_ERROR_INVALID_SESSION)
        << i;
    char descriptor[256] = {};
    if (Present(state, i)) {
      EXPECT_EQ(registry.FindResourceDescriptor(state.handles[i], descriptor, sizeof descriptor), 0);
      EXPECT_STREQ(descriptor, "PXI1Slot2");
    }
  }
  for (int d = 0; d < 3; ++d) {
    ViSession expected = 0, found = 0;
    for (int i = kSessions - 1; i >= 0; --i)
      if (i % 3 == d && Present(state, i)) expected = state.handles[i];
    registry.FindSessionByDevice(kDevices[d], zuapi::kNormal, found);
    EXPECT_EQ(found, expected) << "device " << d;
  }
}

AllocationPath SessionRegistryPath() {
  auto state = std::make_shared<SessionState>();
  auto prepare = [=] {
    IviStandin_Reset();
    state->registry = std::make_unique<SessionRegistry>();
    for (ViSession &handle : state->handles)
      ASSERT_EQ(IviStandin_CreateSession("PXI1Slot2", VI_FALSE, &handle), 0);
  };
  auto run = [=] {
    ViStatus failure = VI_SUCCESS;
    for (int i = 0; i < kSessions; ++i) {
      state->added[i] =
          state->registry->AddSession(state->handles[i], kDevices[i % 3], zuapi::kNormal, &state->table);
      state->removed[i] = ZUVEXA_ERROR_INVALID_SESSION;
      failure = FirstFailure(failure, state->added[i]);
    }
    for (int i : kRemoved) state->removed[i] = state->registry->RemoveSession(state->handles[i]);
    for (const wchar_t *device : kDevices) {
      ViSession found = 0;
      const ViStatus status = state->registry->FindSessionByDevice(device, zuapi::kNormal, found);
      if (status != ZUVEXA_ERROR_CANNOT_RECOVER) failure = FirstFailure(failure, status);
    }
    return failure;
  };
  return {"SessionRegistry", prepare, run, {kOutOfMemory}, [=](ViStatus) { ExpectRegistryMatches(*state); }};
}

// A first load yields the complete table or leaves the kind for the next.
AllocationPath ModuleRegistryPath() {
  auto registry = std::make_shared<std::unique_ptr<zumodules::ModuleRegistry>>();
  auto table = std::make_shared<const zumodules::EntryPointTable *>(nullptr);
  auto prepare = [=] {
    const zumodules::EntryPointTable *reference = nullptr;
    ASSERT_EQ(zumodules::Modules().Acquire(zumodules::kTov, reference), 0); // the library has opened itself
    *registry = std::make_unique<zumodules::ModuleRegistry>();
  };
  auto check = [=](ViStatus status) {
    const zumodules::EntryPointTable *reference = nullptr;
    ASSERT_EQ(zumodules::Modules().Acquire(zumodules::kTov, reference), 0);
    if (status < 0) {
      EXPECT_EQ(*table, nullptr);
      ASSERT_EQ((*registry)->Acquire(zumodules::kTov, *table), VI_SUCCESS)
          << "loaded by the next acquisition";
    }
    ASSERT_NE(*table, nullptr);
    EXPECT_EQ(std::memcmp(&(*table)->slots, &reference->slots, sizeof reference->slots), 0)
        << "every entry resolved";
    registry->reset();
  };
  return {"ModuleFirstLoad",
          prepare,
          [=] { return (*registry)->Acquire(zumodules::kTov, *table); },
          {kOutOfMemory},
          check};
}

} // namespace

std::vector<AllocationPath> RegistryPaths() { return {SessionRegistryPath(), ModuleRegistryPath()}; }

} // namespace allocfail
