#!/usr/bin/env bash
# Fails, naming the files, when a tracked C or C++ source differs from the
# layout .clang-format gives it. `scripts/check-format.sh --fix` reformats them.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
command -v clang-format >/dev/null || { echo "check-format: clang-format is not installed" >&2; exit 1; }
# The checkout may belong to another user (a CI runner's).
mapfile -t files < <(git -c safe.directory="$PWD" ls-files '*.c' '*.cpp' '*.h' '*.hpp')
if [ "${1:-}" = --fix ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
mapfile -t drift < <(clang-format --dry-run "${files[@]}" 2>&1 | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: warning:.*/\1/p' | sort -u)
if [ ${#drift[@]} -gt 0 ]; then
  echo "check-format: ${#drift[@]} files differ from .clang-format (scripts/check-format.sh --fix):" >&2
  printf '  %s\n' "${drift[@]}" >&2
  exit 1
fi
echo "check-format: ${#files[@]} files as .clang-format lays them out"
