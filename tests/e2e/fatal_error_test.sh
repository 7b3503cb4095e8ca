#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# Every fatal error the program can reach, for real: one box titled 错误 with exactly the
# report's text, and once OK is pressed the process ends with status -1 without running its
# exit routines.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_setup

probe="$UPTIME_BUILD/tests/fatal_probe.exe"
box_text_probe="$UPTIME_BUILD/tests/box_text_probe.exe"
marker=exit-routine-ran

# Prints the text of the open error box as UTF-8, then an x that keeps its final line break
# from being stripped by a command substitution.
shown_box_text() {
  LC_ALL=zh_CN.UTF-8 wine "$box_text_probe" | iconv -f GBK -t UTF-8 || echo "(no box text)"
  echo x
}

# check_fatal_box TEXT PROBE-ARGS...: the probe reports through the given path with TEXT.
check_fatal_box() {
  local expected=$1 box shown
  shift
  rm -f "$marker"
  start_program "$probe" "$@"
  # Some paths show the start-up window first: the box is the window titled 错误.
  box=$(expect_window 20 错误)
  shown=$(shown_box_text)
  assert_eq "$(printf %q "$expected")" "$(printf %q "${shown%x}")" "text of the box for '$*'"
  press_ok "$box" || fail "the box for '$*' did not close on Return"
  expect_exit 255
  assert_no_file "$marker" "no exit routine ran after '$*'"
}

# check_fatal_message MESSAGE PROBE-ARGS...: a report with code 0, as every report of the
# program is.
check_fatal_message() {
  local message=$1
  shift
  check_fatal_box $'运行时出错!\r\n\r\n错误信息：'"$message"$'\r\n' "$@"
}

check_fatal_message "分配 4611686018427387904 字节内存失败!" allocate
check_fatal_message "不能求余数于零" remainder
check_fatal_message "载入窗口模板数据段出错!" description
check_fatal_message "载入启动窗口失败" load
check_fatal_message "未找到引发事件的窗口" event-window
check_fatal_message "未找到引发事件的窗口组件" event-unit
check_fatal_message "引发事件的窗口组件无效" event-kind
check_fatal_message "指定窗口或窗口组件不存在或尚未载入" destroy
check_fatal_message "未载入欲访问窗口组件所在的窗口" property-window
check_fatal_message "指定窗口尚未载入" property-unit
# A code other than 0 gets a line of its own. The message is given in UTF-8: Wine converts
# the arguments to the program's code page, GBK.
check_fatal_box $'运行时出错!\r\n\r\n错误代码：7\r\n\r\n错误信息：测试\r\n' report 测试 7

# The orderly end runs the exit routine, which shows that the marker check above can fail.
start_program "$probe" exit
expect_exit 0
assert_file "$marker" "the exit routine ran after an orderly end"
