#include "zuapal/StatusRecord.h"

#include <cstring>

namespace zuapal {
namespace {

bool Takes(int64_t current, int64_t code) {
  if (current == 0) return code != 0;
  return current > 0 && code < 0;
}

// Copies text into a fixed field, cut to the field's size and zero-filled.
void CopyField(char *field, size_t fieldSize, const char *text) {
  std::memset(field, 0, fieldSize);
  if (text != nullptr) std::strncpy(field, text, fieldSize - 1);
}

// A file name longer than the field keeps its first and last 49 characters.
void CopyFileName(char (&field)[StatusRecord::kFileSize], const char *file) {
  constexpr size_t kMax = StatusRecord::kFileSize - 1;
  constexpr size_t kHalf = 49;
  size_t length = file == nullptr ? 0 : std::strlen(file);
  if (length <= kMax) {
    CopyField(field, sizeof field, file);
    return;
  }
  std::memset(field, 0, sizeof field);
  std::memcpy(field, file, kHalf);
  std::memcpy(field + kHalf, "..", 2);
  std::memcpy(field + kHalf + 2, file + length - kHalf, kHalf);
}

} // namespace

bool SetCode(StatusRecord &record, int64_t code, const char *component, const char *file, uint64_t line) {
  if (!Takes(record.code, code)) return false;
  record.code = code;
  if (record.size >= StatusRecord::kFullSize) {
    CopyField(record.component, sizeof record.component, component);
    CopyFileName(record.file, file);
    record.line = line;
    record.extension[0] = 0;
  }
  return true;
}

bool Merge(StatusRecord &target, const StatusRecord &source) {
  bool full = source.size >= StatusRecord::kFullSize;
  bool taken = SetCode(target, source.code, full ? source.component : nullptr, full ? source.file : nullptr,
                       full ? source.line : 0);
  if (!taken || !full || target.size < StatusRecord::kFullSize) return taken;
  for (int i = 0; i < StatusRecord::kExtensionWords; ++i) {
    target.extension[i] = source.extension[i];
    if (source.extension[i] == 0) break;
  }
  return taken;
}

} // namespace zuapal
