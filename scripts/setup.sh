#!/usr/bin/env bash
# Installs what the build and the tests need (Debian packages only), fetches
# the embedded third-party sources, configures and builds libzuvexa.
#
#   scripts/setup.sh              build what a user runs (the library, the
#                                 stand-ins, zuvexa-iq, zuvexa, the SoapySDR
#                                 module, the Python package, the C example),
#                                 then run the main job, zuvexa-iq
#   scripts/setup.sh --test       build, then run every test the way CI does:
#                                   1. every C and C++ file as .clang-format
#                                      lays it out (no build)
#                                   2. plain build, whole suite      (build/)
#                                   3. AddressSanitizer + UndefinedBehavior-
#                                      Sanitizer, whole suite        (build-asan/)
#                                   4. ThreadSanitizer, concurrency tests
#                                                                    (build-tsan/)
#                                   5. every fuzz target over its seeds and a
#                                      few seconds of fuzzing (clang, build-fuzz/)
#                                   6. the scripts of scripts/ from a fresh
#                                      clone of the committed tree, also after
#                                      a failed configure, and the README's
#                                      commands after this set-up
#                                      (build-fresh-clone/)
#                                   7. the install into a prefix in a mount
#                                      namespace (nothing outside it), the
#                                      Debian packages under lintian and in a
#                                      disposable Debian root (build-deb/)
#                                   8. the SoapySDR module and SigMF recordings
#                                      with SoapySDRUtil, SoapySDR's Python
#                                      binding, GNU Radio, SoapyRemote and
#                                      CubicSDR (build/, CubicSDR screenshot)
#                                   9. the front panel in headless Chromium,
#                                      screenshots in build/panel-*screenshot.png
#                                  10. the manual (scripts/docs.sh), warnings
#                                      as errors, links checked (build/docs/html)
#   scripts/setup.sh --test --only plain,tsan
#                                 the named stages only
#   scripts/setup.sh --sanitize   the main job in the AddressSanitizer build;
#                                 with --test, the asan and tsan stages
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/lib/common.sh"

mode=run
sanitize=0
stages=format,plain,asan,tsan,fuzz,scripts,install,sdr,panel,docs
build_output=show

parse_options "$@"
set -- "${args[@]}"
while [ $# -gt 0 ]; do
  case "$1" in
    --test) mode=test ;;
    --sanitize) sanitize=1; stages=asan,tsan ;;
    --only) [ $# -ge 2 ] || usage 2; stages="$2"; shift ;;
    *) echo "unknown option: $1" >&2; exit 2 ;;
  esac
  shift
done

run_tests() { # run_tests <dir> [ctest options...]
  local dir="$1"; shift
  ctest --test-dir "$dir" --output-on-failure --timeout 300 -j "$jobs" "$@"
}

# Sanitizer findings end the test program with a report; leaks are findings.
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1

# Each stage chains its steps with &&: it runs under `if`, where set -e does
# not stop at a failed step.
stage_format() {
  "$root/scripts/check-format.sh"
}
stage_plain() {
  configure_and_build "$root/build" -DZUVEXA_BUILD_TESTS=ON && run_tests "$root/build"
}
stage_asan() {
  configure_and_build "$root/build-asan" -DZUVEXA_BUILD_TESTS=ON -DZUVEXA_SANITIZE=address &&
    run_tests "$root/build-asan"
}
stage_tsan() { # the concurrency test programs only
  configure_and_build "$root/build-tsan" -DZUVEXA_SANITIZE=thread -- concurrency_tests &&
    run_tests "$root/build-tsan" -L concurrency
}
stage_fuzz() {
  "$root/scripts/fuzz.sh" "${script_options[@]}" --all 5
}
stage_scripts() {
  "$root/tests/scripts/fresh_clone.sh" "${script_options[@]}"
}
stage_install() { # needs root: mount namespaces, overlays, chroot
  configure_and_build "$root/build" -DZUVEXA_BUILD_TESTS=ON &&
    "$root/tests/e2e/install/install_test.sh" "$root/build" "$root" &&
    "$root/scripts/make-deb.sh" "${script_options[@]}" --manual &&
    "$root/tests/e2e/packaging/packaging_test.sh" "$root" "$root/build-deb" "$root/build/disposable-root"
}
stage_sdr() { # clients of the module from Debian, on the plain build's simulated analyzer
  configure_and_build "$root/build" -DZUVEXA_BUILD_TESTS=ON -- zuvexaSupport zuvexa-cli zuvexa_python &&
    "$root/soapy/checks/run.sh" "$root/build"
}
stage_panel() { # Debian's python3, where python3-selenium is
  configure_and_build "$root/build" -DZUVEXA_BUILD_TESTS=ON -- zuvexa-cli &&
    PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 "$root/tests/e2e/panel/browser_test.py" "$root/build" "$root/build/panel-screenshot.png" &&
    PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 "$root/tests/e2e/simulator/panel_scene_test.py" "$root/build" "$root/build/panel-scene-screenshot.png"
}
stage_docs() {
  "$root/scripts/docs.sh" "${script_options[@]}"
}

