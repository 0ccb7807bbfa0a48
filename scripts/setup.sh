#!/usr/bin/env bash
# Installs what the build and the tests need (Debian packages only), fetches
# the embedded third-party sources, configures and builds libzuvexa.
#
#   scripts/setup.sh              build, then run the main job
#   scripts/setup.sh --test       build, then run every test
#   scripts/setup.sh --test --sanitize
#                                 the same in an AddressSanitizer +
#                                 UndefinedBehaviorSanitizer build, followed
#                                 by the concurrency tests under
#                                 ThreadSanitizer
# Options: -j N (parallel jobs), --no-install (skip package installation).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
mode=run
sanitize=0
install=1
jobs=$(nproc 2>/dev/null || echo 2)

while [ $# -gt 0 ]; do
  case "$1" in
    --test) mode=test ;;
    --sanitize) sanitize=1 ;;
    --no-install) install=0 ;;
    -j) jobs="$2"; shift ;;
    -j*) jobs="${1#-j}" ;;
    -h|--help) sed -n '2,13p' "$0"; exit 0 ;;
    *) echo "unknown option: $1" >&2; exit 2 ;;
  esac
  shift
done

packages=(
  build-essential cmake pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  dpkg-dev liblua5.1-0-dev lua-cjson-dev lua-cjson lua-filesystem-dev lua-dkjson
  python3 python3-numpy python3-pytest file
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
  cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
}

run_tests() { # run_tests <dir> [ctest options...]
  local dir="$1"; shift
  ctest --test-dir "$dir" --output-on-failure --timeout 300 -j "$jobs" "$@"
}

[ "$install" -eq 1 ] && install_packages
if [ -x "$root/scripts/fetch-third-party.sh" ]; then
  "$root/scripts/fetch-third-party.sh"
fi

if [ "$sanitize" -eq 1 ]; then
  build "$root/build-asan" -DZUVEXA_SANITIZE=address
  if [ "$mode" = test ]; then
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1 \
      run_tests "$root/build-asan"
    build "$root/build-tsan" -DZUVEXA_SANITIZE=thread
    run_tests "$root/build-tsan" -L concurrency
  fi
  bin="$root/build-asan/bin"
else
  build "$root/build"
  [ "$mode" = test ] && run_tests "$root/build"
  bin="$root/build/bin"
fi

if [ "$mode" = run ]; then
  # The platform components are the stand-ins built beside the library.
  lib="$(dirname "$bin")/lib"
  echo "== main job: zuvexa-iq"
  LD_LIBRARY_PATH="$lib:$lib/buildtree:$lib/modules:$lib/sysapi${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}" \
    ZUVEXA_SYSAPI_CONFIG="$root/tools/demo/sysapi.conf" "$bin/zuvexa-iq"
fi
