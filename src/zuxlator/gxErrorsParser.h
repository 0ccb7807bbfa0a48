// Error description files: the reader of one file, the search of a folder of
// such files, and the search of an errors folder with one subfolder per
// language.
//
// A file starts with the lines `<?xml version="1.0">` (only its first 19
// characters are compared) and `<zudocument>`; then come entries
// `<zuerror code="0x1234">` ... `</zuerror>` whose body lines are the
// description, comments `<zucomment>` ... `</zucomment>`, and
// `</zudocument>`. Tags are compared case-insensitively at the very start of
// a line; lines are read in pieces of at most 1023 bytes. The first entry for
// a code wins, and trailing line ends are removed from its body.
//
// Every operation does nothing (but clear `text`) when the status already
// holds an error, and reports failures through it as -52006 (a file or folder
// cannot be read, a malformed entry), -52005 (an invalid language) or -52000
// (out of memory), with a JSON detail.
#pragma once

#include <cstdint>
#include <string>

#include "status/Status.h"
#include "zuVEXAtypes.h"

namespace zuxlator {

// The description of `code` in the file at `path`; empty when the file holds
// none or is not an error description file (its first two lines differ).
void FindErrorDescriptionInFile(const char *path, ViStatus code, std::string &text, zuerr::Status &status);

// The first non-empty description of `code` among the regular files (links
// followed) of `directory` whose extension is "txt" or "err", visited in
// listing order. The first error ends the search.
void FindErrorDescriptionInDir(const char *directory, ViStatus code, std::string &text,
                               zuerr::Status &status);

// Searches errorsDirectory/<language folder>, then errorsDirectory itself
// when that gave no description. A language folder that cannot be opened
// counts as holding no description.
void FindErrorDescriptionInErrorsDir(const char *errorsDirectory, ViStatus code, uint32_t language,
                                     std::string &text, zuerr::Status &status);

// "English", "French", "German", "Japanese", "Korean" or "ChineseS" for the
// languages 0 to 5; "" with -52005 for any other number, and "" without a
// change when the status already holds an error.
const char *LanguageDirectoryName(uint32_t language, zuerr::Status &status);

} // namespace zuxlator
