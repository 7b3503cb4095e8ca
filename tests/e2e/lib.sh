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

# The labels of the start-up window: name, then its rectangle in the window (x y width height).
# The window has no frame, so these are also offsets from its outer rectangle.
# shellcheck disable=SC2034 # read by the tests
STARTUP_LABELS=("标签1 3 8 344 48" "标签2 5 64 62 16" "标签3 257 62 86 16" "标签4 129 62 72 16")

# read_window_texts [COMMAND...]: runs the label text probe against the running program, through
# COMMAND if given (e.g. nsenter), and prints its lines in UTF-8: "tick N" (the probe's
# GetTickCount64), then "ID<tab>TEXT" for each control of the start-up window.
read_window_texts() {
  LC_ALL=zh_CN.UTF-8 "$@" wine "$UPTIME_BUILD/tests/label_text_probe.exe" | tr -d '\r' |
    iconv -f GBK -t UTF-8
}

# control_text ID TEXTS: the text of control ID in the probe's output TEXTS.
control_text() { awk -F'\t' -v id="$1" '$1 == id { print $2 }' <<<"$2"; }

# probe_tick TEXTS: the tick count in the probe's output TEXTS.
probe_tick() { awk '$1 == "tick" { print $2 }' <<<"$1"; }

# uptime_seconds TEXT: the seconds that an uptime text such as 1天2时3分4秒 stands for.
uptime_seconds() {
  [[ $1 =~ ^([0-9]+)天([0-9]+)时([0-9]+)分([0-9]+)秒$ ]] || fail "'$1' is not an uptime text"
  echo $((BASH_REMATCH[1] * 86400 + BASH_REMATCH[2] * 3600 + BASH_REMATCH[3] * 60 + BASH_REMATCH[4]))
}

# wait_for_uptime_text [COMMAND...]: waits up to 10 s until 标签1 (control 110) shows an uptime
# text, then prints the probe's output; fails the test if it never does.
wait_for_uptime_text() {
  local deadline=$((SECONDS + 10)) texts=""
  while ((SECONDS < deadline)); do
    texts=$(read_window_texts "$@") || true
    if [[ $(control_text 110 "$texts") =~ ^[0-9]+天[0-9]+时[0-9]+分[0-9]+秒$ ]]; then
      echo "$texts"
      return 0
    fi
    sleep 0.2
  done
  fail "标签1 showed no uptime text within 10 s; the probe read: $texts"
}

# assert_uptime_matches_tick TEXTS: 标签1's text in the probe's output TEXTS stands for the tick
# count that the probe read a moment later, give or take the time between (at most 5 s).
assert_uptime_matches_tick() {
  local text tick seconds
  text=$(control_text 110 "$1")
  tick=$(probe_tick "$1")
  seconds=$(uptime_seconds "$text")
  ((seconds <= tick / 1000 && tick / 1000 - seconds <= 5)) ||
    fail "标签1 reads '$text' ($seconds s) but the tick count is $tick ms"
  echo "ok: 标签1 reads '$text', the tick count $tick ms"
}
