// The kept records, the mode integer, the output, and the control calls.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <string>

#include "PeekRecords.h"

namespace peeklog {
namespace {

constexpr size_t kKeptRecords = 100000;

std::mutex gLock;
std::deque<Record> gRecords;
int gOpenRecords = 0;
FILE *gOutput = nullptr;
int32_t gMode = 0;

void CloseOutput() {
  if (gOutput != nullptr && gOutput != stderr) std::fclose(gOutput);
  gOutput = nullptr;
}

// ZUPEEK_TRACE switches tracing on when the library is loaded.
[[gnu::constructor]] void ReadEnvironment() {
  const char *destination = std::getenv("ZUPEEK_TRACE");
  if (destination == nullptr || destination[0] == '\0' || std::strcmp(destination, "0") == 0) return;
  SetOutput(destination);
  __atomic_store_n(&gMode, 1, __ATOMIC_RELAXED);
}

int CopyText(const std::string &text, int size, char *buffer) {
  const int needed = static_cast<int>(text.size()) + 1;
  if (size == 0) return needed;
  if (buffer == nullptr || size < 0) return -1;
  const size_t copied = std::min(text.size(), static_cast<size_t>(size - 1));
  std::memcpy(buffer, text.data(), copied);
  buffer[copied] = '\0';
  return copied < text.size() ? needed : 0;
}

// Runs `read` on record `index` under the lock; `missing` without it.
template <class Read, class Result> Result WithRecord(int index, Result missing, Read &&read) {
  std::lock_guard<std::mutex> lock(gLock);
  if (index < 0 || static_cast<size_t>(index) >= gRecords.size()) return missing;
  return read(gRecords[static_cast<size_t>(index)]);
}

} // namespace

int32_t *Mode() { return &gMode; }

void SetOutput(const char *destination) {
  std::lock_guard<std::mutex> lock(gLock);
  CloseOutput();
  if (destination == nullptr) return;
  gOutput = std::strcmp(destination, "stderr") == 0 ? stderr : std::fopen(destination, "a");
}

Record *BeginRecord(int64_t apiType, int64_t id, int64_t flag, const char *function) {
  auto *record = new Record;
  record->apiType = apiType;
  record->id = id;
  record->beginFlag = flag;
  record->function = function != nullptr ? function : "";
  std::lock_guard<std::mutex> lock(gLock);
  ++gOpenRecords;
  return record;
}

void FinishRecord(Record *record) {
  const std::string line = ToJson(*record);
  std::lock_guard<std::mutex> lock(gLock);
  --gOpenRecords;
  if (gOutput != nullptr) {
    std::fprintf(gOutput, "%s\n", line.c_str());
    std::fflush(gOutput);
  }
  if (gRecords.size() == kKeptRecords) gRecords.pop_front();
  gRecords.push_back(std::move(*record));
  delete record;
}

} // namespace peeklog

using namespace peeklog;

extern "C" {

void ZuPeekControl_SetEnabled(int enabled) { __atomic_store_n(Mode(), enabled ? 1 : 0, __ATOMIC_RELAXED); }
int ZuPeekControl_Enabled(void) { return __atomic_load_n(Mode(), __ATOMIC_RELAXED); }
void ZuPeekControl_SetOutput(const char *destination) { SetOutput(destination); }

void ZuPeekControl_Clear(void) {
  std::lock_guard<std::mutex> lock(gLock);
  gRecords.clear();
}

int ZuPeekControl_RecordCount(void) {
  std::lock_guard<std::mutex> lock(gLock);
  return static_cast<int>(gRecords.size());
}

int ZuPeekControl_OpenRecordCount(void) {
  std::lock_guard<std::mutex> lock(gLock);
  return gOpenRecords;
}

int ZuPeekControl_RecordFunction(int record, int size, char *buffer) {
  return WithRecord(record, -1, [&](const Record &r) { return CopyText(r.function, size, buffer); });
}

int ZuPeekControl_RecordJson(int record, int size, char *buffer) {
  return WithRecord(record, -1, [&](const Record &r) { return CopyText(ToJson(r), size, buffer); });
}

int64_t ZuPeekControl_RecordId(int record) {
  return WithRecord(record, int64_t{-1}, [](const Record &r) { return r.id; });
}
int64_t ZuPeekControl_RecordApiType(int record) {
  return WithRecord(record, int64_t{-1}, [](const Record &r) { return r.apiType; });
}
int64_t ZuPeekControl_RecordBeginFlag(int record) {
  return WithRecord(record, int64_t{-1}, [](const Record &r) { return r.beginFlag; });
}
int64_t ZuPeekControl_DeclaredParamCount(int record) {
  return WithRecord(record, int64_t{-1}, [](const Record &r) { return r.declaredParams; });
}
int64_t ZuPeekControl_DeclaredReturnCount(int record) {
  return WithRecord(record, int64_t{-1}, [](const Record &r) { return r.declaredReturns; });
}
int64_t ZuPeekControl_RecordSuccess(int record) {
  return WithRecord(record, int64_t{-1}, [](const Record &r) { return r.success; });
}

int ZuPeekControl_ValueCount(int record, int returns) {
  return WithRecord(
      record, -1, [&](const Record &r) { return static_cast<int>((returns ? r.returns : r.params).size()); });
}

int ZuPeekControl_Value(int record, int returns, int value, ZuPeekValue *out) {
  return WithRecord(record, -1, [&](const Record &r) {
    const auto &values = returns ? r.returns : r.params;
    if (out == nullptr || value < 0 || static_cast<size_t>(value) >= values.size()) return -1;
    const Value &v = values[static_cast<size_t>(value)];
    *out = ZuPeekValue{v.index, v.hasName ? 1 : 0, {}, v.typeCode, v.elementSize, v.totalSize, {}};
    std::snprintf(out->name, sizeof out->name, "%s", v.name.c_str());
    std::snprintf(out->value, sizeof out->value, "%s", v.json.c_str());
    return 0;
  });
}

} // extern "C"
