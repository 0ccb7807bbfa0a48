#!/usr/bin/env bash
# Fetches the third-party Lua stack that libzuvexa embeds.
#
#   scripts/fetch-third-party.sh [dest-dir]     (default: <repo>/third_party)
#
# Lua 5.1, lua-cjson and LuaFileSystem are compiled into the library from
# Debian's source packages (Debian's static archives are not position
# independent, and its shared liblua5.1 could be interposed by a host
# application that exports its own Lua). The script modules json (dkjson)
# and util (lua-cjson) come from Debian's binary packages.
#
# Result in dest-dir:
#   lua5.1/ lua-cjson/ lua-filesystem/   links to the unpacked, patched trees
#   scripts/json.lua scripts/util.lua     the script modules to embed
#
# Idempotent: does nothing when everything is already in place.
set -euo pipefail

readonly SOURCE_PACKAGES=(lua5.1 lua-cjson lua-filesystem)
readonly BINARY_PACKAGES=(dpkg-dev liblua5.1-0-dev lua-cjson-dev lua-cjson lua-filesystem-dev lua-dkjson)
readonly DEB_SRC_FILE_BASE=/etc/apt/sources.list.d/zuvexa-deb-src

repo_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
dest=${1:-$repo_dir/third_party}

say() { echo "fetch-third-party: $*"; }
die() { echo "fetch-third-party: error: $*" >&2; exit 1; }

as_root() {
  if [[ $(id -u) -eq 0 ]]; then
    "$@"
  elif command -v sudo >/dev/null; then
    sudo "$@"
  else
    die "needs root to run: $*"
  fi
}

package_installed() {
  [[ $(dpkg-query -W -f '${db:Status-Status}' "$1" 2>/dev/null) == installed ]]
}

source_tree_present() {
  [[ -f $dest/lua5.1/src/lua.h && -f $dest/lua-cjson/lua_cjson.c && -f $dest/lua-filesystem/src/lfs.c ]]
}

scripts_present() {
  [[ -s $dest/scripts/json.lua && -s $dest/scripts/util.lua ]]
}

all_present() {
  local p
  for p in "${BINARY_PACKAGES[@]}"; do package_installed "$p" || return 1; done
  source_tree_present && scripts_present
}

apt_update() {
  say "apt-get update"
  as_root apt-get update || say "apt-get update reported errors; going on"
}

install_missing_packages() {
  local missing=() p
  for p in "${BINARY_PACKAGES[@]}"; do package_installed "$p" || missing+=("$p"); done
  [[ ${#missing[@]} -eq 0 ]] && return 0
  say "installing ${missing[*]}"
  if ! as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"; then
    apt_update
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}" \
      || die "could not install ${missing[*]}"
  fi
}

# Source lists that apt reads, without disabled or backup files.
active_list_files() {
  local f
  [[ -f /etc/apt/sources.list ]] && echo /etc/apt/sources.list
  for f in /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [[ -f $f ]] && echo "$f"
  done
  return 0
}

deb_src_configured() {
  local f
  while read -r f; do
    case $f in
      *.sources) grep -qiE '^Types:.*\bdeb-src\b' "$f" && return 0 ;;
      *) grep -qE '^[[:space:]]*deb-src[[:space:]]' "$f" && return 0 ;;
    esac
  done < <(active_list_files)
  return 1
}

# Debian archive URIs only: third-party repositories rarely carry sources.
readonly DEBIAN_URI_PATTERN='/debian(-security)?/?$'

# deb822 stanzas with Types "deb" pointing at a Debian archive, copied with
# Types "deb-src". Other fields (Suites, Components, Signed-By...) stay.
deb822_src_stanzas() {
  awk -v pat="$DEBIAN_URI_PATTERN" '
    function flush() {
      if (n > 0 && is_deb && is_debian && enabled) {
        for (i = 1; i <= n; i++) print lines[i]
        print ""
      }
      n = 0; is_deb = 0; is_debian = 0; enabled = 1
    }
    BEGIN { n = 0; enabled = 1 }
    /^[[:space:]]*$/ { flush(); next }
    /^#/ { next }
    {
      line = $0
      if (tolower($1) == "types:") {
        for (i = 2; i <= NF; i++) if ($i == "deb") is_deb = 1
        line = "Types: deb-src"
      } else if (tolower($1) == "uris:") {
        for (i = 2; i <= NF; i++) if ($i ~ pat) is_debian = 1
      } else if (tolower($1) == "enabled:" && tolower($2) == "no") {
        enabled = 0
      }
      lines[++n] = line
    }
    END { flush() }' "$1"
}

