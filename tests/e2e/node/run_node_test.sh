#!/usr/bin/env bash
# run_node_test.sh SOURCE_FOLDER MODULES_FOLDER SERVER_PROGRAM PROTO WORK_FOLDER
# Installs the pinned Node modules of package-lock.json into MODULES_FOLDER
# (in the build folder; again only when the lock file changed), then runs
# node_client_test.js against the server. Exits 77 (skipped) with the reason
# when node or npm is missing or the modules cannot be installed.
set -euo pipefail
source=$1 modules=$2 server=$3 proto=$4 work=$5
skip() { echo "SKIPPED: $*"; exit 77; }

command -v node >/dev/null || skip "no node (Debian package nodejs)"
command -v npm >/dev/null || skip "no npm (Debian package npm, unless the installed nodejs ships it)"
mkdir -p "$modules" "$work"
if ! cmp -s "$source/package-lock.json" "$modules/installed-lock.json"; then
  cp "$source/package.json" "$source/package-lock.json" "$modules/"
  npm ci --prefix "$modules" --ignore-scripts --no-audit --no-fund >"$modules/npm.log" 2>&1 ||
    { tail -n 5 "$modules/npm.log"; skip "npm ci could not install the modules (log above)"; }
  cp "$source/package-lock.json" "$modules/installed-lock.json"
fi
NODE_PATH=$modules/node_modules exec node "$source/node_client_test.js" "$server" "$proto" "$work"
