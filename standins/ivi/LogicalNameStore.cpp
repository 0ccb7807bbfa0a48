#include "LogicalNameStore.h"

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>

#include "TextUtil.h"

namespace ivistandin {

namespace {

constexpr const char *kConfigVariable = "ZUVEXA_IVI_CONFIG";

// What identifies the file contents last read; a change means re-read.
struct FileIdentity {
  std::string path;
  bool exists = false;
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  timespec modified{};

  bool operator==(const FileIdentity &other) const {
    return path == other.path && exists == other.exists && device == other.device && inode == other.inode &&
           size == other.size && modified.tv_sec == other.modified.tv_sec &&
           modified.tv_nsec == other.modified.tv_nsec;
  }
};

FileIdentity CurrentFileIdentity() {
  FileIdentity identity;
  const char *path = std::getenv(kConfigVariable);
  identity.path = path ? path : "";
  struct stat info {};
  if (!identity.path.empty() && ::stat(identity.path.c_str(), &info) == 0) {
    identity.exists = true;
    identity.device = info.st_dev;
    identity.inode = info.st_ino;
    identity.size = info.st_size;
    identity.modified = info.st_mtim;
  }
  return identity;
}

std::vector<std::string_view> SplitFields(std::string_view line, size_t maxFields) {
  std::vector<std::string_view> fields;
  while (fields.size() + 1 < maxFields) {
    const size_t bar = line.find('|');
    if (bar == std::string_view::npos) break;
    fields.push_back(Trim(line.substr(0, bar)));
    line.remove_prefix(bar + 1);
  }
  fields.push_back(Trim(line));
  return fields;
}

std::optional<LogicalName> ParseLine(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() == '#') return std::nullopt;
  const std::vector<std::string_view> fields = SplitFields(line, 5);
  if (fields.size() < 3 || fields[0].empty()) return std::nullopt;
  LogicalName entry;
  if (!ParseBoolean(fields[2], entry.simulate)) return std::nullopt;
  entry.name = fields[0];
  entry.resourceName = fields[1];
  if (fields.size() > 3) entry.driverSetup = fields[3];
  if (fields.size() > 4) entry.optionString = fields[4];
  return entry;
}

using NameMap = std::map<std::string, LogicalName>; // keyed by lower-case name

class Store {
public:
  std::optional<LogicalName> Find(std::string_view name) {
    std::lock_guard guard(mutex_);
    const std::string key = LowerAscii(name);
    if (auto it = memory_.find(key); it != memory_.end()) return it->second;
    RefreshFileEntries();
    if (auto it = file_.find(key); it != file_.end()) return it->second;
    return std::nullopt;
  }

  std::vector<std::string> Names() {
    std::lock_guard guard(mutex_);
    RefreshFileEntries();
    NameMap all = memory_;
    all.insert(file_.begin(), file_.end()); // an in-memory entry hides a file entry
    std::vector<std::string> names;
    for (const auto &[key, entry] : all) names.push_back(entry.name);
    return names;
  }

  void Define(LogicalName entry) {
    std::lock_guard guard(mutex_);
    std::string key = LowerAscii(entry.name);
    memory_.insert_or_assign(std::move(key), std::move(entry));
  }

  void Remove(std::string_view name) {
    std::lock_guard guard(mutex_);
    memory_.erase(LowerAscii(name));
  }

  void RemoveAll() {
    std::lock_guard guard(mutex_);
    memory_.clear();
    file_.clear();
    fileRead_.reset();
  }

private:
  void RefreshFileEntries() {
    FileIdentity identity = CurrentFileIdentity();
    if (fileRead_ && *fileRead_ == identity) return;
    file_.clear();
    if (identity.exists) {
      for (LogicalName &entry : ParseLogicalNames(ReadFile(identity.path))) {
        std::string key = LowerAscii(entry.name);
        file_.insert_or_assign(std::move(key), std::move(entry));
      }
    }
    fileRead_ = std::move(identity);
  }

  static std::string ReadFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  std::mutex mutex_;
  NameMap memory_;
  NameMap file_;
  std::optional<FileIdentity> fileRead_;
};

Store &TheStore() {
  static Store store;
  return store;
}

} // namespace

std::vector<LogicalName> ParseLogicalNames(std::string_view fileText) {
  std::vector<LogicalName> entries;
  while (!fileText.empty()) {
    const size_t end = fileText.find('\n');
    if (auto entry = ParseLine(fileText.substr(0, end))) entries.push_back(std::move(*entry));
    if (end == std::string_view::npos) break;
    fileText.remove_prefix(end + 1);
  }
  return entries;
}

std::optional<LogicalName> FindLogicalName(std::string_view name) { return TheStore().Find(name); }
std::vector<std::string> LogicalNameList() { return TheStore().Names(); }
void DefineLogicalName(LogicalName entry) { TheStore().Define(std::move(entry)); }
void RemoveLogicalName(std::string_view name) { TheStore().Remove(name); }
void RemoveAllLogicalNames() { TheStore().RemoveAll(); }

} // namespace ivistandin
