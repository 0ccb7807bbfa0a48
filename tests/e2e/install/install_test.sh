#!/usr/bin/env bash
# install_test.sh BUILD SOURCE PYTHON3 PREFIX SHARED_DIR
set -euo pipefail
build=$1 source=$2 python3=$3 prefix=$4 shared=$5
stage=$(mktemp -d "${TMPDIR:-/tmp}/zuvexa-install-XXXXXX")
trap 'rm -rf "$stage"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }
# expect PATTERN WHAT COMMAND...: COMMAND's output must match PATTERN.
expect() {
  local pattern=$1 what=$2 output
  shift 2
  output=$("$@") || fail "$what: exit status $?"
  grep -q -- "$pattern" <<<"$output" || fail "$what: no '$pattern' in
$output"
}

DESTDIR=$stage cmake --install "$build" >/dev/null
root=$stage$prefix
lib=$(dirname "$(find "$root" -name libzuvexa.so.0 | head -1)")
[ -n "$lib" ] || fail "no libzuvexa.so.0 installed"

# The library under its soname, with the development link beside it.
[ "$(objdump -p "$lib/libzuvexa.so.0" | awk '/SONAME/ {print $2}')" = libzuvexa.so.0 ] || fail "wrong soname"
[ "$(readlink "$lib/libzuvexa.so")" = libzuvexa.so.0 ] || fail "libzuvexa.so does not link to the soname"
for file in "$root/include/zuVEXA.h" "$root/include/zuVEXAtypes.h" "$root/bin/zuvexa"; do
  [ -e "$file" ] || fail "$file missing"
done
if objdump -p "$root/bin/zuvexa" "$lib/libzuvexa.so.0" | grep -q "PATH.*$build"; then
  fail "an installed file still searches the build tree"
fi
for tree in errors mierrors; do
  if [ -d "$source/data/$tree" ]; then
    [ -d "$stage$shared/$tree" ] || fail "data/$tree not installed below $shared"
  fi
done

# What a user's program sees: only the staged files and the simulation.
export LD_LIBRARY_PATH=$lib
export ZUVEXA_SYSAPI_CONFIG=$root/share/zuvexa-sim/sysapi.conf
work=$stage/work && mkdir -p "$work"

export PKG_CONFIG_PATH=$lib/pkgconfig PKG_CONFIG_SYSROOT_DIR=$stage
# shellcheck disable=SC2046
cc -o "$work/with_pkgconfig" "$source/examples/c/fetch_record.c" $(pkg-config --cflags --libs zuvexa) -lm
expect "mean power -6.02 dBFS" "the pkg-config build" "$work/with_pkgconfig"

cmake -S "$source/examples/c" -B "$work/cmake" -DCMAKE_PREFIX_PATH="$root" >/dev/null
cmake --build "$work/cmake" >/dev/null
expect "mean power -6.02 dBFS" "the find_package build" "$work/cmake/fetch_record"

expect "module tov .*$lib/libzuvexatov.so" "zuvexa models" "$root/bin/zuvexa" models
expect "samples       256 fetched" "zuvexa fetch" "$root/bin/zuvexa" fetch --samples 256

site=$(dirname "$(find "$root" -path '*-packages/zuvexa' -type d | head -1)")
export PYTHONPATH=$site PYTHONDONTWRITEBYTECODE=1
expect "mean power -6.02 dBFS" "the installed Python package" "$python3" "$source/examples/python/fetch_record.py"
echo "installed tree works: pkg-config, find_package, zuvexa, Python"
