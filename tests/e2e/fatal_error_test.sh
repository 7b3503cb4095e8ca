#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# A fatal error for real: one box titled 错误, and once OK is pressed the process ends with
# status -1 without running its exit routines.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_setup

probe="$UPTIME_BUILD/tests/fatal_probe.exe"
marker=exit-routine-ran

# check_fatal_box PROBE-ARGS...: the probe reports through the given path.
check_fatal_box() {
  local box
  rm -f "$marker"
  start_program "$probe" "$@"
  box=$(expect_window 20)
  assert_eq 错误 "$(window_name "$box")" "title of the box for '$*'"
  press_ok "$box" || fail "the box for '$*' did not close on Return"
  expect_exit 255
  assert_no_file "$marker" "no exit routine ran after '$*'"
}

# The message is given in UTF-8: Wine converts the arguments to the program's code page, GBK.
check_fatal_box report 载入启动窗口失败 0
check_fatal_box allocate

# The orderly end runs the exit routine, which shows that the marker check above can fail.
start_program "$probe" exit
expect_exit 0
assert_file "$marker" "the exit routine ran after an orderly end"
