#!/usr/bin/env bash
# Runs the concurrency soak in full: eight threads and 100,000 operations
# (opens, closes, forwarded calls, fetches, error descriptions, change
# notifications, first module loads) through libzuvexa.so, then checks that
# no session was lost or handed out twice and that none is left. The test
# suite runs a short form of the same test.
#
#   scripts/soak.sh [--tsan|--asan] [OPERATIONS [SECONDS]]
#
# OPERATIONS defaults to 100000, SECONDS (the time after which the threads
# stop early) to 600. --tsan and --asan run it in the ThreadSanitizer or
# AddressSanitizer build tree (build-tsan, build-asan) instead of build.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/lib/common.sh"

parse_options "$@"
set -- "${args[@]}"
build=$root/build
options=()
case "${1:-}" in
  --tsan) build=$root/build-tsan; options=(-DZUVEXA_SANITIZE=thread); shift ;;
  --asan) build=$root/build-asan; options=(-DZUVEXA_SANITIZE=address); shift ;;
  -*) echo "unknown option: $1" >&2; usage 2 ;;
esac
[ $# -le 2 ] || usage 2
operations=${1:-100000}
seconds=${2:-600}
[[ $operations =~ ^[0-9]+$ && $seconds =~ ^[0-9]+$ ]] || usage 2

prepare tests
configure_and_build "$build" "${options[@]}" -- concurrency_e2e_tests
echo "== soak: $operations operations, at most $seconds s ($build)"
log=$(mktemp)
status=0
ZUVEXA_SOAK_OPERATIONS=$operations ZUVEXA_SOAK_SECONDS=$seconds \
  ctest --test-dir "$build" -R '^Soak\.' --output-on-failure --verbose --timeout $((seconds + 120)) \
  >"$log" 2>&1 || status=$?
if [ "$status" -eq 0 ]; then
  sed -n 's/^[0-9]*: \(soak: .*\)/\1/p' "$log"
else
  tail -n 60 "$log" >&2
fi
rm -f "$log"
exit "$status"
