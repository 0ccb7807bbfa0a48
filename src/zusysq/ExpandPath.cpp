#include <new>

#include "status/jsonz.h"
#include "zuapal/zuapalerr.h"
#include "zusysq/stdpath_util.h"

namespace zusysq {
namespace {

void FailUnterminatedReference(zuerr::Status &status, const std::string &textSoFar) {
  if (!ZUERR_SET(status, zuapalerr_invalidParameter) || status.json == nullptr) return;
  jsonz::Cursor cursor = zuerr::StatusCursor(status);
  jsonz::OpenObject(cursor, "zuxlator_debug");
  jsonz::PutString(cursor, "zuxlatordll", "plugin dll path invalid");
  jsonz::PutString(cursor, "dllPath", textSoFar.c_str());
  jsonz::Close(cursor);
}

// Scanning resumes after each inserted value: a value is never expanded in
// turn, so a value that refers to itself cannot make the loop endless.
void ExpandInPlace(std::string &text, zuerr::Status &status) {
  std::string value;
  size_t scan = 0;
  for (size_t dollar; (dollar = text.find('$', scan)) != std::string::npos;) {
    size_t nameEnd = text.find('/', dollar + 1);
    if (nameEnd == std::string::npos) {
      FailUnterminatedReference(status, text);
      nameEnd = text.size();
    }
    const std::string name = text.substr(dollar + 1, nameEnd - dollar - 1);
    LookupVariable(name.c_str(), value, status);
    text.replace(dollar, nameEnd - dollar, value);
    scan = dollar + value.size();
  }
}

} // namespace

std::string ExpandPath(const char *path, zuerr::Status &status) {
  std::string result;
  try {
    result = path != nullptr ? path : "";
    ExpandInPlace(result, status);
  } catch (const std::bad_alloc &) {
    ZUERR_SET(status, zuapalerr_memoryFull);
  }
  return result;
}

} // namespace zusysq
