#!/usr/bin/env bash
# Builds the HTML manual from a build tree in which the library, the zuvexa
# command and the Python package are built (CMake's `docs` target runs it):
#
#   docs/build-manual.sh ROOT BUILD [VERSION]
#
# The examples the guides show run first and must print the output the guides
# show (examples/run.sh). Doxygen reads the public headers (every undocumented name, parameter or
# return value is an error), Sphinx writes BUILD/docs/html with warnings as
# errors and every reference resolved (-n), and check_links.py checks every
# link between the pages. The manual replaces BUILD/docs/html only when all
# of them succeed.
set -euo pipefail
[ $# -ge 2 ] || {
  echo "usage: $0 ROOT BUILD [VERSION]" >&2
  exit 2
}
root=$(cd "$1" && pwd)
build=$(cd "$2" && pwd)
out=$build/docs

"$root/examples/run.sh" "$build"

mkdir -p "$out/doxygen"
sed -e "s|@ROOT@|$root|g" -e "s|@OUT@|$out/doxygen|g" "$root/docs/Doxyfile.in" >"$out/Doxyfile"
if ! doxygen "$out/Doxyfile"; then
  echo "build-manual.sh: doxygen reports:" >&2
  cat "$out/doxygen/warnings.log" >&2
  exit 1
fi

rm -rf "$out/html.new"
ZUVEXA_BUILD_DIR=$build ZUVEXA_DOXYGEN_XML=$out/doxygen/xml ZUVEXA_VERSION=${3:-} PYTHONDONTWRITEBYTECODE=1 \
  sphinx-build -E -q -W --keep-going -n -b html -d "$out/doctrees" "$root/docs" "$out/html.new"
python3 "$root/docs/check_links.py" "$out/html.new"
# The generated pages hold what they are generated from: the statuses'
# symbolic names and the command's options.
for page_and_text in "statuses.html:ZUVEXA_ERROR_INVALID_SESSION" "command.html:--carrier"; do
  grep -q -- "${page_and_text#*:}" "$out/html.new/${page_and_text%%:*}" || {
    echo "build-manual.sh: ${page_and_text%%:*} lacks ${page_and_text#*:}" >&2
    exit 1
  }
done
rm -rf "$out/html"
mv "$out/html.new" "$out/html"
echo "manual: $out/html/index.html"
