#!/usr/bin/env bash
# Builds the Debian packages of libzuvexa into build-deb/ (a RelWithDebInfo
# build installed below /usr; its binaries are stripped into the packages and
# their debug symbols go into -dbgsym packages) and shows what each depends on.
#
#   scripts/make-deb.sh           libzuvexa0, libzuvexa-dev, zuvexa-tools,
#                                 python3-zuvexa, zuvexa-sim, zuvexa-server
#                                 (with gRPC) and zuvexa-doc (when build-deb/
#                                 holds the manual), and the -dbgsym packages
#                                 of those with binaries
#   scripts/make-deb.sh --no-sim  the same without the simulation package
#   scripts/make-deb.sh --manual  builds the manual first, for zuvexa-doc
#
# Install with
#   apt-get install ./build-deb/*.deb    (or dpkg -i), remove with
#   dpkg -r python3-zuvexa zuvexa-tools libzuvexa-dev zuvexa-sim libzuvexa0
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/lib/common.sh"
out=$root/build-deb

parse_options "$@"
sim=ON
manual=0
for arg in "${args[@]}"; do
  case "$arg" in
    --no-sim) sim=OFF ;;
    --manual) manual=1 ;;
    *) echo "unknown option: $arg" >&2; usage 2 ;;
  esac
done

groups=(deb)
[ "$manual" -eq 0 ] || groups+=(docs)
prepare "${groups[@]}"
configure_and_build "$out" -DCMAKE_INSTALL_PREFIX=/usr \
  -DZUVEXA_BUILD_TESTS=OFF -DZUVEXA_FULL_DEBUG_INFO=ON -DZUVEXA_INSTALL_SIM=$sim
if [ "$manual" -eq 1 ]; then
  run_logged "the manual" cmake --build "$out" -j "$jobs" --target docs
fi
rm -f "$out"/*.deb "$out"/*.ddeb
(cd "$out" && run_logged "cpack -G DEB" cpack -G DEB)
# Debian ships debug-symbol packages as .deb files.
for ddeb in "$out"/*.ddeb; do
  mv "$ddeb" "${ddeb%.ddeb}.deb"
done
for deb in "$out"/*.deb; do
  echo "== $(basename "$deb")"
  dpkg-deb -f "$deb" Package Version Architecture Depends Provides | sed 's/^/   /'
done