declare -A stage_titles=(
  [format]="the sources as .clang-format lays them out"
  [plain]="plain build, whole test suite (build/)"
  [asan]="AddressSanitizer + UndefinedBehaviorSanitizer build, whole test suite (build-asan/)"
  [tsan]="ThreadSanitizer build, concurrency tests (build-tsan/)"
  [fuzz]="libFuzzer targets, seeds and 5 s of fuzzing each (clang, build-fuzz/)"
  [scripts]="the scripts and the README's commands from a fresh clone, also after a failed configure (build-fresh-clone/)"
  [install]="prefix install in a mount namespace; Debian packages: lintian, a disposable root (build-deb/)"
  [sdr]="SoapySDR module and SigMF with SoapySDRUtil, Python SoapySDR, GNU Radio, SoapyRemote and CubicSDR (build/)"
  [panel]="the front panel in headless Chromium, screenshots saved (build/panel-screenshot.png, build/panel-scene-screenshot.png)"
  [docs]="the manual with warnings as errors and its links checked (build/docs/html)"
)

run_stages() {
  local names total=0 index=0 summary="" start seconds stage
  IFS=, read -r -a names <<<"$stages"
  for stage in "${names[@]}"; do
    [ -n "${stage_titles[$stage]:-}" ] || { echo "unknown stage: $stage" >&2; exit 2; }
  done
  for stage in "${names[@]}"; do
    index=$((index + 1))
    echo "== [$index/${#names[@]}] $stage: ${stage_titles[$stage]}"
    start=$SECONDS
    if ! "stage_$stage"; then
      echo "== [$index/${#names[@]}] $stage FAILED after $((SECONDS - start)) s" >&2
      exit 1
    fi
    seconds=$((SECONDS - start))
    total=$((total + seconds))
    summary+=" $stage ${seconds}s"
    echo "== [$index/${#names[@]}] $stage passed in ${seconds} s"
  done
  echo "== all stages passed in $((total / 60)) min $((total % 60)) s:$summary"
}

script_options=(-j "$jobs")
[ "$install" -eq 1 ] || script_options+=(--no-install)

if [ "$mode" = test ]; then
  prepare tests bench fuzz deb install sdr browser docs
  # The fresh clone of stage 5 lies inside the checkout: with paths taken
  # relative to it, its compiles are the earlier stages' in ccache.
  export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
  run_stages
  exit 0
fi

# What the README's commands for users run; the library and the stand-ins
# come as their dependencies. Neither the tests nor the benchmarks.
user_targets=(zuvexa-iq zuvexa-cli zuvexaSupport zuvexa_python fetch_record)
prepare programs
if [ "$sanitize" -eq 1 ]; then # the main job only
  configure_and_build "$root/build-asan" -DZUVEXA_SANITIZE=address -- zuvexa-iq
  bin="$root/build-asan/bin"
else
  configure_and_build "$root/build" -- "${user_targets[@]}"
  bin="$root/build/bin"
fi

# The platform components are the stand-ins built beside the library.
lib="$(dirname "$bin")/lib"
echo "== main job: zuvexa-iq"
LD_LIBRARY_PATH="$lib:$lib/buildtree:$lib/modules:$lib/sysapi${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}" \
  ZUVEXA_SYSAPI_CONFIG="$root/tools/demo/sysapi.conf" "$bin/zuvexa-iq"
