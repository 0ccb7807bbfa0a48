#include "BufferRule.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "backend_standin.h"

namespace backendstandin {

ViStatus CopyText(std::string_view text, ViInt32 bufferSize, ViChar *buffer) {
  const std::size_t needed = std::min<std::size_t>(text.size() + 1, std::numeric_limits<ViInt32>::max());
  if (bufferSize == 0) return static_cast<ViStatus>(needed);
  if (bufferSize < 0 || buffer == nullptr) return BACKENDSTANDIN_ERROR_INVALID_ARGUMENT;
  const std::size_t copied = std::min(text.size(), static_cast<std::size_t>(bufferSize) - 1);
  std::memcpy(buffer, text.data(), copied);
  buffer[copied] = '\0';
  return copied < text.size() ? static_cast<ViStatus>(needed) : VI_SUCCESS;
}

} // namespace backendstandin
