#include "FetchFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <filesystem>

namespace zuvexacli {

namespace {

// The new files not yet in place, for the signal handler: plain memory, as
// it may only call async-signal-safe functions.
constexpr int kSlots = 8;
char temporaries[kSlots][PATH_MAX];
volatile std::sig_atomic_t slotUsed[kSlots];

// SA_RESETHAND has restored the default action, which ends the process once
// the raised signal is delivered.
extern "C" void RemoveTemporaries(int signal) {
  for (int n = 0; n < kSlots; ++n)
    if (slotUsed[n] != 0) unlink(temporaries[n]);
  raise(signal);
}

// Only signals that would end the process as things stand: an ignored SIGHUP
// (nohup) stays ignored.
void CatchFatalSignals() {
  static bool caught = false;
  if (caught) return;
  caught = true;
  struct sigaction action = {};
  action.sa_handler = RemoveTemporaries;
  action.sa_flags = SA_RESETHAND;
  sigemptyset(&action.sa_mask);
  for (int signal : {SIGHUP, SIGPIPE, SIGQUIT}) {
    struct sigaction current = {};
    if (sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_DFL)
      sigaction(signal, &action, nullptr);
  }
}

int Remember(const std::string &temporary) {
  CatchFatalSignals();
  for (int n = 0; n < kSlots && temporary.size() < PATH_MAX; ++n)
    if (slotUsed[n] == 0) {
      std::memcpy(temporaries[n], temporary.c_str(), temporary.size() + 1);
      std::atomic_signal_fence(std::memory_order_release); // the name is whole before the handler may read it
      slotUsed[n] = 1;
      return n;
    }
  return -1;
}

void Forget(int slot) {
  if (slot >= 0) slotUsed[slot] = 0;
}

mode_t NewFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// Room for ".NAME.XXXXXX" within a name's 255 bytes.
constexpr std::size_t kNameKept = 200;

} // namespace

std::string CannotWrite(const std::string &path, int error) {
  return "cannot write " + (path == "-" ? std::string("standard output") : path) + ": " +
         std::strerror(error != 0 ? error : EIO);
}

std::string FetchFile::Open(const std::string &path, std::ios::openmode mode) {
  path_ = path;
  mode |= std::ios::out | std::ios::trunc;
  struct stat status = {}, link = {};
  const bool exists = stat(path.c_str(), &status) == 0;
  if ((exists && S_ISDIR(status.st_mode)) || path.ends_with('/')) return CannotWrite(path, EISDIR);
  // A device or a pipe, or a link to nothing yet: written where it is.
  if (exists ? !S_ISREG(status.st_mode) : lstat(path.c_str(), &link) == 0) {
    stream_.open(path, mode);
    return stream_.is_open() ? "" : CannotWrite(path, errno);
  }
  std::error_code ignored;
  target_ = exists ? std::filesystem::canonical(path, ignored).string() : path;
  if (target_.empty()) target_ = path;
  return OpenBeside(mode, exists ? &status : nullptr);
}

// The new file gets the mode of the file it replaces (and its owner, where
// the caller may give it), or that of a file created here.
std::string FetchFile::OpenBeside(std::ios::openmode mode, const struct stat *replaced) {
  const std::size_t slash = target_.rfind('/');
  const std::size_t nameAt = slash == std::string::npos ? 0 : slash + 1;
  std::string temporary = target_.substr(0, nameAt) + "." + target_.substr(nameAt, kNameKept) + ".XXXXXX";
  const int descriptor = mkstemp(temporary.data());
  if (descriptor < 0) return CannotWrite(path_, errno);
  temporary_ = temporary;
  slot_ = Remember(temporary_);
  if (replaced != nullptr && fchown(descriptor, replaced->st_uid, replaced->st_gid) != 0) {
    // Only a privileged caller may give the file to another owner.
  }
  fchmod(descriptor, replaced != nullptr ? replaced->st_mode & 07777 : NewFileMode());
  close(descriptor);
  stream_.open(temporary_, mode);
  return stream_.is_open() ? "" : CannotWrite(path_, errno);
}

// A failure leaves the new file to Discard() or the destructor.
std::string FetchFile::Commit() {
  stream_.close();
  if (!stream_) return CannotWrite(path_, errno);
  if (!temporary_.empty() && std::rename(temporary_.c_str(), target_.c_str()) != 0)
    return CannotWrite(path_, errno);
  Forget(slot_);
  slot_ = -1;
  temporary_.clear();
  return "";
}

void FetchFile::Discard() {
  if (stream_.is_open()) stream_.close();
  if (!temporary_.empty()) unlink(temporary_.c_str());
  Forget(slot_);
  slot_ = -1;
  temporary_.clear();
}

} // namespace zuvexacli
