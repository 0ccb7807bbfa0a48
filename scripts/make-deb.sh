#!/usr/bin/env bash
# Builds the Debian packages of libzuvexa into build-deb/ (a Release build
# installed below /usr) and shows what each contains and depends on.
#
#   scripts/make-deb.sh           libzuvexa0, libzuvexa-dev, zuvexa-tools,
#                                 python3-zuvexa, zuvexa-sim
#   scripts/make-deb.sh --no-sim  the same without the simulation package
# Options: -j N (parallel jobs). Install with
#   apt-get install ./build-deb/*.deb    (or dpkg -i), remove with
#   dpkg -r python3-zuvexa zuvexa-tools libzuvexa-dev zuvexa-sim libzuvexa0
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$root/build-deb
sim=ON
jobs=$(nproc 2>/dev/null || echo 2)
while [ $# -gt 0 ]; do
  case "$1" in
    --no-sim) sim=OFF ;;
    -j) jobs="$2"; shift ;;
    -h|--help) sed -n '2,11p' "$0"; exit 0 ;;
    *) echo "unknown option: $1" >&2; exit 2 ;;
  esac
  shift
done

cmake -S "$root" -B "$out" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DZUVEXA_BUILD_TESTS=OFF -DZUVEXA_INSTALL_SIM=$sim >/dev/null
cmake --build "$out" -j "$jobs"
rm -f "$out"/*.deb
if ! (cd "$out" && cpack -G DEB >"$out/cpack.log" 2>&1); then
  cat "$out/cpack.log" >&2
  exit 1
fi
for deb in "$out"/*.deb; do
  echo "== $(basename "$deb")"
  dpkg-deb -f "$deb" Package Version Architecture Depends Provides | sed 's/^/   /'
done
