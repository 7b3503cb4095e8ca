# shellcheck shell=bash source-path=SCRIPTDIR
# Helpers for the end-to-end tests, which drive real Windows programs under Wine on a virtual
# screen. A test sources this file, calls e2e_setup, then uses the helpers below and those of
# scripts/lib/desktop.sh (start_program, wait_for_window, window_name, window_geometry, press_ok,
# double_click, take_screenshot, pixel_colour, wait_for_exit). CTest runs these tests one at a
# time, so each may end every Wine process of the shared prefix when it finishes.

set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/setup.sh"

: "${UPTIME_BUILD:?the Windows build tree (set by CTest)}"
export WINEPREFIX="$UPTIME_BUILD/wine/xvfb"

# Starts a virtual screen of SCREEN (default 1024x768x24), makes the shared prefix if it is
# missing, and moves into a fresh working directory; everything is undone when the test exits.
# Do not replace the EXIT trap.
e2e_setup() {
  E2E_DIR=$(mktemp -d)
  trap e2e_cleanup EXIT
  trap 'exit 143' TERM INT
  make_display_prefix "$WINEPREFIX"
  stop_wine
  start_xvfb "${1:-1024x768x24}"
  cd "$E2E_DIR"
}

e2e_cleanup() {
  local status=$?
  stop_wine
  stop_xvfb
  cd /
  rm -rf "$E2E_DIR"
  if ((status == 0)); then echo "PASS"; else echo "FAIL (status $status)"; fi
}

fail() {
  echo "FAIL: $*" >&2
  if [[ -n ${DISPLAY:-} ]]; then
    local shot
    shot="$UPTIME_BUILD/$(basename "$0" .sh)-failure.png"
    take_screenshot "$shot" 2>/dev/null && echo "screen at the failure: $shot" >&2
  fi
  exit 1
}

# assert_eq EXPECTED ACTUAL WHAT
assert_eq() {
  [[ $2 == "$1" ]] || fail "$3: expected '$1', got '$2'"
  echo "ok: $3 is '$1'"
}

# assert_file PATH WHAT / assert_no_file PATH WHAT
assert_file() {
  [[ -e $1 ]] || fail "$2: $1 does not exist"
  echo "ok: $2"
}

assert_no_file() {
  [[ ! -e $1 ]] || fail "$2: $1 exists"
  echo "ok: $2"
}

# expect_window TIMEOUT [TITLE]: like wait_for_window, but fails the test if no window appears.
expect_window() {
  local window
  window=$(wait_for_window "$@") ||
    fail "no window${2+ titled $2} of the program appeared within $1 s"
  echo "$window"
}

# expect_exit STATUS [TIMEOUT]: waits for the program to end and checks its status as Linux
# sees it (-1 is 255).
expect_exit() {
  local expected=$1 timeout=${2:-20}
  wait_for_exit "$timeout" || fail "the program was still running after $timeout s"
  assert_eq "$expected" "$PROGRAM_STATUS" "exit status"
}
