// The stand-in's trace records: built by the exported calls, kept when
// finished, written as JSON lines.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "peeklog_standin.h"

namespace peeklog {

struct Value {
  int64_t index = 0;
  bool hasName = false;
  std::string name;
  int64_t typeCode = 0;
  int64_t elementSize = 0;
  int64_t totalSize = 0;
  std::string json; // the value rendered by type code
};

struct Record {
  int64_t apiType = 0;
  int64_t id = 0;
  int64_t beginFlag = 0;
  std::string function;
  std::vector<Value> params;
  std::vector<Value> returns;
  int64_t declaredParams = -1;
  int64_t declaredReturns = -1;
  int64_t success = -1;
};

// Renders the value at `address` by its type code while the call runs.
// `atCallTime` marks parameters, whose pointer codes of pointer size are
// pointers rather than arrays.
std::string RenderValue(const void *address, int64_t elementSize, int64_t totalSize, int64_t typeCode,
                        bool atCallTime);
Value MakeValue(int64_t index, const void *address, int64_t elementSize, int64_t totalSize, const char *name,
                int64_t typeCode, bool atCallTime);
std::string ToJson(const Record &record);

Record *BeginRecord(int64_t apiType, int64_t id, int64_t flag, const char *function);
// Keeps the record, writes it to the output and deletes it.
void FinishRecord(Record *record);

// The mode integer and the output.
int32_t *Mode();
void SetOutput(const char *destination);

} // namespace peeklog
