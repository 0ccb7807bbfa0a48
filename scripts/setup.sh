#!/usr/bin/env bash
# Installs what the build and the tests need (Debian packages only), fetches
# the embedded third-party sources, configures and builds libzuvexa.
#
#   scripts/setup.sh              build, then run the main job
#   scripts/setup.sh --test       build, then run every test the way CI does:
#                                   1. plain build, whole suite      (build/)
#                                   2. AddressSanitizer + UndefinedBehavior-
#                                      Sanitizer, whole suite        (build-asan/)
#                                   3. ThreadSanitizer, concurrency tests
#                                                                    (build-tsan/)
#                                   4. every fuzz target over its seeds and a
#                                      few seconds of fuzzing (clang, build-fuzz/)
#   scripts/setup.sh --test --only plain,tsan
#                                 the named stages only
#   scripts/setup.sh --sanitize   the main job in the AddressSanitizer build;
#                                 with --test, stages 2 and 3
# Options: -j N (parallel jobs), --no-install (skip package installation).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
mode=run
sanitize=0
stages=plain,asan,tsan,fuzz
install=1
jobs=$(nproc 2>/dev/null || echo 2)

while [ $# -gt 0 ]; do
  case "$1" in
    --test) mode=test ;;
    --sanitize) sanitize=1; stages=asan,tsan ;;
    --only) stages="$2"; shift ;;
    --no-install) install=0 ;;
    -j) jobs="$2"; shift ;;
    -j*) jobs="${1#-j}" ;;
    -h|--help) sed -n '2,18p' "$0"; exit 0 ;;
    *) echo "unknown option: $1" >&2; exit 2 ;;
  esac
  shift
done

packages=(
  build-essential cmake pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  dpkg-dev liblua5.1-0-dev lua-cjson-dev lua-cjson lua-filesystem-dev lua-dkjson
  python3 python3-numpy python3-pytest file
  clang libclang-rt-14-dev llvm
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_packages() {
  local missing=() p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "== installing: ${missing[*]}"
  as_root apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build() { # build <dir> [cmake options...]
  local dir="$1"; shift
  cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null && cmake --build "$dir" -j "$jobs"
}

run_tests() { # run_tests <dir> [ctest options...]
  local dir="$1"; shift
  ctest --test-dir "$dir" --output-on-failure --timeout 300 -j "$jobs" "$@"
}

# Sanitizer findings end the test program with a report; leaks are findings.
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1

# Each stage chains its steps with &&: it runs under `if`, where set -e does
# not stop at a failed step.
stage_plain() {
  build "$root/build" && run_tests "$root/build"
}
stage_asan() {
  build "$root/build-asan" -DZUVEXA_SANITIZE=address && run_tests "$root/build-asan"
}
stage_tsan() { # the concurrency test programs only
  cmake -S "$root" -B "$root/build-tsan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUVEXA_SANITIZE=thread >/dev/null &&
    cmake --build "$root/build-tsan" -j "$jobs" --target concurrency_tests &&
    run_tests "$root/build-tsan" -L concurrency
}
stage_fuzz() {
  "$root/scripts/fuzz.sh" --all 5
}

declare -A stage_titles=(
  [plain]="plain build, whole test suite (build/)"
  [asan]="AddressSanitizer + UndefinedBehaviorSanitizer build, whole test suite (build-asan/)"
  [tsan]="ThreadSanitizer build, concurrency tests (build-tsan/)"
  [fuzz]="libFuzzer targets, seeds and 5 s of fuzzing each (clang, build-fuzz/)"
)

run_stages() {
  local names total=0 index=0 summary="" start seconds stage
  IFS=, read -r -a names <<<"$stages"
  for stage in "${names[@]}"; do
    [ -n "${stage_titles[$stage]:-}" ] || { echo "unknown stage: $stage" >&2; exit 2; }
  done
  for stage in "${names[@]}"; do
    index=$((index + 1))
    echo "== [$index/${#names[@]}] $stage: ${stage_titles[$stage]}"
    start=$SECONDS
    if ! "stage_$stage"; then
      echo "== [$index/${#names[@]}] $stage FAILED after $((SECONDS - start)) s" >&2
      exit 1
    fi
    seconds=$((SECONDS - start))
    total=$((total + seconds))
    summary+=" $stage ${seconds}s"
    echo "== [$index/${#names[@]}] $stage passed in ${seconds} s"
  done
  echo "== all stages passed in $((total / 60)) min $((total % 60)) s:$summary"
}

[ "$install" -eq 1 ] && install_packages
if [ -x "$root/scripts/fetch-third-party.sh" ]; then
  "$root/scripts/fetch-third-party.sh"
fi

if [ "$mode" = test ]; then
  run_stages
  exit 0
fi

if [ "$sanitize" -eq 1 ]; then
  build "$root/build-asan" -DZUVEXA_SANITIZE=address
  bin="$root/build-asan/bin"
else
  build "$root/build"
  bin="$root/build/bin"
fi

# The platform components are the stand-ins built beside the library.
lib="$(dirname "$bin")/lib"
echo "== main job: zuvexa-iq"
LD_LIBRARY_PATH="$lib:$lib/buildtree:$lib/modules:$lib/sysapi${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}" \
  ZUVEXA_SYSAPI_CONFIG="$root/tools/demo/sysapi.conf" "$bin/zuvexa-iq"
