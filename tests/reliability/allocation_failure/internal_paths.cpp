// The library's own structures: the session registry growing while records
// come and go, a module's first load, the status object's JSON text as it
// grows, merges and copies, and the loader's detail of a library that cannot
// be opened.
#include "AllocationPaths.h"

#include <cstring>
#include <memory>
#include <string>

#include "ivi_standin.h"
#include "redirector/api/SessionRegistry.h"
#include "redirector/modules/ModuleRegistry.h"
#include "status/Status.h"
#include "zuapal/zuapalerr.h"
#include "zudynlib/dynload.h"

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

constexpr int32_t kMemoryFull = zuapalerr_memoryFull;
constexpr int32_t kInvalidParameter = zuapalerr_invalidParameter;

const zuerr::SourceLocation kLocation{__FILE__, __LINE__, "zuvexa", "zuapalerr_memoryFull"};

struct Statuses {
  zuerr::Status first, merged, copied;
};

// Whatever text a status holds is one valid object in an intact buffer.
void ExpectWholeText(const zuerr::Status &status) {
  if (status.json == nullptr) return;
  ASSERT_GE(status.capacity, 512u);
  EXPECT_EQ(status.json[status.capacity - 1], 'J');
  jsonz::Value value;
  const char *after = jsonz::ParseValue(status.json, &value);
  ASSERT_NE(after, nullptr) << status.json;
  EXPECT_EQ(value.type, jsonz::kObject);
  EXPECT_EQ(*after, '\0');
}

// Forty elements of 60 characters take the buffer from 512 to 4096 bytes.
bool AddDetail(zuerr::Status &status) {
  static const std::string value(60, 'v');
  jsonz::Cursor cursor = zuerr::StatusCursor(status);
  jsonz::OpenArray(cursor, "detail");
  for (int i = 0; i < 40; ++i) jsonz::PutString(cursor, nullptr, value.c_str());
  jsonz::Close(cursor);
  return cursor.position != nullptr;
}

AllocationPath StatusTextPath() {
  auto statuses = std::make_shared<std::unique_ptr<Statuses>>();
  auto run = [=] {
    Statuses &s = **statuses;
    bool complete = false;
    zuerr::SetCodeWithLocation(s.first, kMemoryFull, kLocation, &complete);
    bool whole = complete;
    whole = AddDetail(s.first) && whole;
    zuerr::MergeInto(s.merged, s.first, &complete);
    whole = complete && whole;
    whole = zuerr::CopyStatus(s.copied, s.first) && whole;
    return whole ? VI_SUCCESS : kMemoryFull;
  };
  auto check = [=](ViStatus) {
    Statuses &s = **statuses;
    EXPECT_EQ(s.first.code, kMemoryFull) << "the code is kept even when its text is not";
    EXPECT_EQ(s.merged.code, kMemoryFull);
    for (const zuerr::Status *status : {&s.first, &s.merged, &s.copied}) ExpectWholeText(*status);
    statuses->reset();
  };
  return {"StatusJsonText", [=] { *statuses = std::make_unique<Statuses>(); }, run, {kMemoryFull}, check};
}

AllocationPath LoaderDetailPath() {
  auto status = std::make_shared<std::unique_ptr<zuerr::Status>>();
  auto run = [=] {
    zuerr::Status &s = **status;
    if (zudynlib::LoadLibrary("libzuvexa-not-installed.so", zudynlib::kBindNowGlobal, s) != nullptr)
      return VI_SUCCESS;
    const bool detailed = s.json != nullptr && jsonz::Lookup(s.json, "internal_error") != nullptr;
    return detailed ? VI_SUCCESS : kMemoryFull;
  };
  auto check = [=](ViStatus) {
    EXPECT_EQ((*status)->code, kInvalidParameter) << "the failure is reported even when its detail is not";
    ExpectWholeText(**status);
    status->reset();
  };
  return {
      "LoaderFailureDetail", [=] { *status = std::make_unique<zuerr::Status>(); }, run, {kMemoryFull}, check};
}

} // namespace

std::vector<AllocationPath> InternalPaths() {
  return {SessionRegistryPath(), ModuleRegistryPath(), StatusTextPath(), LoaderDetailPath()};
}

} // namespace allocfail
