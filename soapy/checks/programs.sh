# Sourced by the checks that start programs of their own (remote.sh,
# cubicsdr.sh), with `check` set to the check's name: a work folder, the
# programs' PIDs in `pids`, and on exit the programs stopped, the logs of a
# failure shown and the folder removed.
# shellcheck shell=bash
: "${check:?set check to the name of the check before sourcing programs.sh}"
work=$(mktemp -d)
pids=()
finish() {
  local status=$?
  [ "${#pids[@]}" -eq 0 ] || kill "${pids[@]}" 2>/dev/null || true
  wait || true
  [ "$status" -eq 0 ] || tail -n 20 "$work"/*.log >&2 || true
  rm -rf "$work"
  exit "$status"
}
trap finish EXIT
fail() { echo "$check check: $*" >&2; exit 1; }
alive() { true; } # a check may redefine it: false ends a wait at once
wait_for() { # wait_for SECONDS WHAT COMMAND...: polls COMMAND
  local tries=$(($1 * 10)) what=$2
  shift 2
  while ((tries-- > 0)); do
    "$@" >/dev/null 2>&1 && return 0
    alive || fail "$check ended while waiting for $what"
    sleep 0.1
  done
  fail "no $what after $1 s"
}
