// Who may drive the instrument through the panel: requests carry the token
// printed with the URL (header X-Panel-Token, or ?token= for a download) and,
// when a browser names an origin, it is the panel's own. A page of another
// origin can neither read the token nor send the header without a CORS
// preflight, which the server never grants.
#pragma once

#include <string>

namespace zuvexapanel {

inline constexpr const char *kTokenHeader = "X-Panel-Token";

// 128 random bits as 32 hexadecimal digits.
std::string MakeToken();

enum class Refusal { kNone, kNoToken, kForeignOrigin };

// `origin` and `host` as the request's Origin and Host headers ("" when absent).
Refusal CheckRequest(const std::string &token, const std::string &presented, const std::string &origin,
                     const std::string &host);

// Whether an address to listen on is a loopback one.
bool IsLoopback(const std::string &address);

} // namespace zuvexapanel
