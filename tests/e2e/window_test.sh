#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# The start-up window on a 1024 by 768 screen: borderless, centred, grey, draggable from its
# surface and from a label; a right double-click does nothing, a left one ends the program
# with status 0, and so does a close request from the window system (Alt+F4).
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_setup 1024x768x24

program="$UPTIME_EXE"

# drag WINDOW FROM-X FROM-Y DX DY: presses the left button at a point of the window, moves
# by DX DY and lets go.
drag() {
  xdotool mousemove --window "$1" "$2" "$3" mousedown 1
  sleep 0.3
  xdotool mousemove_relative --sync -- "$(($4 / 2))" "$(($5 / 2))"
  sleep 0.2
  xdotool mousemove_relative --sync -- "$(($4 - $4 / 2))" "$(($5 - $5 / 2))"
  sleep 0.3
  xdotool mouseup 1
  sleep 0.5
}

start_program "$program"
window=$(expect_window 20 "")
assert_eq "337 343 350 82" "$(window_geometry "$window")" "outer rectangle on 1024x768"

sleep 0.5
take_screenshot shot.png
# The surface where no label lies, and the labels' own backgrounds, are the same grey.
for point in "340 345" "500 345" "337 343" "686 424" "343 353" "686 345"; do
  read -r x y <<<"$point"
  assert_eq 808080 "$(pixel_colour shot.png "$x" "$y")" "colour at $x,$y"
done

drag "$window" 175 3 60 40
assert_eq "397 383 350 82" "$(window_geometry "$window")" "rectangle after dragging the surface"

# 标签3 lies at 257,62 in the window: a press there and a move drags the window too.
drag "$window" 300 70 -100 -50
assert_eq "297 333 350 82" "$(window_geometry "$window")" "rectangle after dragging a label"

xdotool mousemove --window "$window" 175 3 click --repeat 2 --delay 100 3
sleep 1
program_running || fail "a right double-click ended the program"

double_click "$window" 175 3
expect_exit 0

start_program "$program"
window=$(expect_window 20 "")
xdotool windowfocus "$window"
sleep 0.5
xdotool key alt+F4
expect_exit 0
