#!/usr/bin/env bash
# packaging_test.sh SOURCE DEBS CACHE: lintian over the .deb files in DEBS
# (any error or warning fails; an override needs a comment line above it),
# then the packages installed into a disposable minimal Debian root (a
# tarball made once by mmdebstrap and kept in CACHE): the commands, the C
# example built with pkg-config, the Python example and the SoapySDR module
# (when packaged) run there, and purging the packages must leave the root as
# it was. zuvexa-server's unit must be installed disabled, its token made
# (and one the administrator wrote kept, also on purge), and its ExecStart
# line, run with the options file as an administrator would set it, must
# answer a client's call. The manual's package, when built, must link
# Debian's JavaScript libraries and register with doc-base. When Debian's mirror cannot be reached to make the root, that part
# is skipped with a notice.
# Needs root (chroot, mounts).
set -euo pipefail
source=$(realpath "$1") debs=$(realpath "$2") cache=$3
fail() { echo "FAILED: $*" >&2; exit 1; }
mirror=http://deb.debian.org/debian
root_packages=gcc,libc6-dev,pkg-config,python3,python3-numpy,libstdc++6
packages=(libzuvexa0 libzuvexa-dev zuvexa-tools python3-zuvexa zuvexa-sim zuvexa-server)

mapfile -t files < <(ls "$debs"/*.deb)
[ ${#files[@]} -ge ${#packages[@]} ] || fail "too few packages in $debs"
lintian --fail-on error,warning "${files[@]}" || fail "lintian"
awk 'FNR == 1 { reason = 0 } /^#/ { reason = 1; next } NF && !reason { print FILENAME ": " $0; bad = 1 }
     { reason = 0 } END { exit bad }' /dev/null $(find "$source/packaging/debian" -name '*.lintian-overrides') ||
  fail "an override without its reason"
dpkg-deb -I "$debs"/libzuvexa0_*.deb shlibs | grep -q "libzuvexa0 (>= " || fail "shlibs pin one version"
# share.dir is machine-wide: it would move every other product's shared directory.
for file in "${files[@]}"; do
  ! dpkg-deb -c "$file" | grep -q 'share\.dir' || fail "$file ships a share.dir"
done

# The disposable root, made once, with what our packages need from Debian.
ours=$(for file in "${files[@]}"; do dpkg-deb -f "$file" Package; dpkg-deb -f "$file" Provides; done |
  sed 's/ (.*//' | sort -u)
needed=$(for file in "${files[@]}"; do dpkg-deb -f "$file" Depends; done | tr ',' '\n' |
  sed 's/(.*//; s/|.*//; s/[[:space:]]//g' | grep -v -x -F "$ours" | sort -u | paste -sd,)
root_packages+=${needed:+,$needed}
# The SoapySDR module's package, when built, is probed with SoapySDR's own tool.
if ls "$debs"/soapysdr*-module-zuvexa_*.deb >/dev/null 2>&1; then
  root_packages+=,soapysdr-tools
fi
mkdir -p "$cache"
tarball=$cache/bookworm-$(md5sum <<<"$root_packages" | cut -c1-8).tar
partial=${tarball%.tar}.partial.tar
if [ ! -s "$tarball" ]; then
  if ! mmdebstrap --quiet --variant=minbase --include="$root_packages" bookworm "$partial" "$mirror" \
      >"$cache/mmdebstrap.log" 2>&1; then
    rm -f "$partial"
    if ! python3 -c "import urllib.request; urllib.request.urlopen('$mirror/dists/bookworm/Release', timeout=20)" \
        2>/dev/null; then
      echo "SKIPPED the disposable Debian root: $mirror cannot be reached"
      exit 0
    fi
    cat "$cache/mmdebstrap.log" >&2
    fail "mmdebstrap"
  fi
  mv "$partial" "$tarball"
fi

stage=$(mktemp -d "${TMPDIR:-/tmp}/zuvexa-debroot-XXXXXX")
trap 'rm -rf "$stage"' EXIT
root=$stage/root
mkdir "$root" && tar -xf "$tarball" -C "$root"
# Every path but the package manager's own records and the scratch folders.
snapshot() {
  (cd "$root" && find . -xdev \( -path ./var/lib/dpkg -o -path ./var/log -o -path ./var/cache/ldconfig \
    -o -path ./tmp -o -path ./proc -o -path ./dev \) -prune -o -print | sort)
}
snapshot >"$stage/before"
mkdir "$root/tmp/work"
cp "${files[@]}" "$source/examples/c/fetch_record.c" "$source/examples/python/fetch_record.py" "$root/tmp/work/"

cat >"$root/tmp/work/run.sh" <<'SCRIPT'
set -e
cd /tmp/work
phase=$1
expect() { # PATTERN COMMAND: the output of COMMAND (a login shell's) must match
  output=$(sh -lc "$2" 2>&1) || { echo "FAILED: $2: $output"; exit 1; }
  echo "$output" | grep -q -- "$1" || { echo "FAILED: $2: no '$1' in"; echo "$output"; exit 1; }
}
fail() { echo "FAILED: $*"; exit 1; }
token=/etc/zuvexa/token
# The token postinst made, or the administrator's (ADMIN) kept.
check_token() {
  [ "$(stat -c %a "$token")" = 600 ] || fail "$token is not private"
  if [ "$1" = ADMIN ]; then
    [ "$(cat "$token")" = ADMIN ] || fail "postinst replaced the administrator's token"
  else
    grep -q -x '[0-9a-f]\{48\}' "$token" || fail "no token made in $token"
  fi
}

if [ "$phase" = server ]; then # the unit's command line with the options file, as systemd would run it
  sed -i 's/--listen [^ "]*/--listen 127.0.0.1:0/; s/^#ZUVEXA_SYSAPI_CONFIG=/ZUVEXA_SYSAPI_CONFIG=/' /etc/zuvexa/server.conf
  set -a && . /etc/zuvexa/server.conf && set +a
  CREDENTIALS_DIRECTORY=/etc/zuvexa # where systemd would hand over the token (LoadCredential=)
  eval "exec $(sed -n 's/^ExecStart=//p' /lib/systemd/system/zuvexa-server.service)"
fi
if [ "$phase" = purge ]; then
  # The token made at installation leaves with the package; once the
  # administrator has changed it, it stays, through an upgrade and a purge.
  dpkg --purge zuvexa-server-dbgsym zuvexa-server >dpkg.log 2>&1 || { cat dpkg.log; exit 1; }
  [ ! -e /etc/zuvexa ] && [ ! -e /var/lib/zuvexa-server ] || fail "the purge left /etc/zuvexa or its record"
  for step in install upgrade; do
    dpkg -i zuvexa-server_*.deb >dpkg.log 2>&1 || { cat dpkg.log; exit 1; }
    [ $step = upgrade ] || { check_token && echo ADMIN >"$token"; }
  done
  check_token ADMIN
  dpkg --purge $(dpkg-query -W -f '${Package}\n' | grep -E 'zuvexa|dbgsym') >dpkg.log 2>&1 || { cat dpkg.log; exit 1; }
  check_token ADMIN
  rm -r /etc/zuvexa
  exit 0
fi

dpkg -i ./*.deb >dpkg.log 2>&1 || { cat dpkg.log; exit 1; }
expect "module tov .*/lib/x86_64-linux-gnu/zuvexa/libzuvexatov.so" "zuvexa models"
expect "Appareil introuvable" "zuvexa error 0xBFFA0060 --lang fr"
expect "zuVEXA_FetchIQSingleRecordComplexF64" "zuvexa trace fetch --samples 100"
expect "tone          +100.000 kHz" "zuvexa-iq"
expect "mean power -6.02 dBFS" 'cc -o fetch fetch_record.c $(pkg-config --cflags --libs zuvexa) -lm && ./fetch'
expect "mean power -6.02 dBFS" "python3 fetch_record.py"
if ls soapysdr*-module-zuvexa_*.deb >/dev/null 2>&1; then
  expect "Channels: 1 Rx" 'SoapySDRUtil --probe="driver=zuvexa,simulate=1"'
fi
man_pages=$(ls /usr/share/man/man1/zuvexa*.1.gz | wc -l)
[ "$man_pages" -eq 3 ] || fail "$man_pages manual pages"
[ -f /lib/systemd/system/zuvexa-server.service ] || fail "no zuvexa-server.service"
! ls /etc/systemd/system/*/zuvexa-server.service 2>/dev/null || fail "zuvexa-server.service enabled"
check_token
if [ -e zuvexa-doc_*.deb ]; then
  manual=/usr/share/doc/zuvexa-doc/manual
  [ -L $manual/_static/jquery.js ] && [ -L $manual/_static/underscore.js ] || fail "Sphinx's own jquery or underscore"
  for script in $manual/_static/*.js; do [ -e "$script" ] || fail "$script links nowhere"; done
  [ -f "$(sed -n 's/^Index: //p' /usr/share/doc-base/zuvexa-doc)" ] || fail "doc-base's index is missing"
fi
SCRIPT
# The server's call: Debian's python3 with the stubs built beside the packages.
cat >"$stage/call.py" <<'CLIENT'
import sys
import grpc
sys.path.insert(0, sys.argv[3])
import zuvexa_remote_pb2 as pb, zuvexa_remote_pb2_grpc as stubs
analyzer = stubs.AnalyzerStub(grpc.insecure_channel("127.0.0.1:" + sys.argv[1]))
metadata = [("authorization", "Bearer " + open(sys.argv[2]).read().strip())]
opened = analyzer.InitWithOptions(pb.InitWithOptionsRequest(option_string="Simulate=1"), metadata=metadata)
assert opened.status.code == 0, opened.status
closed = analyzer.Close(pb.CloseRequest(vi=opened.new_vi), metadata=metadata)
assert closed.status.code == 0, closed.status
CLIENT
cat >"$stage/in-namespace.sh" <<'SCRIPT'
set -e
root=$1 stage=$2 stubs=$3
mount -t proc proc "$root/proc" && mount --rbind /dev "$root/dev"
chroot "$root" sh /tmp/work/run.sh install
chroot "$root" sh /tmp/work/run.sh server >"$stage/server.log" 2>&1 &
server=$!
for _ in $(seq 100); do
  port=$(sed -n 's/^listening on .*:\([0-9]*\)$/\1/p' "$stage/server.log")
  [ -n "$port" ] || ! kill -0 $server 2>/dev/null || { sleep 0.2; continue; }
  break
done
status=0
[ -n "$port" ] && /usr/bin/python3 "$stage/call.py" "$port" "$root/etc/zuvexa/token" "$stubs" || status=1
kill $server 2>/dev/null && wait $server || status=1
[ $status -eq 0 ] || { echo "FAILED: zuvexa-server's call"; cat "$stage/server.log"; exit 1; }
chroot "$root" sh /tmp/work/run.sh purge
SCRIPT
unshare --mount --propagation private sh "$stage/in-namespace.sh" "$root" "$stage" "$debs/remote/python" ||
  fail "the packages in the disposable root"
snapshot >"$stage/after"
diff "$stage/before" "$stage/after" || fail "the purged packages left the paths above behind"
echo "packages lintian-clean; installed, used and purged in a disposable root"
