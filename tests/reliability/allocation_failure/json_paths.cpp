// The status object's JSON text as it grows, merges and copies, and the
// loader's detail of a library that cannot be opened.
#include "AllocationPaths.h"

#include <memory>
#include <string>

#include "status/Status.h"
#include "zuapal/zuapalerr.h"
#include "zudynlib/dynload.h"

namespace allocfail {
namespace {

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

std::vector<AllocationPath> JsonTextPaths() { return {StatusTextPath(), LoaderDetailPath()}; }

} // namespace allocfail
