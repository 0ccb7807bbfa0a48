// The failures of the error description reader and searches, each set on the
// status with its JSON detail (nothing changes when the status already holds
// an error).
#pragma once

#include <cstdint>

#include "status/Status.h"

namespace zuxlator::failures {

void FileCannotOpen(zuerr::Status &status, const char *path);
void EntryNumberUnreadable(zuerr::Status &status, int conversionResult);
void EntryWithoutEnd(zuerr::Status &status);
void UnidentifiedSectionHeading(zuerr::Status &status);
void DirectoryCannotOpen(zuerr::Status &status, const char *directory, int error);
void EntryInfoUnreadable(zuerr::Status &status, const char *directory, int error);
void OutOfMemory(zuerr::Status &status);
void InvalidLanguage(zuerr::Status &status, uint32_t language);

} // namespace zuxlator::failures
