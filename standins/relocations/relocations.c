/* Stand-in relocation library: get_relocated_dir answers from the table
 * chosen at build time (ZU_RELOCATIONS, "kind=path" pairs separated by ',';
 * ZU_FAILING_KIND, a kind answered with failure). */
#include <string.h>

#ifndef ZU_RELOCATIONS
#define ZU_RELOCATIONS ""
#endif
#ifndef ZU_FAILING_KIND
#define ZU_FAILING_KIND ""
#endif

enum { kNotRelocated = 0, kRelocated = 1, kFailed = -1, kBadArguments = -2, kExpectedBufferSize = 255 };

/* Copies the path given for `kind` in `table` into buffer; 0 when the table
 * has no entry for it. */
static int FindRelocation(const char *table, const char *kind, char *buffer, int bufferSize) {
  size_t kindLength = strlen(kind);
  const char *entry = table;
  while (*entry != '\0') {
    const char *end = strchr(entry, ',');
    size_t entryLength = end != NULL ? (size_t)(end - entry) : strlen(entry);
    if (entryLength > kindLength && strncmp(entry, kind, kindLength) == 0 && entry[kindLength] == '=') {
      size_t pathLength = entryLength - kindLength - 1;
      if (pathLength >= (size_t)bufferSize) return kFailed;
      memcpy(buffer, entry + kindLength + 1, pathLength);
      buffer[pathLength] = '\0';
      return kRelocated;
    }
    entry += entryLength + (end != NULL ? 1 : 0);
  }
  return kNotRelocated;
}

__attribute__((visibility("default"))) int get_relocated_dir(const char *kind, char *buffer, int bufferSize) {
  /* The caller always passes a 255-byte buffer. */
  if (kind == NULL || buffer == NULL || bufferSize != kExpectedBufferSize) return kBadArguments;
  if (strcmp(kind, ZU_FAILING_KIND) == 0) return kFailed;
  return FindRelocation(ZU_RELOCATIONS, kind, buffer, bufferSize);
}
