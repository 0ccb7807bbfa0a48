#!/usr/bin/env bash
# The module served by SoapySDRServer on loopback and read through
# SoapyRemote (driver=remote) by SoapySDRUtil and the Python binding.
# Runs in private mount and network namespaces with a D-Bus system bus and an
# avahi-daemon of its own (a tmpfs over /run holds their sockets and pid
# files), so it neither needs nor touches the machine's daemons. The server
# (Debian's 0.5.2) exits at start without avahi, whose mDNS announcement is
# how --find discovers it; clients given a tcp:// address need no avahi.
# Skips, saying why, only where a program it needs is missing or namespaces
# are refused.
#
#   soapy/checks/remote.sh        (from run.sh, whose environment it uses)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
skip() { echo "SKIP: SoapyRemote check: $*"; exit 0; }

if [ "${1:-}" != --inside ]; then
  for need in SoapySDRServer:soapyremote-server dbus-daemon:dbus-daemon avahi-daemon:avahi-daemon \
    unshare:util-linux ip:iproute2; do
    command -v "${need%%:*}" >/dev/null || skip "no ${need%%:*} (Debian package ${need#*:})"
  done
  [[ $(SoapySDRUtil --info 2>&1) == *"Available factories"*remote* ]] ||
    skip "no SoapyRemote client module (Debian package soapysdr0.8-module-remote)"
  unshare --mount --net true 2>/dev/null || skip "private namespaces refused (unshare needs root)"
  exec unshare --mount --net --propagation private "$0" --inside
fi

check=SoapyRemote
# shellcheck source-path=SCRIPTDIR source=programs.sh
. "$here/programs.sh"
start() { # start NAME COMMAND...: in the background, output in $work/NAME.log
  local name=$1; shift
  "$@" >"$work/$name.log" 2>&1 &
  pids+=($!)
}

mount -n -t tmpfs zuvexa-run /run # -n: nothing recorded in the machine's /run/mount
mkdir /run/dbus /run/avahi-daemon
ip link set lo up

cat >"$work/bus.conf" <<'EOF'
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=/run/dbus/system_bus_socket</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_destination="*"/>
    <allow receive_sender="*"/>
  </policy>
</busconfig>
EOF
cat >"$work/avahi.conf" <<'EOF'
[server]
host-name=zuvexa-check
use-ipv4=yes
use-ipv6=no
allow-interfaces=lo
[wide-area]
enable-wide-area=no
[publish]
publish-workstation=no
EOF

start dbus dbus-daemon --config-file="$work/bus.conf" --nofork --nopidfile
wait_for 10 "D-Bus system bus" test -S /run/dbus/system_bus_socket
start avahi avahi-daemon -f "$work/avahi.conf" --no-drop-root --no-chroot --no-rlimits
wait_for 10 "avahi-daemon startup" grep -q "Server startup complete" "$work/avahi.log"
url=tcp://127.0.0.1:55132
start server env SOAPY_SDR_LOG_LEVEL=DEBUG SoapySDRServer --bind="$url"
wait_for 10 "mDNS announcement of the server" grep -q "Avahi group established" "$work/server.log"

expect() { # expect NAME PATTERN...: every pattern is in $work/NAME.out
  local name=$1 pattern; shift
  for pattern in "$@"; do
    grep -qF -- "$pattern" "$work/$name.out" || { cat "$work/$name.out" >&2; fail "$name: no \"$pattern\""; }
  done
  echo "SoapyRemote $name: ok"
}
SOAPY_SDR_LOG_LEVEL=DEBUG SoapySDRUtil --find="driver=remote" >"$work/find.out" 2>&1 || true
expect find "SoapyMDNS discovered $url" "remote = $url" "remote:driver = zuvexa" "resource = Analyzer1"
args="driver=remote,remote=$url,remote:driver=zuvexa,simulate=1"
SoapySDRUtil --probe="$args" >"$work/probe.out" 2>&1 || true
expect probe "Channels: 1 Rx, 0 Tx" "Stream formats: CF64, CF32, CS16" "Full gain range: [0, 100, 1] dB" \
  "Device Temperature"
SOAPY_SDR_LOG_LEVEL=WARNING timeout 60 /usr/bin/python3 "$here/remote.py" "$args" || fail "the Python binding's reads (status $?)"
status=0
timeout -s INT 3 SoapySDRUtil --rate=5e6 --direction=RX --args="$args" >"$work/rate.out" 2>&1 || status=$?
[ "$status" -eq 0 ] || [ "$status" -eq 124 ] || { cat "$work/rate.out" >&2; fail "rate: exit status $status"; }
expect rate "Begin RX rate test at 5 Msps" "Msps"
kill -0 "${pids[2]}" 2>/dev/null || fail "SoapySDRServer ended"
SoapySDRUtil --probe="$args" >"$work/again.out" 2>&1 || true # the server still serves
expect again "Channels: 1 Rx, 0 Tx"
