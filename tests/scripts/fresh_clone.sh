#!/usr/bin/env bash
# The scripts of scripts/ as the first commands in a fresh clone of the
# committed tree (build-fresh-clone/): each fetches, installs and builds what
# it needs. First scripts/setup.sh, right after which the README's commands
# for users must pass. Then each script runs into a configure made to fail in
# a half-configured folder: it must fail loudly, and the next run must recover.
#
#   tests/scripts/fresh_clone.sh [-j N] [--no-install]
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
. "$root/scripts/lib/common.sh"
parse_options "$@"
[ ${#args[@]} -eq 0 ] || usage 2
options=(-j "$jobs")
[ "$install" -eq 1 ] || options+=(--no-install)

# Inside the checkout: with paths taken relative to it, the clone's compiles
# are those of the checkout's own builds for ccache.
clone=$root/build-fresh-clone
export CCACHE_BASEDIR=$root CCACHE_NOHASHDIR=1

output=""
fail() { tail -n 40 <<<"$output" >&2; echo "fresh clone: FAILED: $* (clone kept in $clone)" >&2; exit 1; }

in_clone() { # in_clone COMMAND...: output in $output, the command's status
  local start=$SECONDS status=0
  output=$(cd "$clone" && "$@" 2>&1) || status=$?
  echo "-- [$((SECONDS - start)) s, status $status] $*"
  return "$status"
}

passes() { # passes PATTERN COMMAND...
  local pattern=$1
  shift
  in_clone "$@" || fail "$* failed"
  printed "$pattern"
}

printed() { # printed PATTERN...: each in the output of the last command
  local pattern
  for pattern in "$@"; do grep -qE -- "$pattern" <<<"$output" || fail "no line matching '$pattern'"; done
}

# Each script with the folder it builds in, the cheapest run and what that
# run prints.
scripts=(
  "build-fuzz|json_parse: [0-9]+ executions, no finding|scripts/fuzz.sh ${options[*]} json_parse 2"
  "build|soak: 200 of 200 operations|scripts/soak.sh ${options[*]} 200 60"
  "build-bench|^forwarded zuVEXA_Commit, 1 thread +[0-9.]+ ns|scripts/bench.sh ${options[*]} --benchmark_filter=^ForwardedCall/"
)

load() { # load ENTRY: sets folder, expected and command
  IFS='|' read -r folder expected line <<<"$1" && read -r -a command <<<"$line"
}

# The checkout may belong to another user (a CI runner's): git reads it
# only when told that it is safe, in the clone's upload-pack too.
trusted=(git -c safe.directory="$root" -c safe.directory="$root/.git")
rm -rf "$clone"
"${trusted[@]}" clone --quiet --no-checkout -u "${trusted[*]} upload-pack" "$root" "$clone"
git -C "$clone" checkout --quiet --detach "$("${trusted[@]}" -C "$root" rev-parse HEAD)"
export TMPDIR=$clone/.tmp # the logs of the failures below go with the clone
mkdir "$TMPDIR"
[ -z "$("${trusted[@]}" -C "$root" status --porcelain --untracked-files=no)" ] ||
  echo "fresh clone: note: the uncommitted changes of $root are not in the clone"

say "fresh clone: set-up, then the README's commands"
passes '^tone +\+100\.000 kHz' scripts/setup.sh "${options[@]}"
in_clone tests/scripts/readme_commands.sh || fail "the README's commands for users: $(tail -n 1 <<<"$output")"
# A command that drifted from the programs fails: an option or a program that
# is not there, appended to the README.
for drift in "build/bin/zuvexa models --no-such-option" "build/bin/no-such-program --help"; do
  # shellcheck disable=SC2016 # Markdown fences
  printf '%s\n<!-- user-commands -->\n```sh\n%s\n```\n' "$(cat "$clone/README.md")" "$drift" >"$TMPDIR/README.md"
  ! in_clone tests/scripts/readme_commands.sh "$TMPDIR/README.md" || fail "a README with '$drift' passed"
  printed "^README command failed \(status [0-9]+\): $drift\$"
done

say "fresh clone: first runs"
passes '^json_parse$' scripts/fuzz.sh --list
for entry in "${scripts[@]}"; do
  load "$entry"
  passes "$expected" "${command[@]}"
done
passes '^  -j N, -jN' scripts/make-deb.sh -j2 --help

say "fresh clone: a failed configure, then the next run"
for entry in "${scripts[@]}"; do
  load "$entry"
  rm "$clone/$folder/Makefile" # as an interrupted configure leaves it
  ! in_clone env ZUVEXA_CMAKE_OPTIONS=-DZUVEXA_SANITIZE=bogus "${command[@]}" || fail "a failed configure passed"
  printed "$folder: no complete configure" "configure of $folder FAILED" "Unknown ZUVEXA_SANITIZE value 'bogus'"
  passes "$expected" "${command[@]}"
  printed "$folder: no complete configure"
done

# A cache written for another source folder: the configure fails in a folder
# that was complete.
load "${scripts[0]}"
sed -i 's|^CMAKE_HOME_DIRECTORY:INTERNAL=.*|&/elsewhere|' "$clone/$folder/CMakeCache.txt"
! in_clone "${command[@]}" || fail "a configure against a foreign cache passed"
printed "configure of $folder FAILED" "does not match the source"
passes "$expected" "${command[@]}"
printed "$folder: no complete configure"

rm -rf "$clone"
say "fresh clone: all scripts passed"
