#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# The four labels of the running program: their texts as the window system holds them, each
# drawn inside its own rectangle with nothing but grey between them, and 标签1 following the
# clock from one second to the next. Saves the picture of the window that opens the README.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_setup 1024x768x24

: "${UPTIME_SOURCE:?the source tree (set by CTest)}"

# window_picture WINDOW OUT: the window's rectangle cut from a fresh screenshot.
window_picture() {
  local x y width height
  read -r x y width height <<<"$(window_geometry "$1")"
  take_screenshot screen.png
  convert screen.png -crop "${width}x$height+$x+$y" +repage -strip "$2"
}

# dark_pixels IMAGE X Y WIDTH HEIGHT: how many pixels of the rectangle are clearly darker than
# the grey background (below 40% intensity; the grey is 50%).
dark_pixels() {
  convert "$1" -crop "$4x$5+$2+$3" +repage -colorspace Gray -threshold 40% -negate \
    -format '%[fx:round(mean*w*h)]' info:
}

# changed_pixels A B X Y WIDTH HEIGHT: how many pixels differ between A and B inside the
# rectangle and how many outside it, on one line.
changed_pixels() {
  local rectangle="$5x$6+$3+$4" image
  local mask=(-fill '#808080' -draw "rectangle $3,$4 $(($3 + $5 - 1)),$(($4 + $6 - 1))")
  for image in "$1" "$2"; do
    convert "$image" -crop "$rectangle" +repage "inside-$image"
    convert "$image" "${mask[@]}" "outside-$image"
  done
  echo "$(compare -metric AE "inside-$1" "inside-$2" null: 2>&1)" \
    "$(compare -metric AE "outside-$1" "outside-$2" null: 2>&1)"
}

# grey_everywhere_but IMAGE LABEL...: prints the number of colours left once the labels'
# rectangles are painted over in the background grey, then the colour at the top-left corner.
grey_everywhere_but() {
  local image=$1 draws=() label name x y width height
  shift
  for label in "$@"; do
    read -r name x y width height <<<"$label"
    draws+=(-draw "rectangle $x,$y $((x + width - 1)),$((y + height - 1))")
  done
  convert "$image" -fill '#808080' "${draws[@]}" -alpha off -format '%k %[hex:p{0,0}]' info:
}

start_program "$UPTIME_EXE"
window=$(expect_window 20 "")
texts=$(wait_for_uptime_text)
window_picture "$window" first.png
sleep 1.2
later_texts=$(read_window_texts)
window_picture "$window" second.png

assert_eq "BY:Quorix" "$(control_text 120 "$texts")" "text of 标签2 (control 120)"
assert_eq "双击任意处关闭" "$(control_text 130 "$texts")" "text of 标签3 (control 130)"
assert_eq "↑已开机时间↑" "$(control_text 140 "$texts")" "text of 标签4 (control 140)"
assert_uptime_matches_tick "$texts"

for label in "${STARTUP_LABELS[@]}"; do
  read -r name x y width height <<<"$label"
  dark=$(dark_pixels first.png "$x" "$y" "$width" "$height")
  ((dark > 20)) || fail "$name's rectangle $x,$y ${width}x$height holds only $dark text pixels"
  echo "ok: $name's rectangle holds $dark text pixels"
done
assert_eq "1 808080" "$(grey_everywhere_but first.png "${STARTUP_LABELS[@]}")" \
  "colours outside the labels (count, colour)"
# Only a window that passed the checks above is kept for the README; the source tree's copy is
# replaced only when asked (UPTIME_UPDATE_SCREENSHOT=1), so a test run leaves the tree clean.
cp first.png "$UPTIME_BUILD/window.png"
if [[ ${UPTIME_UPDATE_SCREENSHOT:-0} == 1 ]]; then
  mkdir -p "$UPTIME_SOURCE/docs"
  cp first.png "$UPTIME_SOURCE/docs/screenshot.png"
fi

assert_uptime_matches_tick "$later_texts"
first=$(control_text 110 "$texts")
second=$(control_text 110 "$later_texts")
(($(uptime_seconds "$second") > $(uptime_seconds "$first"))) ||
  fail "标签1 read '$first', then '$second' 1.2 s later"
echo "ok: 标签1 went from '$first' to '$second'"

read -r _ x y width height <<<"${STARTUP_LABELS[0]}"
read -r inside outside <<<"$(changed_pixels first.png second.png "$x" "$y" "$width" "$height")"
((inside > 0)) || fail "no pixel of 标签1 changed between the two screenshots"
echo "ok: $inside pixels of 标签1 changed"
assert_eq 0 "$outside" "pixels changed outside 标签1"

double_click "$window"
expect_exit 0
