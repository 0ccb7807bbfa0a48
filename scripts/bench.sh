#!/usr/bin/env bash
# Builds the benchmarks in release mode (in build-bench/, apart from the
# development build), runs them and prints the table of figures. Every
# figure is a ratio to a baseline timed in the same run, so the table is
# comparable across machines; see the manual's guide "Performance figures"
# (docs/guides/performance.rst).
#
#   scripts/bench.sh [--no-build] [Google Benchmark options...]
#
# --no-build runs the program of an earlier build as it is.
# Example: scripts/bench.sh --benchmark_filter='^ForwardedCall/'
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/lib/common.sh"
dir="$root/build-bench"

parse_options "$@"
build=1
benchmark_options=()
for arg in "${args[@]}"; do
  case "$arg" in
    --no-build) build=0 ;;
    *) benchmark_options+=("$arg") ;;
  esac
done

if [ "$build" -eq 1 ]; then
  prepare bench
  configure_and_build "$dir" -DCMAKE_BUILD_TYPE=Release -DZUVEXA_BUILD_TESTS=OFF \
    -- zuvexa_bench zuvexa_bench_module zusysapi
elif [ ! -x "$dir/bin/zuvexa_bench" ]; then
  die "no benchmark program in $dir/bin (run without --no-build first)"
fi

# The program points the dynamic loader at its no-op module and at the
# stand-in system configuration by itself.
exec "$dir/bin/zuvexa_bench" "${benchmark_options[@]}"
