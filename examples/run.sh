#!/usr/bin/env bash
# Runs the examples of a build against the simulated analyzers of the demo
# system configuration and compares what each prints with the output the
# manual shows, examples/NAME.expected; a difference fails with a diff.
#
#   examples/run.sh BUILD [NAME...]     NAME: c/read_spectrum, python/fetch_record, ...
#
# Without names it runs every example that has an .expected file. The C
# examples are BUILD/bin/NAME; the Python ones run with $ZUVEXA_PYTHON3
# (default python3) on the package the build writes.
set -euo pipefail
[ $# -ge 1 ] || {
  echo "usage: $0 BUILD [NAME...]" >&2
  exit 2
}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "$1" && pwd)
shift
if [ $# -eq 0 ]; then
  set -- $(cd "$here" && ls c/*.expected python/*.expected | sed 's/\.expected$//')
fi

export LD_LIBRARY_PATH=$build/lib:$build/lib/buildtree:$build/lib/modules:$build/lib/sysapi
export ZUVEXA_SYSAPI_CONFIG=$here/../tools/demo/sysapi.conf
export PYTHONPATH=$build/python PYTHONDONTWRITEBYTECODE=1 ZUVEXA_LIBRARY=$build/lib/libzuvexa.so.0

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
for name in "$@"; do
  case $name in
    c/*) command=("$build/bin/${name#c/}") ;;
    python/*) command=("${ZUVEXA_PYTHON3:-python3}" "$here/$name.py") ;;
    *) echo "unknown example: $name" >&2 && exit 2 ;;
  esac
  if ! (cd "$work" && "${command[@]}") >"$work/out" 2>"$work/err"; then
    echo "example $name failed:" >&2
    cat "$work/err" >&2
    failed=1
  elif ! diff -u --label "$name.expected" --label "$name prints" "$here/$name.expected" "$work/out" >&2; then
    echo "example $name prints other output than $name.expected shows" >&2
    failed=1
  else
    echo "example $name: as expected"
  fi
done
exit "$failed"
