// One file a fetch writes. A regular file, or a name not yet taken, is
// written as a new file beside it (".NAME.XXXXXX" in the same folder) that
// Commit() renames over it: until then the target stays as it was, and the
// new file is removed by Discard(), the destructor, or SIGHUP, SIGPIPE and
// SIGQUIT on their way to end the process. A device or a pipe is written in
// place and never removed; a folder is refused.
#pragma once

#include <fstream>
#include <string>

struct stat;

namespace zuvexacli {

class FetchFile {
public:
  FetchFile() = default;
  ~FetchFile() { Discard(); }
  FetchFile(const FetchFile &) = delete;
  FetchFile &operator=(const FetchFile &) = delete;

  // Once per object: "" or "cannot write PATH: reason".
  std::string Open(const std::string &path, std::ios::openmode mode);
  bool IsOpen() const { return stream_.is_open(); }
  std::ofstream &Stream() { return stream_; }
  const std::string &Path() const { return path_; }
  // Closes the stream and puts the new file in place: "" or what failed.
  std::string Commit();
  // Closes the stream and removes the new file (a file written in place stays).
  void Discard();

private:
  std::string OpenBeside(std::ios::openmode mode, const struct stat *replaced);

  std::string path_;      // as given
  std::string target_;    // what the new file replaces: path_ with links resolved
  std::string temporary_; // the new file; "" when written in place
  int slot_ = -1;         // of temporary_ in the list the signal handler removes
  std::ofstream stream_;
};

// "cannot write PATH: the text of `error`" ("-": standard output).
std::string CannotWrite(const std::string &path, int error);

} // namespace zuvexacli
