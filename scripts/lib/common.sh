# Shared by the scripts of scripts/: options, Debian packages, the
# third-party fetch and CMake builds that fail loudly and never leave a
# folder that breaks the next run. Source it with `root` set to the top of
# the checkout.
# shellcheck shell=bash
: "${root:?set root to the top of the checkout before sourcing common.sh}"

jobs=$(nproc 2>/dev/null || echo 2)
install=1
args=()          # what parse_options left to the script
build_output=log # log: build output to a log, its tail on failure; show: live

say() { echo "== $*"; }
die() {
  echo "${0##*/}: error: $*" >&2
  exit 1
}

# The script's leading comment, then the options every script takes.
usage() {
  [ "${1:-0}" -eq 0 ] || exec >&2
  awk 'NR > 1 && /^#/ { sub(/^# ?/, ""); print; next } NR > 1 { exit }' "$0"
  cat <<'EOF'

Options of every script in scripts/:
  -j N, -jN      parallel build jobs (default: the number of processors)
  --no-install   do not install missing Debian packages
  -h, --help     this text
ZUVEXA_CMAKE_OPTIONS (environment): further options for every CMake configure.
EOF
  exit "${1:-0}"
}

# Takes the options above; the other arguments, in order, go to `args`.
parse_options() {
  args=()
  while [ $# -gt 0 ]; do
    case "$1" in
      -j)
        [[ ${2:-} =~ ^[1-9][0-9]*$ ]] || die "-j needs a number of jobs"
        jobs=$2
        shift
        ;;
      -j[0-9]*)
        [[ ${1#-j} =~ ^[1-9][0-9]*$ ]] || die "bad option $1"
        jobs=${1#-j}
        ;;
      --no-install) install=0 ;;
      -h | --help) usage 0 ;;
      *) args+=("$1") ;;
    esac
    shift
  done
}

# Debian packages by purpose; every script needs `build`. `programs`: what
# the programs for users need beyond the library (the Python package, the
# SoapySDR module and SoapySDRUtil to try it), which scripts/setup.sh builds.
declare -A package_groups=(
  [build]="build-essential cmake pkg-config ccache dpkg-dev
           liblua5.1-0-dev lua-cjson-dev lua-cjson lua-filesystem-dev lua-dkjson
           libcpp-httplib-dev libcli11-dev nlohmann-json3-dev python3"
  [programs]="python3 python3-numpy libsoapysdr-dev soapysdr-tools
              libgrpc++-dev libprotobuf-dev protobuf-compiler protobuf-compiler-grpc"
  [tests]="clang-format googletest libgtest-dev libgmock-dev python3 python3-numpy python3-pytest file git
           mypy python3-pip python3-venv python3-setuptools python3-wheel python3-grpcio openssl nodejs"
  [bench]="libbenchmark-dev"
  [fuzz]="clang libclang-rt-14-dev llvm"
  [deb]="python3 file libgrpc++-dev libprotobuf-dev protobuf-compiler protobuf-compiler-grpc"
  [install]="lintian mmdebstrap"
  [sdr]="libsoapysdr-dev soapysdr-tools python3-soapysdr gnuradio python3-numpy
         soapyremote-server soapysdr0.8-module-remote avahi-daemon dbus iproute2
         cubicsdr xvfb xdotool imagemagick"
  [browser]="chromium chromium-driver python3-selenium"
  [docs]="doxygen python3-sphinx python3-breathe python3-numpy"
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null; then
    sudo "$@"
  else
    die "needs root (or sudo) to run: $*"
  fi
}

install_packages() { # install_packages GROUP...
  local group wanted=() missing=()
  for group in "$@"; do
    # shellcheck disable=SC2206 # the groups are word lists
    wanted+=(${package_groups[$group]})
  done
  mapfile -t missing < <(dpkg-query -W -f='${Package} ${db:Status-Status}\n' "${wanted[@]}" 2>/dev/null |
    awk -v wanted="${wanted[*]}" '$2 == "installed" { have[$1] = 1 }
      END { n = split(wanted, names, " "); for (i = 1; i <= n; i++) if (!have[names[i]]) print names[i] }')
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$install" -eq 0 ]; then
    die "missing Debian packages (--no-install): ${missing[*]}"
  fi
  say "installing: ${missing[*]}"
  as_root apt-get update -q || die "apt-get update failed"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}" ||
    die "could not install ${missing[*]}"
}

