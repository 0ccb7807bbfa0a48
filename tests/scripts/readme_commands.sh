#!/usr/bin/env bash
# Runs the README's commands for users from the current folder, the top of a
# checkout after scripts/setup.sh; stops at the first that fails, with its
# output and status.
#
#   tests/scripts/readme_commands.sh [README]
#
# They are the fenced blocks below a `<!-- user-commands -->` line: in a
# `text` block (a transcript) the lines after a `$ ` prompt, in others every
# line but comments, with `\` continuations joined. Commands that need a
# terminal or run until stopped belong in unmarked blocks.
set -euo pipefail

readme=${1:-README.md}
commands=$(awk '/^<!-- user-commands -->$/ { marked = 1; next }
  marked && /^```/ { marked = 0; block = 1; transcript = /^```text/; next }
  block && /^```/ { block = 0; next }
  !block || /^[[:space:]]*(#|$)/ || (transcript && !/^\$ /) { next }
  { line = transcript ? substr($0, 3) : $0 }
  /\\$/ { pending = pending substr(line, 1, length(line) - 1); next }
  { print pending line; pending = "" }' "$readme")
[ -n "$commands" ] || {
  echo "no <!-- user-commands --> block in $readme" >&2
  exit 1
}

# One shell runs them in turn, so that an `export` holds for the commands
# after it.
# shellcheck disable=SC2016 # expanded by that shell
runner='while IFS= read -r command; do
  echo "\$ $command"
  eval "$command" </dev/null >"$HOME/command.log" 2>&1 ||
    { status=$?; cat "$HOME/command.log"; echo "README command failed (status $status): $command"; exit 1; }
done <<<"$1"'

# A fresh Debian login's PATH (not the caller's: Debian's python3 is the one
# with numpy), no other environment but what the README sets, no terminal, a
# home of its own; five minutes at most.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
status=0
timeout -k 10 300 env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$home" TMPDIR="$home" LANG=C.UTF-8 \
  bash -c "$runner" readme "$commands" || status=$?
[ "$status" -ne 124 ] || echo "README command timed out after 300 s (the last one above)"
exit "$status"
