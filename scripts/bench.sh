#!/usr/bin/env bash
# Builds the benchmarks in release mode (in build-bench/, apart from the
# development build), runs them and prints the table of figures. Every
# figure is a ratio to a baseline timed in the same run, so the table is
# comparable across machines; see "Benchmarks" in the README.
#
#   scripts/bench.sh [-j N] [--no-build] [Google Benchmark options...]
#
# Example: scripts/bench.sh --benchmark_filter='ForwardedCall$'
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
dir="$root/build-bench"
jobs=$(nproc)
build=1
args=()
while [ $# -gt 0 ]; do
  case "$1" in
    -j) jobs="$2"; shift 2 ;;
    --no-build) build=0; shift ;;
    *) args+=("$1"); shift ;;
  esac
done

if [ "$build" -eq 1 ]; then
  if [ -x "$root/scripts/fetch-third-party.sh" ]; then "$root/scripts/fetch-third-party.sh"; fi
  launcher=()
  if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
  cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release -DZUVEXA_BUILD_TESTS=OFF "${launcher[@]}" >/dev/null
  cmake --build "$dir" -j "$jobs" --target zuvexa_bench zuvexa_bench_module zusysapi
fi

# The program points the dynamic loader at its no-op module and at the
# stand-in system configuration by itself.
exec "$dir/bin/zuvexa_bench" "${args[@]}"
