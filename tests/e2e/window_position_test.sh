#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# On a 1920 by 1080 screen the window is centred at 785,499, whatever its described place.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_setup 1920x1080x24

start_program "$UPTIME_EXE"
window=$(expect_window 20 "")
assert_eq "785 499 350 82" "$(window_geometry "$window")" "outer rectangle on 1920x1080"
double_click "$window"
expect_exit 0
