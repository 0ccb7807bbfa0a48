#!/usr/bin/env bash
# The SoapySDR module checked with clients written
# elsewhere (Debian's SoapySDRUtil, SoapySDR Python binding and GNU Radio),
# on the simulated analyzer of a build tree; SoapySDR finds the module
# through SOAPY_SDR_PLUGIN_PATH, nothing is installed.
#
#   soapy/checks/run.sh BUILD_DIR
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "$1" && pwd)
export LD_LIBRARY_PATH="$build/lib/buildtree:$build/lib:$build/lib/modules:$build/lib/sysapi"
export ZUVEXA_SYSAPI_CONFIG="$root/tools/demo/sysapi.conf"
# The module folder and version the build configured (SoapySDR's ABI names the folder).
cached() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
module_dir=$(cached ZUVEXA_SOAPY_MODULE_DIR)
version=$(cached CMAKE_PROJECT_VERSION)
[ -f "$module_dir/libzuvexaSupport.so" ] || { echo "no SoapySDR module in the build ($module_dir)" >&2; exit 1; }
export SOAPY_SDR_PLUGIN_PATH="$module_dir"
export PYTHONPATH="$build/python" PYTHONDONTWRITEBYTECODE=1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

expect() { # expect NAME PATTERN...: every pattern is in $work/NAME.out
  local name=$1 pattern; shift
  for pattern in "$@"; do
    grep -qF -- "$pattern" "$work/$name.out" || {
      cat "$work/$name.out" >&2
      echo "SoapySDRUtil $name: no \"$pattern\"" >&2
      return 1
    }
  done
  echo "SoapySDRUtil $name: ok"
}

SoapySDRUtil --info >"$work/info.out" 2>&1
grep -qE "^Module found: $module_dir/libzuvexaSupport.so +\($version\)$" "$work/info.out" &&
  grep -qE "^Available factories\.\.\. (.*, )?zuvexa(,|$)" "$work/info.out" &&
  expect info "libzuvexaSupport.so" || { cat "$work/info.out" >&2; echo "SoapySDRUtil info: no module $version" >&2; exit 1; }
SoapySDRUtil --find="driver=zuvexa" >"$work/find.out" 2>&1
expect find "driver = zuvexa" "resource = Analyzer1" "model = Q118" "resource = Analyzer2"
SoapySDRUtil --probe="driver=zuvexa,simulate=1" >"$work/probe.out" 2>&1
expect probe "Channels: 1 Rx, 0 Tx" "Stream formats: CF64, CF32, CS16" "Native format: CF64 [full-scale=1]" \
  "Full gain range: [0, 100, 1] dB" "REF gain range: [0, 100, 1] dB" "Device Temperature" \
  "[key=Number of Samples, units=samples, type=int]" "[key=IQ Carrier Frequency, units=Hz, type=float, range=[" \
  "[key=recordSize, units=samples, default=65536, type=int]"
# The rate test streams until interrupted: three seconds of it.
status=0
timeout -s INT 3 SoapySDRUtil --rate=10e6 --direction=RX --args="driver=zuvexa,simulate=1" \
  >"$work/rate.out" 2>&1 || status=$?
[ "$status" -eq 0 ] || [ "$status" -eq 124 ] || { cat "$work/rate.out" >&2; exit 1; }
expect rate "Begin RX rate test at 10 Msps" "Msps"
# readStreamStatus, polled every second, reports no overflow either.
if grep -qE "Error|[Oo]verflow|O{3}" "$work/rate.out"; then cat "$work/rate.out" >&2; exit 1; fi

/usr/bin/python3 "$here/clients.py" binding
/usr/bin/python3 "$here/clients.py" gnuradio
"$here/remote.sh"
"$here/cubicsdr.sh" "$build"
