#include "RemoteClient.h"

#include "Convert.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <mutex>
#include <optional>
#include <random>
#include <sstream>
#include <unordered_map>

namespace zuclient {
namespace {

constexpr char kDefaultAddress[] = "127.0.0.1:50151";

std::string Environment(const char *name, const char *fallback = "") {
  const char *value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : fallback;
}

std::optional<std::string> ReadFile(const std::string &path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// The first line, without surrounding blanks.
std::string FirstLine(const std::string &text) {
  const std::string line = text.substr(0, text.find('\n'));
  const char *blanks = " \t\r";
  const size_t first = line.find_first_not_of(blanks);
  return first == std::string::npos ? std::string()
                                    : line.substr(first, line.find_last_not_of(blanks) - first + 1);
}

// Names this process to the server, so that its sessions stay its own over
// reconnections: the server pairs it with the peer's host.
std::string NewClientId() {
  std::random_device random;
  std::ostringstream id;
  id << "zuvexa-remote-" << getpid() << '-' << std::hex << random() << random();
  return id.str();
}

// The channel to the server, made at the first call. A token or authority
// file that cannot be read fails every call with a description saying so.
class Connection {
public:
  // Never destroyed: calls may still run while the process exits.
  static Connection &Get() {
    static Connection *connection = new Connection(EndpointFromEnvironment());
    return *connection;
  }

  grpc::Status Call(const Rpc &rpc) const {
    if (!problem_.empty()) return {grpc::StatusCode::FAILED_PRECONDITION, problem_};
    grpc::ClientContext context;
    if (!token_.empty()) context.AddMetadata("authorization", "Bearer " + token_);
    context.AddMetadata("zuvexa-client-id", clientId_);
    return rpc(*stub_, context);
  }

  std::string Describe(const char *function, const grpc::Status &status) const {
    return std::string(function) + " did not reach zuvexa-server at " + endpoint_.address + ": " +
           CodeName(status.error_code()) + ": " + status.error_message();
  }

private:
  explicit Connection(Endpoint endpoint) : endpoint_(std::move(endpoint)), clientId_(NewClientId()) {
    std::shared_ptr<grpc::ChannelCredentials> credentials = grpc::InsecureChannelCredentials();
    if (!endpoint_.tokenFile.empty()) {
      const auto text = ReadFile(endpoint_.tokenFile);
      token_ = text ? FirstLine(*text) : std::string();
      if (token_.empty()) problem_ = "no token in ZUVEXA_REMOTE_TOKEN_FILE " + endpoint_.tokenFile;
    }
    if (!endpoint_.authorityFile.empty()) {
      const auto authority = ReadFile(endpoint_.authorityFile);
      if (!authority) problem_ = "cannot read ZUVEXA_REMOTE_CA " + endpoint_.authorityFile;
      grpc::SslCredentialsOptions options;
      options.pem_root_certs = authority.value_or("");
      credentials = grpc::SslCredentials(options);
    }
    grpc::ChannelArguments arguments;
    arguments.SetMaxReceiveMessageSize(-1); // replies are bounded by the server's reply limit
    stub_ = pb::Analyzer::NewStub(grpc::CreateCustomChannel(endpoint_.address, credentials, arguments));
  }

  Endpoint endpoint_;
  std::string clientId_;
  std::string token_;
  std::string problem_;
  std::unique_ptr<Stub> stub_;
};

struct ErrorInfo {
  ViStatus code = VI_SUCCESS;
  std::string description;
};

std::mutex errorsMutex;
std::unordered_map<ViSession, ErrorInfo> sessionErrors; // one entry per open session
thread_local ErrorInfo threadError;

// The slot of a handle; errorsMutex is held.
ErrorInfo &Slot(ViSession vi) {
  const auto found = sessionErrors.find(vi);
  return found == sessionErrors.end() ? threadError : found->second;
}

// A text under the IVI buffer convention.
ViStatus WriteText(const std::string &text, ViInt32 size, ViChar *buffer) {
  const auto needed = static_cast<ViStatus>(text.size() + 1);
  if (size == 0 || buffer == nullptr) return needed;
  if (size < 0 || size >= needed) {
    text.copy(buffer, text.size());
    buffer[text.size()] = '\0';
    return VI_SUCCESS;
  }
  text.copy(buffer, static_cast<size_t>(size - 1));
  buffer[size - 1] = '\0';
  return needed;
}

void RecordQuietly(ViSession vi, ViStatus code, const char *function, const char *what) noexcept {
  try {
    Record(vi, code, std::string(function) + ": " + what);
  } catch (...) {
  }
}

} // namespace

Endpoint EndpointFromEnvironment() {
  return {Environment("ZUVEXA_REMOTE", kDefaultAddress), Environment("ZUVEXA_REMOTE_TOKEN_FILE"),
          Environment("ZUVEXA_REMOTE_CA")};
}

ViStatus Exchange(ViSession vi, const char *function, const Rpc &rpc,
                  const std::function<pb::Status()> &reply, bool textResult) {
  const Connection &connection = Connection::Get();
  const grpc::Status sent = connection.Call(rpc);
  if (!sent.ok()) {
    Record(vi, ZUVEXA_ERROR_REMOTE_TRANSPORT, connection.Describe(function, sent));
    return ZUVEXA_ERROR_REMOTE_TRANSPORT;
  }
  const pb::Status status = reply();
  if (status.code() < 0 || (status.code() > 0 && !textResult))
    Record(vi, status.code(), status.description());
  return status.code();
}

void Record(ViSession vi, ViStatus code, const std::string &description) {
  std::lock_guard lock(errorsMutex);
  ErrorInfo &slot = Slot(vi);
  // The first error is kept; an error replaces a warning.
  if (slot.code == VI_SUCCESS || (slot.code > 0 && code < 0)) slot = {code, description};
}

ViStatus TakeError(ViSession vi, ViStatus *code, ViInt32 size, ViChar *description) {
  ErrorInfo taken;
  {
    std::lock_guard lock(errorsMutex);
    ErrorInfo &slot = Slot(vi);
    taken = slot;
    if (size != 0) slot = {}; // a size query leaves it for the next call
  }
  if (code != nullptr) *code = taken.code;
  return WriteText(taken.description, size, description);
}

void ClearError(ViSession vi) {
  std::lock_guard lock(errorsMutex);
  Slot(vi) = {};
}

void Opened(ViSession vi) {
  std::lock_guard lock(errorsMutex);
  sessionErrors[vi] = {};
}

void Closed(ViSession vi) {
  std::lock_guard lock(errorsMutex);
  sessionErrors.erase(vi);
}

bool DescribeLocally(ViStatus code, ViInt32 size, ViChar *description, ViStatus *result) {
  if (code != ZUVEXA_ERROR_REMOTE_TRANSPORT) return false;
  *result =
      WriteText("The call did not reach zuvexa-server or came back without an answer.", size, description);
  return true;
}

ViStatus NotAvailable(ViSession vi, const char *function, const char *reason) {
  RecordQuietly(vi, ZUVEXA_ERROR_FUNCTION_NOT_SUPPORTED, function,
                (std::string("not available remotely: ") + reason).c_str());
  return ZUVEXA_ERROR_FUNCTION_NOT_SUPPORTED;
}

ViStatus Guard(ViSession vi, const char *function, const std::function<ViStatus()> &body) noexcept {
  try {
    return body();
  } catch (const std::bad_alloc &) {
    RecordQuietly(vi, ZUVEXA_ERROR_OUT_OF_MEMORY, function, "memory ran out");
    return ZUVEXA_ERROR_OUT_OF_MEMORY;
  } catch (const std::exception &error) {
    RecordQuietly(vi, ZUVEXA_ERROR_CANNOT_RECOVER, function, error.what());
  } catch (...) {
    RecordQuietly(vi, ZUVEXA_ERROR_CANNOT_RECOVER, function, "unexpected failure");
  }
  return ZUVEXA_ERROR_CANNOT_RECOVER;
}

} // namespace zuclient
