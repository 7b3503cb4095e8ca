#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# 标签1 past 2^31 and past 2^32 milliseconds of uptime, where a 32-bit count turns negative and
# then wraps to zero: the program runs in a Linux time namespace whose clocks are moved forward,
# and reads 30, then 60 days, never with a minus sign. Wine's tick count comes from its
# wineserver's clock, so each run has a fresh wineserver started inside the namespace, on a copy
# of the shared prefix (a wineserver is tied to its prefix).
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_setup 1024x768x24

unshare --time --monotonic 1 --boottime 1 true ||
  fail "time namespaces are not available (unshare --time needs root and a kernel of 5.6 or later)"

cp -a "$WINEPREFIX" "$E2E_DIR/shifted-prefix"
# From here on the helpers, and the cleanup, act on the copy.
export WINEPREFIX="$E2E_DIR/shifted-prefix"

# run_shifted DAYS MIN-TICK MAX-TICK: runs the program as if the machine had been up DAYS days,
# checks 标签1 and the tick count that the probe reads inside the same namespace, then closes it.
run_shifted() {
  local days=$1 min_tick=$2 max_tick=$3 offset min_days texts text tick
  # The offsets apply to the boot-time and monotonic clocks alike; Wine's tick count follows the
  # monotonic one, which never runs ahead of the boot time.
  offset=$((days * 86400 - $(cut -d . -f 1 /proc/uptime)))
  LC_ALL=zh_CN.UTF-8 unshare --time --monotonic "$offset" --boottime "$offset" wine "$UPTIME_EXE" &
  PROGRAM_PID=$!
  window=$(expect_window 20 "")
  texts=$(wait_for_uptime_text nsenter --time --target "$PROGRAM_PID")
  tick=$(probe_tick "$texts")
  ((tick > min_tick && tick < max_tick)) ||
    fail "inside the namespace the tick count is $tick ms, not between $min_tick and $max_tick"
  echo "ok: the tick count inside the namespace is $tick ms"
  # wait_for_uptime_text takes only digits and the four units, so a minus sign never passes.
  text=$(control_text 110 "$texts")
  min_days=$((min_tick / 86400000))
  (($(uptime_seconds "$text") >= min_days * 86400)) || fail "标签1 reads '$text' past $min_tick ms of uptime"
  echo "ok: 标签1 shows at least $min_days days"
  assert_uptime_matches_tick "$texts"
  double_click "$window"
  expect_exit 0
  stop_wine
}

run_shifted 30 $((1 << 31)) $((1 << 32))
run_shifted 60 $((1 << 32)) $((1 << 33))
