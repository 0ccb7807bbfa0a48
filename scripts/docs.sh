#!/usr/bin/env bash
# Builds the HTML manual into build/docs/html (docs/build-manual.sh through
# CMake's `docs` target): the C reference from the header's Doxygen comments,
# the Python reference, the status codes in every shipped language and the
# zuvexa command's help, with warnings as errors and every link inside the
# manual checked. Builds the library, zuvexa and the Python package first.
#
#   scripts/docs.sh              the manual of build/
#   scripts/docs.sh BUILD_DIR    the manual of another build folder
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/lib/common.sh"

parse_options "$@"
[ ${#args[@]} -le 1 ] || usage 2
build=${args[0]:-$root/build}
case $build in /*) ;; *) build=$PWD/$build ;; esac

prepare docs
configure_and_build "$build" -- docs
echo "== manual: ${build#"$root"/}/docs/html/index.html"
