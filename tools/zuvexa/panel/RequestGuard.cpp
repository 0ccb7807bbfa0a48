#include "RequestGuard.h"

#include <cstdio>
#include <random>

namespace zuvexapanel {

namespace {

// Compares without stopping at the first difference, so that the time of a
// refusal tells nothing about the token.
bool SameText(const std::string &a, const std::string &b) {
  if (a.size() != b.size()) return false;
  unsigned difference = 0;
  for (std::size_t i = 0; i < a.size(); ++i) difference |= static_cast<unsigned char>(a[i] ^ b[i]);
  return difference == 0;
}

} // namespace

std::string MakeToken() {
  std::random_device device; // the kernel's random source
  std::string token;
  char digits[9];
  for (int i = 0; i < 4; ++i) {
    std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(device()));
    token += digits;
  }
  return token;
}

Refusal CheckRequest(const std::string &token, const std::string &presented, const std::string &origin,
                     const std::string &host) {
  if (!origin.empty() && origin != "http://" + host) return Refusal::kForeignOrigin;
  return presented.empty() || !SameText(token, presented) ? Refusal::kNoToken : Refusal::kNone;
}

bool IsLoopback(const std::string &address) {
  return address == "localhost" || address == "::1" || address.rfind("127.", 0) == 0;
}

} // namespace zuvexapanel
