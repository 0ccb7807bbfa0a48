#include <cstdlib>

#include "zuapal/zuapalerr.h"
#include "zuxlator/StatusDetail.h"
#include "zuxlator/zuxlator.h"

namespace zuxlator {

void *Alloc(void *block, size_t size, void *, zuerr::Status *status) {
  if (size == 0) {
    std::free(block);
    return nullptr;
  }
  if (status == nullptr) return std::realloc(block, size);
  if (zuerr::IsError(*status)) return nullptr;
  void *grown = std::realloc(block, size);
  if (grown == nullptr) {
    jsonz::Cursor cursor = DetailObject(*status, ZUERR_SET(*status, zuapalerr_memoryFull), "zuxlator_debug");
    jsonz::PutString(cursor, "debug", "realloc failed");
  }
  return grown;
}

} // namespace zuxlator
