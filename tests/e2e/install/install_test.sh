#!/usr/bin/env bash
# install_test.sh BUILD SOURCE: installs BUILD into a fresh prefix inside a
# private mount namespace whose /usr, /usr/local and /etc are overlays, and
# uses it from there with no environment but PATH (and the simulated
# analyzers' configuration): the zuvexa command, a C program built with
# pkg-config alone, the CMake package, the Python package, the SoapySDR
# module (named by SoapySDR's module path). The overlays'
# upper layers must stay empty. Then a shared directory named by
# /etc/kelmar/share/share.dir must win over the prefix's error files.
# Needs root (unshare, mounts).
set -euo pipefail
build=$(realpath "$1") source=$(realpath "$2")
fail() { echo "FAILED: $*" >&2; exit 1; }

if [ "${3:-}" != --inside ]; then
  stage=$(mktemp -d "${TMPDIR:-/tmp}/zuvexa-install-XXXXXX")
  trap 'rm -rf "$stage"' EXIT
  unshare --mount --propagation private "$0" "$build" "$source" --inside "$stage"
  exit
fi
stage=$4

# expect PATTERN WHAT COMMAND...: COMMAND's output must match PATTERN.
expect() {
  local pattern=$1 what=$2 output
  shift 2
  output=$("$@" 2>&1) || fail "$what: exit status $?: $output"
  grep -q -- "$pattern" <<<"$output" || fail "$what: no '$pattern' in
$output"
}
clean() { env -i PATH=/usr/bin:/bin HOME="$stage/home" "$@"; }

layers=$stage/layers
mkdir -p "$layers" "$stage/home" "$stage/work"
# -n: mount records nothing in the machine's /run/mount.
mount -n -t tmpfs zuvexa-layers "$layers"
for dir in /usr /usr/local /etc; do
  name=${dir//\//_}
  mkdir -p "$layers/$name.upper" "$layers/$name.work"
  mount -n -t overlay overlay -o "lowerdir=$dir,upperdir=$layers/$name.upper,workdir=$layers/$name.work" "$dir"
done

prefix=$stage/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
libzuvexa=$(find "$prefix" -name libzuvexa.so.0)
[ -n "$libzuvexa" ] || fail "no libzuvexa.so.0 in the prefix"
lib=$(dirname "$libzuvexa")
sim=ZUVEXA_SYSAPI_CONFIG=$prefix/share/zuvexa-sim/sysapi.conf
work=$stage/work

expect "^zuvexa [0-9]" "zuvexa --version" clean "$prefix/bin/zuvexa" --version
expect "Gerät nicht gefunden" "zuvexa error --lang de" clean "$prefix/bin/zuvexa" error 0xBFFA0060 --lang de
expect "module tov .*$prefix/.*/zuvexa/libzuvexatov.so" "zuvexa models" clean "$prefix/bin/zuvexa" models
expect "zuVEXA_FetchIQSingleRecordComplexF64" "zuvexa trace" clean "$sim" "$prefix/bin/zuvexa" trace fetch --samples 100

clean PKG_CONFIG_PATH="$lib/pkgconfig" sh -c \
  "cc -o '$work/describe' '$source/tests/e2e/install/describe_status.c' \$(pkg-config --cflags --libs zuvexa)" ||
  fail "the build with pkg-config alone"
expect "Appareil introuvable" "the pkg-config build" clean "$sim" "$work/describe"

clean cmake -S "$source/examples/c" -B "$work/cmake" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null &&
  clean cmake --build "$work/cmake" >/dev/null || fail "the find_package build"
expect "mean power -6.02 dBFS" "the find_package build" clean "$sim" "$work/cmake/fetch_record"

# The package imported from its site folder (the current one), which is all
# it needs to find its library.
site=$(dirname "$(find "$prefix" -path '*-packages/zuvexa' -type d)")
(cd "$site" && expect "mean power -6.02 dBFS" "the Python package" clean "$sim" python3 -B -c \
  "import runpy; runpy.run_path('$source/examples/python/fetch_record.py', run_name='__main__')")

# The SoapySDR module, when the build made one, loads from the prefix.
modules=$(find "$prefix" -path '*/SoapySDR/modules*' -type d)
if [ -n "$modules" ]; then
  expect "Channels: 1 Rx" "the SoapySDR module" clean "$sim" SOAPY_SDR_PLUGIN_PATH="$modules" \
    SoapySDRUtil --probe="driver=zuvexa,simulate=1"
fi

leftovers=$(cd "$layers" && find ./*.upper -mindepth 1)
[ -z "$leftovers" ] || fail "written outside the prefix:
$leftovers"

# A shared directory, where other products keep their error files, comes first.
shared=$stage/shared/mierrors/zuVEXA/German
mkdir -p "$shared" /etc/kelmar/share
printf '<?xml version="1.0">\n<zudocument>\n<zuerror code="0xBFFA0060">\nshared text\n</zuerror>\n</zudocument>\n' \
  >"$shared/other.err"
echo "$stage/shared" >/etc/kelmar/share/share.dir
expect "shared text" "the shared directory first" clean "$prefix/bin/zuvexa" error 0xBFFA0060 --lang de
echo "the prefix install stays in its prefix and works from it"
