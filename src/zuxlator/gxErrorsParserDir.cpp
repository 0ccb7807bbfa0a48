// Searches of a folder of error description files and of an errors folder
// with one subfolder per language.
#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <new>

#include "zumxl/mxlate.h"
#include "zuxlator/gxErrorsParser.h"
#include "zuxlator/gxErrorsParserFailures.h"

namespace zuxlator {
namespace {

constexpr size_t kMaxDirectoryPath = 4095;
constexpr size_t kMaxEntryName = 255;
constexpr size_t kMaxEntryPath = 4095;

struct CloseListing {
  void operator()(DIR *listing) const { closedir(listing); }
};
using Listing = std::unique_ptr<DIR, CloseListing>;

// Opens the folder's listing. Every folder that cannot be opened is reported
// as ENOENT, except a path over the limit (ENAMETOOLONG), an empty path
// (EINVAL) and a lack of memory (ENOMEM).
Listing OpenListing(const char *directory, int &error) {
  error = 0;
  if (directory == nullptr || *directory == '\0') {
    error = EINVAL;
  } else if (std::strlen(directory) > kMaxDirectoryPath) {
    error = ENAMETOOLONG;
  } else if (DIR *listing = opendir(directory)) {
    return Listing(listing);
  } else {
    error = errno == ENOMEM ? ENOMEM : ENOENT;
  }
  return nullptr;
}

bool HasDescriptionExtension(const char *name) {
  const char *dot = std::strrchr(name, '.');
  return dot != nullptr && (std::strcmp(dot + 1, "txt") == 0 || std::strcmp(dot + 1, "err") == 0);
}

// Whether the entry is an error description file, with its path in `path`.
// An entry whose information cannot be read (a dangling link, a name over
// the limits) fails the search.
bool IsDescriptionFile(const char *directory, const char *name, std::string &path, zuerr::Status &status) {
  const size_t nameLength = std::strlen(name);
  int error = 0;
  struct stat info {};
  if (nameLength > kMaxEntryName || std::strlen(directory) + 1 + nameLength > kMaxEntryPath) {
    error = ENAMETOOLONG;
  } else {
    path.assign(directory).append(1, '/').append(name, nameLength);
    if (stat(path.c_str(), &info) != 0) error = errno;
  }
  if (error != 0) {
    failures::EntryInfoUnreadable(status, directory, error);
    return false;
  }
  return S_ISREG(info.st_mode) && HasDescriptionExtension(name);
}

void SearchListing(DIR *listing, const char *directory, ViStatus code, std::string &text,
                   zuerr::Status &status) {
  std::string path;
  while (const dirent *entry = readdir(listing)) {
    if (IsDescriptionFile(directory, entry->d_name, path, status)) {
      FindErrorDescriptionInFile(path.c_str(), code, text, status);
    }
    if (zuerr::IsError(status) || !text.empty()) return;
  }
}

// Searches the folder; false when it cannot be opened, with the error number
// in `error` (only a lack of memory is set on the status then).
bool SearchDirectory(const char *directory, ViStatus code, std::string &text, zuerr::Status &status,
                     int &error) {
  Listing listing = OpenListing(directory, error);
  if (listing == nullptr) {
    if (error == ENOMEM) failures::OutOfMemory(status);
    return false;
  }
  SearchListing(listing.get(), directory, code, text, status);
  return true;
}

void SearchDirectoryOrFail(const char *directory, ViStatus code, std::string &text, zuerr::Status &status) {
  int error = 0;
  if (!SearchDirectory(directory, code, text, status, error)) {
    failures::DirectoryCannotOpen(status, directory != nullptr ? directory : "", error);
  }
}

// The language folder first; when it cannot be opened, or holds no
// description, the errors folder's own files.
void SearchErrorsDirectory(const char *errorsDirectory, ViStatus code, const char *languageName,
                           std::string &text, zuerr::Status &status) {
  const std::string languageDirectory = std::string(errorsDirectory).append(1, '/').append(languageName);
  int ignored = 0;
  SearchDirectory(languageDirectory.c_str(), code, text, status, ignored);
  if (zuerr::IsError(status) || !text.empty()) return;
  SearchDirectoryOrFail(errorsDirectory, code, text, status);
}

// Runs a search that may run out of memory; it then leaves no text.
template <typename Search> void Guarded(std::string &text, zuerr::Status &status, Search search) {
  text.clear();
  if (zuerr::IsError(status)) return;
  try {
    search();
  } catch (const std::bad_alloc &) {
    failures::OutOfMemory(status);
  }
  if (zuerr::IsError(status)) text.clear();
}

} // namespace

void FindErrorDescriptionInDir(const char *directory, ViStatus code, std::string &text,
                               zuerr::Status &status) {
  Guarded(text, status, [&] { SearchDirectoryOrFail(directory, code, text, status); });
}

void FindErrorDescriptionInErrorsDir(const char *errorsDirectory, ViStatus code, uint32_t language,
                                     std::string &text, zuerr::Status &status) {
  Guarded(text, status, [&] {
    const char *languageName = LanguageDirectoryName(language, status);
    if (zuerr::IsError(status)) return;
    SearchErrorsDirectory(errorsDirectory != nullptr ? errorsDirectory : "", code, languageName, text,
                          status);
  });
}

const char *LanguageDirectoryName(uint32_t language, zuerr::Status &status) {
  if (zuerr::IsError(status)) return "";
  if (language >= zumxl::kLanguageCount) {
    failures::InvalidLanguage(status, language);
    return "";
  }
  return zumxl::LanguageName(language, zumxl::kLongName);
}

} // namespace zuxlator
