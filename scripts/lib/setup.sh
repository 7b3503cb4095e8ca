# shellcheck shell=bash source-path=SCRIPTDIR
# Machine set-up shared by scripts/test and scripts/run: packages, the Chinese locale, the builds
# and the Wine prefixes kept in the build tree. Source it; it expects `set -euo pipefail`.

source "$(dirname "${BASH_SOURCE[0]}")/desktop.sh"

UPTIME_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
UPTIME_PACKAGES=(
  g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 xvfb xdotool imagemagick
  fonts-wqy-zenhei locales googletest libbenchmark-dev cmake ninja-build g++ clang libclang-rt-14-dev
)

# Wine must not offer to download Mono or Gecko, and its debug chatter hides real output.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

say() { printf '== %s\n' "$*"; }
die() { printf 'error: %s\n' "$*" >&2; exit 1; }

as_root() {
  if ((EUID == 0)); then
    "$@"
  elif command -v sudo >/dev/null; then
    sudo "$@"
  else
    die "need root (or sudo) to run: $*"
  fi
}

# Runs a command with its output in LOG; on failure shows the log and returns the command's status.
run_logged() {
  local log=$1 status=0
  shift
  mkdir -p "$(dirname "$log")"
  "$@" >"$log" 2>&1 || status=$?
  if ((status != 0)); then
    cat "$log" >&2
    printf 'error: failed (status %d): %s\n       log: %s\n' "$status" "$*" "$log" >&2
  fi
  return "$status"
}

require_packages() {
  local missing=() package
  for package in "${UPTIME_PACKAGES[@]}"; do
    [[ $(dpkg-query -W -f='${Status}' "$package" 2>/dev/null) == "install ok installed" ]] ||
      missing+=("$package")
  done
  ((${#missing[@]} == 0)) && return 0
  say "installing ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
}

# Wine takes its ANSI code page from the Unix locale: zh_CN.UTF-8 gives code page 936 (GBK).
require_locale() {
  locale -a 2>/dev/null | grep -qix 'zh_CN\.utf-\?8' && return 0
  say "generating the zh_CN.UTF-8 locale"
  as_root localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
}

# Configures and builds one preset; extra arguments go to the build (e.g. --target NAME).
build_preset() {
  local preset=$1 logs="$UPTIME_ROOT/build/logs"
  shift
  say "building the $preset preset"
  (
    cd "$UPTIME_ROOT" || exit
    run_logged "$logs/$preset-configure.log" cmake --preset "$preset"
    run_logged "$logs/$preset-build.log" cmake --build --preset "$preset" --parallel "$(nproc)" "$@"
  )
}

# A prefix counts as made only once its marker exists, so an interrupted set-up is redone.
prefix_ready() { [[ -e $1/.uptime-prefix-ready ]]; }

# Engine tests run with the null graphics driver: windows exist, nothing needs a display.
make_headless_prefix() {
  local prefix=$1
  prefix_ready "$prefix" && return 0
  say "creating the headless Wine prefix $prefix"
  rm -rf "$prefix"
  mkdir -p "$prefix"
  run_logged "$prefix.log" env -u DISPLAY WINEPREFIX="$prefix" bash -c '
    set -e
    LC_ALL=zh_CN.UTF-8 wineboot -i
    wineserver -w
    wine reg add "HKCU\\Software\\Wine\\Drivers" /v Graphics /d null /f
    wineserver -w'
  touch "$prefix/.uptime-prefix-ready"
}

# The program and the end-to-end tests show real windows through the X11 driver; the prefix is
# made while a virtual screen is up so that Wine settles on that driver.
make_display_prefix() {
  local prefix=$1
  prefix_ready "$prefix" && return 0
  say "creating the Wine prefix $prefix"
  rm -rf "$prefix"
  mkdir -p "$prefix"
  (
    trap stop_xvfb EXIT
    start_xvfb
    run_logged "$prefix.log" env WINEPREFIX="$prefix" bash -c '
      set -e
      LC_ALL=zh_CN.UTF-8 wineboot -i
      wineserver -w'
  )
  touch "$prefix/.uptime-prefix-ready"
}
