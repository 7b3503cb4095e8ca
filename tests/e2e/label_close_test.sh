#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# A left double-click inside any of the four labels ends the program with status 0: one run per
# label, the double-click at the middle of the label's rectangle.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_setup 1024x768x24

for label in "${STARTUP_LABELS[@]}"; do
  read -r name x y width height <<<"$label"
  echo "double-click on $name"
  start_program "$UPTIME_EXE"
  window=$(expect_window 20 "")
  double_click "$window" $((x + width / 2)) $((y + height / 2))
  expect_exit 0
done
