#!/usr/bin/env bash
# Builds and runs the libFuzzer programs of tests/fuzz (clang, AddressSanitizer
# and UndefinedBehaviorSanitizer) in a build tree of their own.
#
#   scripts/fuzz.sh --list                  the targets, one a line (builds
#                                           nothing)
#   scripts/fuzz.sh TARGET SECONDS [opts]   fuzz one target (SECONDS 0: no
#                                           time limit); further options go
#                                           to libFuzzer, e.g. -runs=10000000
#   scripts/fuzz.sh --all SECONDS           every target in turn (what the
#                                           test command runs)
#
# The seeds in tests/fuzz/corpus/TARGET are read, never written: new inputs
# go to BUILD/corpus/TARGET and findings to BUILD/findings/TARGET/. BUILD is
# build-fuzz at the top of the checkout, or $ZUVEXA_FUZZ_BUILD. Each run ends
# with one line giving the target, the number of executions and the outcome;
# the exit status is not 0 when the fuzzer found something.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/lib/common.sh"
build=${ZUVEXA_FUZZ_BUILD:-$root/build-fuzz}

targets() {
  local source
  for source in "$root"/tests/fuzz/*_fuzz.cpp; do
    source=${source##*/}
    echo "${source%_fuzz.cpp}"
  done
}

build_targets() { # build_targets TARGET...
  prepare fuzz
  CC=clang CXX=clang++ configure_and_build "$build" -DZUVEXA_FUZZ=ON -- "$@"
}

run_target() { # run_target TARGET SECONDS [libFuzzer options...]
  local target=$1 seconds=$2
  shift 2
  local seeds="$root/tests/fuzz/corpus/$target" corpus="$build/corpus/$target" findings="$build/findings/$target"
  [ -d "$seeds" ] || { echo "fuzz: no seeds for $target in $seeds" >&2; return 2; }
  mkdir -p "$corpus" "$findings"
  local log="$build/fuzz-$target.log" status=0
  "$build/bin/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$findings/" "$@" "$corpus" "$seeds" >"$log" 2>&1 || status=$?
  local executions
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  if [ "$status" -eq 0 ]; then
    echo "fuzz: $target: ${executions:-?} executions, no finding"
  else
    tail -n 40 "$log" >&2
    echo "fuzz: $target: FINDING after ${executions:-?} executions (log $log, input in $findings/)" >&2
  fi
  return "$status"
}

parse_options "$@"
set -- "${args[@]}"
[ $# -ge 1 ] || usage 2
case "$1" in
  --list) targets ;;
  --all)
    [ $# -eq 2 ] || usage 2
    mapfile -t all < <(targets)
    build_targets fuzz_targets
    failed=0
    for target in "${all[@]}"; do run_target "$target" "$2" || failed=1; done
    exit "$failed"
    ;;
  *)
    [ $# -ge 2 ] || usage 2
    # grep reads the whole list: with -q it could leave early, and the list's
    # writer, cut off, would fail the pipe.
    targets | grep -x -- "$1" >/dev/null || { echo "fuzz: unknown target '$1' (see --list)" >&2; exit 2; }
    build_targets "fuzz_$1"
    run_target "$@"
    ;;
esac
