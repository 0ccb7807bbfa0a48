#!/usr/bin/env bash
# packaging_test.sh BUILD VERSION: builds the .deb files of BUILD into a
# temporary folder and checks their contents and dependencies.
set -euo pipefail
build=$1 version=$2
out=$(mktemp -d "${TMPDIR:-/tmp}/zuvexa-deb-XXXXXX")
trap 'rm -rf "$out"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; fail cpack; }
deb() { ls "$out"/"$1"_*.deb 2>/dev/null | head -1; }
field() { dpkg-deb -f "$(deb "$1")" "$2"; }
files() { dpkg-deb -c "$(deb "$1")" | awk '{print $6}'; }
holds() { files "$1" | grep -q -- "$2" || fail "$1 lacks $2"; }
lacks() { ! files "$1" | grep -q -- "$2" || fail "$1 holds $2"; }

for package in libzuvexa0 libzuvexa-dev zuvexa-tools python3-zuvexa zuvexa-sim; do
  [ -n "$(deb $package)" ] || fail "no package $package"
  [ "$(field $package Version)" = "$version" ] || fail "$package has version $(field $package Version)"
done

for part in '/libzuvexa\.so\.0$' "/libzuvexa\.so\.$version$"; do holds libzuvexa0 "$part"; done
lacks libzuvexa0 '/libzuvexa\.so$'
for standin in libivi libzusysapi libzuvexaka libzuvexatov libzuvexa_backend_sim; do
  lacks libzuvexa0 "/$standin"
  lacks libzuvexa-dev "/$standin"
done
depends=$(field libzuvexa0 Depends)
for needed in 'libc6 (>=' 'libstdc++6 (>=' libivi2; do
  grep -qF -- "$needed" <<<"$depends" || fail "libzuvexa0 does not depend on $needed: $depends"
done

for part in '/include/zuVEXA\.h$' '/libzuvexa\.so$' '/pkgconfig/zuvexa\.pc$' '/cmake/zuvexa/zuvexaConfig\.cmake$'; do
  holds libzuvexa-dev "$part"
done

holds zuvexa-tools '/bin/zuvexa$'
for package in libzuvexa-dev zuvexa-tools; do
  grep -qF "libzuvexa0 (= $version)" <<<"$(field $package Depends)" || fail "$package needs libzuvexa0"
done
holds python3-zuvexa '/zuvexa/_session\.py$'
[ "$(field python3-zuvexa Architecture)" = all ] || fail "python3-zuvexa is architecture-dependent"
for needed in python3-numpy "libzuvexa0 (= $version)"; do
  grep -qF -- "$needed" <<<"$(field python3-zuvexa Depends)" || fail "python3-zuvexa does not depend on $needed"
done

for part in '/libivi\.so\.2$' '/libzuvexatov\.so$' '/zuvexa-sim/sysapi\.conf$' '/profile\.d/zuvexa-sim\.sh$'; do
  holds zuvexa-sim "$part"
done
dpkg-deb -I "$(deb python3-zuvexa)" prerm | grep -q py3clean || fail "python3-zuvexa leaves compiled modules behind"
[ "$(field zuvexa-sim Provides)" = libivi2 ] || fail "zuvexa-sim does not provide libivi2"
echo "packages hold their parts and name their dependencies"
