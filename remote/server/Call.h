// One call of the service: who is calling, which of the caller's sessions
// it names, what the reply may hold, and the status the response carries.
// A refused call never reaches the library; its status is the library's code
// for the fault, with the server's reason after the library's description.
#pragma once

#include <grpcpp/grpcpp.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Messages.h"
#include "RemoteState.h"
#include "zuVEXA.h"

namespace zuremote {

class Call {
public:
  // An authorized call counts against the caller's calls in flight, and an
  // open (`opens`) against its sessions, until the call ends.
  Call(RemoteState &state, grpc::ServerContext *context, bool opens);
  ~Call();
  Call(const Call &) = delete;
  Call &operator=(const Call &) = delete;

  bool Authorized() const { return authorized_; }
  grpc::Status Unauthenticated() const;
  // False when the call would pass one of the caller's limits.
  bool Admitted() const { return exhausted_.empty(); }
  grpc::Status Exhausted() const;

  // The library handle of one of the caller's sessions (VI_NULL too where
  // `nullAllowed`); any other handle refuses the call.
  bool Session(uint32_t handle, ViSession &vi, bool nullAllowed);
  // Room for `count` items of `parts` elements each, within the reply's
  // budget; the array is allocated only once the size is accepted.
  template <class T, class A>
  bool Reserve(std::vector<T, A> &array, int64_t count, int64_t parts, const char *countName) {
    const int64_t elements = Budget(count, parts, sizeof(T), countName);
    if (elements < 0) return false;
    array.reserve(1); // an empty array still passes a valid address
    array.resize(static_cast<size_t>(elements));
    return true;
  }
  // A text buffer of `size` bytes (IVI convention: 0 asks for the size).
  bool ReserveText(std::vector<ViChar> &text, int64_t size, const char *name);
  // The first `count` values of an input array the request carries.
  template <class T, class Values>
  bool Input(std::vector<T> &array, const Values &values, int64_t count, const char *name) {
    if (!InputFits(static_cast<int64_t>(values.size()), count, name)) return false;
    array.reserve(1);
    array.resize(static_cast<size_t>(count));
    CopyInput(values, array, array.size());
    return true;
  }

  // Opens a session for the caller through the server's entry, under a
  // `name` others may attach to (none: ""), for the caller alone when
  // `exclusive`. A name in use refuses the open.
  ViStatus Open(const std::string &name, bool exclusive, ViConstString resource, ViBoolean idQuery,
                ViBoolean reset, ViSession *newVi);
  ViStatus Open(const std::string &name, bool exclusive, ViConstString resource, ViBoolean idQuery,
                ViBoolean reset, ViConstString options, ViSession *newVi);
  // Makes the caller a holder of the session opened under `name`.
  bool Attach(const std::string &name, ViSession &vi);
  // The caller lets go of one of its sessions; its last holder closes it
  // through the server's entry.
  ViStatus Close(ViSession vi);

  // Records the library's status and its description.
  void Finish(ViStatus status);
  bool Succeeded() const { return called_ && status_ >= 0; }
  template <class StatusMessage> void Report(StatusMessage *message) const {
    message->set_code(status_);
    message->set_description(description_);
  }

  const std::string &Client() const { return client_; }

private:
  int64_t Budget(int64_t count, int64_t parts, size_t elementSize, const char *countName);
  bool InputFits(int64_t available, int64_t count, const char *name);
  void Refuse(ViStatus code, const std::string &reason);

  RemoteState &state_;
  std::string client_;
  bool authorized_ = false;
  bool entered_ = false;
  bool openReserved_ = false;
  std::string exhausted_;
  ViSession session_ = VI_NULL;
  bool sessionOpen_ = false;
  int64_t reserved_ = 0;
  bool called_ = false;
  bool refused_ = false;
  ViStatus status_ = VI_SUCCESS;
  std::string description_;
};

// "Bearer <token>" in the call's "authorization" metadata, compared in
// constant time.
bool TokenMatches(const grpc::ServerContext &context, const std::string &token);
bool TokenMatches(std::string_view authorization, const std::string &token);
// The caller: its "zuvexa-client-id" metadata with the peer's address, or the
// peer's address and port (the connection) when it gives no id.
std::string ClientOf(const grpc::ServerContext &context);
// The library's description of a status, for a session or VI_NULL.
std::string DescribeStatus(ViSession vi, ViStatus status);

} // namespace zuremote
