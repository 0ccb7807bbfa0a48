// The runtime of libzuvexa-remote: the connection to the server, the calls
// through it and the error information the client keeps of their statuses.
#pragma once

#include <functional>
#include <string>

#include <grpcpp/grpcpp.h>

#include "zuVEXAremote.h"
#include "zuvexa_remote.grpc.pb.h"

namespace zuclient {

namespace pb = ::zuvexa::remote;
using Stub = pb::Analyzer::Stub;
using Rpc = std::function<grpc::Status(Stub &, grpc::ClientContext &)>;

// The server's address, token and TLS authority, from the environment.
struct Endpoint {
  std::string address;
  std::string tokenFile;
  std::string authorityFile;
};
Endpoint EndpointFromEnvironment();

// Runs one rpc and returns the status of the call: the server's, kept with
// its description for zuVEXA_GetError, or ZUVEXA_ERROR_REMOTE_TRANSPORT when
// the call went wrong on the way. A positive status of a text output is the
// size the text needs, not a warning, and is not kept.
ViStatus Exchange(ViSession vi, const char *function, const Rpc &rpc,
                  const std::function<pb::Status()> &reply, bool textResult);

// The error information of a session the server opened for this process, or
// of the calling thread for any other handle (VI_NULL included).
void Record(ViSession vi, ViStatus code, const std::string &description);
ViStatus TakeError(ViSession vi, ViStatus *code, ViInt32 size, ViChar *description);
void ClearError(ViSession vi);
void Opened(ViSession vi);
void Closed(ViSession vi);

// Describes the statuses this library itself returns: true and the IVI
// buffer result in *result when `code` is one of them.
bool DescribeLocally(ViStatus code, ViInt32 size, ViChar *description, ViStatus *result);

// A function the server leaves out.
ViStatus NotAvailable(ViSession vi, const char *function, const char *reason);

// Runs `body`, turning any exception into a status with its description.
ViStatus Guard(ViSession vi, const char *function, const std::function<ViStatus()> &body) noexcept;

} // namespace zuclient