# One-line "deb [options] uri suite components" entries turned into deb-src.
one_line_src_entries() {
  awk -v pat="$DEBIAN_URI_PATTERN" '
    $1 == "deb" {
      uri = ($2 ~ /^\[/) ? "" : $2
      if (uri == "") { for (i = 2; i <= NF; i++) if ($i ~ /\]$/) { uri = $(i + 1); break } }
      if (uri ~ pat) { sub(/^deb/, "deb-src"); print }
    }' "$1"
}

add_deb_src_entry() {
  local deb822="" oneline="" f
  while read -r f; do
    case $f in
      *.sources) deb822+=$(deb822_src_stanzas "$f")$'\n\n' ;;
      *) oneline+=$(one_line_src_entries "$f")$'\n' ;;
    esac
  done < <(active_list_files)
  if [[ -n ${deb822//[[:space:]]/} ]]; then
    say "adding deb-src entries to $DEB_SRC_FILE_BASE.sources"
    printf '%s' "$deb822" | as_root tee "$DEB_SRC_FILE_BASE.sources" >/dev/null
  elif [[ -n ${oneline//[[:space:]]/} ]]; then
    say "adding deb-src entries to $DEB_SRC_FILE_BASE.list"
    printf '%s' "$oneline" | as_root tee "$DEB_SRC_FILE_BASE.list" >/dev/null
  else
    die "no Debian archive found in the apt sources to derive a deb-src entry from"
  fi
}

# apt-get source unpacks and, for "3.0 (quilt)" packages, applies the
# Debian patches; as root it would warn about the _apt sandbox user.
apt_source() {
  (cd "$dest" && as_root apt-get -o APT::Sandbox::User=root source "${SOURCE_PACKAGES[@]}")
}

fetch_sources() {
  if ! deb_src_configured; then
    add_deb_src_entry
    apt_update
  fi
  say "apt-get source ${SOURCE_PACKAGES[*]} (in $dest)"
  if ! apt_source; then
    apt_update
    apt_source || die "apt-get source failed"
  fi
}

# Stable names for the versioned directories, e.g. lua5.1 -> lua5.1-5.1.5.
link_stable_names() {
  local name dir
  for name in "${SOURCE_PACKAGES[@]}"; do
    dir=$(find "$dest" -maxdepth 1 -type d -name "$name-[0-9]*" -printf '%f\n' | sort -V | tail -n 1)
    [[ -n $dir ]] || die "no unpacked tree for $name in $dest"
    ln -sfn "$dir" "$dest/$name"
    say "$dest/$name -> $dir"
  done
}

installed_file() {
  local package=$1 suffix=$2 path
  path=$(dpkg -L "$package" | grep -E "$suffix\$" | head -n 1)
  [[ -n $path && -f $path ]] || die "package $package installs no file matching $suffix"
  echo "$path"
}

copy_scripts() {
  local json util
  json=$(installed_file lua-dkjson '/5\.1/dkjson\.lua')
  util=$(installed_file lua-cjson '/5\.1/cjson/util\.lua')
  mkdir -p "$dest/scripts"
  cp "$json" "$dest/scripts/json.lua"
  cp "$util" "$dest/scripts/util.lua"
  say "scripts: json.lua <- $json, util.lua <- $util"
}

main() {
  if all_present; then
    say "third-party sources already present in $dest"
    return 0
  fi
  mkdir -p "$dest"
  install_missing_packages
  source_tree_present || { fetch_sources; link_stable_names; }
  source_tree_present || die "unpacked source trees in $dest lack expected files"
  copy_scripts
  say "done"
}

main