# The embedded Lua sources (third_party/); quiet when already in place.
fetch_third_party() {
  local output
  if ! output=$("$root/scripts/fetch-third-party.sh" 2>&1); then
    echo "$output" >&2
    die "could not fetch the third-party sources into $root/third_party"
  fi
  case $output in
    *"already present"*) ;;
    *) echo "$output" ;;
  esac
}

prepare() { # prepare GROUP...: the packages of build and the groups, third_party/
  install_packages build "$@"
  fetch_third_party
}

# run_logged LABEL COMMAND...: the command's output goes to a log whose last
# lines are shown when it fails.
run_logged() {
  local label=$1 log status=0
  shift
  log=$(mktemp "${TMPDIR:-/tmp}/zuvexa-build.XXXXXX")
  "$@" >"$log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    echo "== $label FAILED (exit status $status); the last lines of its log:" >&2
    tail -n 30 "$log" >&2
    echo "== full log: $log" >&2
    return "$status"
  fi
  rm -f "$log"
}

# A build folder whose configure completed: CMake writes the build system
# last.
configured() {
  [ -f "$1/CMakeCache.txt" ] && { [ -f "$1/Makefile" ] || [ -f "$1/build.ninja" ]; }
}

# An interrupted or failed configure leaves a folder without a build system;
# it is removed so that the configure starts again.
discard_incomplete() {
  local dir=$1
  [ -e "$dir" ] || return 0
  configured "$dir" && return 0
  if [ -n "$(ls -A "$dir")" ] && [ ! -f "$dir/CMakeCache.txt" ] && [ ! -d "$dir/CMakeFiles" ]; then
    die "$dir is in the way: neither empty nor a CMake build folder"
  fi
  say "${dir#"$root"/}: no complete configure (it failed or was cut short): configuring afresh"
  rm -rf "$dir"
}

ccache_options() {
  command -v ccache >/dev/null || return 0
  echo -DCMAKE_C_COMPILER_LAUNCHER=ccache
  echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
}

# configure_and_build DIR [CMake options...] [-- TARGET...]
# Configures DIR (RelWithDebInfo unless the options say otherwise, ccache
# when installed) and builds the targets (all without any). A failed
# configure shows its last lines and leaves DIR to be configured afresh.
configure_and_build() {
  local dir=$1 options=() targets=() extra=() launcher=()
  shift
  while [ $# -gt 0 ] && [ "$1" != -- ]; do
    options+=("$1")
    shift
  done
  [ $# -gt 0 ] && shift
  targets=("$@")
  # shellcheck disable=SC2206 # word-split on purpose
  extra=(${ZUVEXA_CMAKE_OPTIONS:-})
  mapfile -t launcher < <(ccache_options)

  discard_incomplete "$dir"
  say "configuring ${dir#"$root"/}"
  if ! run_logged "configure of ${dir#"$root"/}" cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "${launcher[@]}" "${options[@]}" "${extra[@]}"; then
    rm -f "$dir/Makefile" "$dir/build.ninja"
    return 1
  fi
  local build_command=(cmake --build "$dir" -j "$jobs")
  [ ${#targets[@]} -gt 0 ] && build_command+=(--target "${targets[@]}")
  if [ "$build_output" = show ]; then
    "${build_command[@]}" || {
      echo "== build in ${dir#"$root"/} FAILED" >&2
      return 1
    }
  else
    say "building ${targets[*]:-everything} in ${dir#"$root"/}"
    run_logged "build of ${targets[*]:-everything} in ${dir#"$root"/}" "${build_command[@]}"
  fi
}
