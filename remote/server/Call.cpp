#include "Call.h"

#include <limits>

namespace zuremote {
namespace {

constexpr char kAuthorization[] = "authorization";
constexpr char kClientId[] = "zuvexa-client-id";
constexpr char kBearer[] = "Bearer ";

std::string Metadata(const grpc::ServerContext &context, const char *key) {
  const auto &metadata = context.client_metadata();
  const auto found = metadata.find(key);
  return found == metadata.end() ? std::string() : std::string(found->second.data(), found->second.size());
}

// "ipv4:10.0.0.2:5000" -> "ipv4:10.0.0.2"; "ipv6:[::1]:5000" -> "ipv6:[::1]".
std::string PeerHost(const std::string &peer) {
  const size_t colon = peer.rfind(':');
  return colon == std::string::npos || colon < peer.find(':') + 1 ? peer : peer.substr(0, colon);
}

// A text under the IVI buffer convention: the size first, then the text.
template <class Read> std::string ReadText(Read read) {
  const ViStatus size = read(0, nullptr);
  if (size <= 0) return {};
  std::vector<ViChar> text(static_cast<size_t>(size) + 1, '\0');
  read(static_cast<ViInt32>(text.size()), text.data());
  return TextOf(text);
}

} // namespace

bool TokenMatches(const grpc::ServerContext &context, const std::string &token) {
  return TokenMatches(Metadata(context, kAuthorization), token);
}

bool TokenMatches(std::string_view given, const std::string &token) {
  const std::string expected = kBearer + token;
  if (token.empty() || given.size() != expected.size()) return false;
  unsigned char difference = 0;
  for (size_t i = 0; i < given.size(); ++i) difference |= static_cast<unsigned char>(given[i] ^ expected[i]);
  return difference == 0;
}

std::string ClientOf(const grpc::ServerContext &context) {
  const std::string id = Metadata(context, kClientId);
  if (id.empty()) return "connection " + context.peer();
  return "client " + id + " at " + PeerHost(context.peer());
}

std::string DescribeStatus(ViSession vi, ViStatus status) {
  return ReadText([&](ViInt32 size, ViChar *text) { return zuVEXA_GetErrorMessage(vi, status, size, text); });
}

Call::Call(RemoteState &state, grpc::ServerContext *context, bool opens)
    : state_(state), client_(ClientOf(*context)), authorized_(TokenMatches(*context, state.token)) {
  if (!authorized_) return;
  entered_ = state_.sessions.Enter(client_, state_.maxCalls, SessionTable::Clock::now());
  if (!entered_) {
    exhausted_ = std::to_string(state_.maxCalls) + " calls in flight";
    return;
  }
  openReserved_ = opens && state_.sessions.ReserveOpen(client_, state_.maxSessions);
  if (opens && !openReserved_) exhausted_ = std::to_string(state_.maxSessions) + " open sessions";
}

Call::~Call() {
  if (openReserved_) state_.sessions.EndOpen(client_);
  if (entered_) state_.sessions.Leave(client_, SessionTable::Clock::now());
}

grpc::Status Call::Exhausted() const {
  return {grpc::StatusCode::RESOURCE_EXHAUSTED, client_ + " already has the server's limit of " + exhausted_};
}

grpc::Status Call::Unauthenticated() const {
  return {grpc::StatusCode::UNAUTHENTICATED, "a valid token is needed: authorization: Bearer <token>"};
}

bool Call::Session(uint32_t handle, ViSession &vi, bool nullAllowed) {
  if ((handle == VI_NULL && nullAllowed) || (handle != VI_NULL && state_.sessions.Owns(client_, handle))) {
    vi = session_ = handle;
    sessionOpen_ = handle != VI_NULL;
    return true;
  }
  Refuse(ZUVEXA_ERROR_INVALID_SESSION,
         "session " + std::to_string(handle) + " is not one this server opened for " + client_);
  return false;
}

int64_t Call::Budget(int64_t count, int64_t parts, size_t elementSize, const char *countName) {
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  const int64_t size = static_cast<int64_t>(elementSize);
  const bool valid = count >= 0 && parts >= 0;
  const int64_t room = state_.replyLimit - reserved_;
  // Each product is checked against what is left before it is formed.
  const bool fits = valid && (parts == 0 || count <= kMax / parts) && (count * parts) <= room / size;
  if (!fits) {
    Refuse(ZUVEXA_ERROR_INVALID_PARAMETER, std::string(countName) + " " + std::to_string(count) +
                                               (valid ? " asks for more than the server's reply limit of " +
                                                            std::to_string(state_.replyLimit) + " bytes"
                                                      : " is not a count the server can serve"));
    return -1;
  }
  reserved_ += count * parts * size;
  return count * parts;
}

bool Call::ReserveText(std::vector<ViChar> &text, int64_t size, const char *name) {
  if (Budget(size, 1, 1, name) < 0) return false;
  text.assign(size > 0 ? static_cast<size_t>(size) : 1, '\0');
  return true;
}

bool Call::InputFits(int64_t available, int64_t count, const char *name) {
  if (count >= 0 && count <= available) return true;
  Refuse(ZUVEXA_ERROR_INVALID_PARAMETER, std::string(name) + " holds " + std::to_string(available) +
                                             " values, the count asks for " + std::to_string(count));
  return false;
}

ViStatus Call::Open(const std::string &name, bool exclusive, ViConstString resource, ViBoolean idQuery,
                    ViBoolean reset, ViSession *newVi) {
  return Open(name, exclusive, resource, idQuery, reset, "", newVi);
}

ViStatus Call::Open(const std::string &name, bool exclusive, ViConstString resource, ViBoolean idQuery,
                    ViBoolean reset, ViConstString options, ViSession *newVi) {
  if (!name.empty() && !state_.sessions.ReserveName(name)) {
    Refuse(ZUVEXA_ERROR_INVALID_PARAMETER, "a session named '" + name + "' is open: attach to it");
    return status_;
  }
  const ViStatus status = InitializeSessionForServer(resource, idQuery, reset, options, nullptr, newVi);
  if (status >= 0 && *newVi != VI_NULL)
    state_.sessions.Add(client_, *newVi, name, exclusive);
  else if (!name.empty())
    state_.sessions.DropName(name);
  return status;
}

bool Call::Attach(const std::string &name, ViSession &vi) {
  switch (state_.sessions.Attach(client_, name, vi)) {
  case SessionTable::Attachment::Attached:
    Finish(VI_SUCCESS);
    return true;
  case SessionTable::Attachment::Exclusive:
    Refuse(ZUVEXA_ERROR_INVALID_SESSION, "session '" + name + "' is held for exclusive use");
    return false;
  case SessionTable::Attachment::NoSuchName:
    break;
  }
  Refuse(ZUVEXA_ERROR_INVALID_SESSION, "no session is named '" + name + "'");
  return false;
}

ViStatus Call::Close(ViSession vi) {
  // Another call of the same client may have closed it in the meantime.
  switch (state_.sessions.Take(client_, vi)) {
  case SessionTable::Left::NotHeld:
    return ZUVEXA_ERROR_INVALID_SESSION;
  case SessionTable::Left::Shared:
    return VI_SUCCESS;
  case SessionTable::Left::Last:
    break;
  }
  sessionOpen_ = false;
  return ReleaseSessionForServer(vi);
}

void Call::Finish(ViStatus status) {
  called_ = true;
  status_ = status;
  if (status == VI_SUCCESS || refused_) return; // a refusal keeps its reason
  if (sessionOpen_) {
    description_ = DescribeStatus(session_, status);
    return;
  }
  // Without a session the library keeps the error for the calling thread,
  // which serves other clients next: it is taken, and so cleared, here.
  ViStatus code = VI_SUCCESS;
  description_ =
      ReadText([&](ViInt32 size, ViChar *text) { return zuVEXA_GetError(VI_NULL, &code, size, text); });
  if (code != status || description_.empty()) description_ = DescribeStatus(VI_NULL, status);
}

void Call::Refuse(ViStatus code, const std::string &reason) {
  refused_ = true;
  status_ = code;
  description_ = DescribeStatus(VI_NULL, code) + " (" + reason + ")";
}

} // namespace zuremote
