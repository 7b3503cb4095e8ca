# shellcheck shell=bash
# A virtual screen and a Windows program on it, driven from the outside: shared by scripts/run
# and the end-to-end tests. Source it; the Wine helpers use the exported WINEPREFIX.

# Starts Xvfb on a free display with SCREEN (WIDTHxHEIGHTxDEPTH) and exports DISPLAY.
# Xvfb picks the display itself and writes its number once it accepts clients.
start_xvfb() {
  local screen=${1:-1024x768x24} number_file number=""
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$number_file" 2>/dev/null &
  XVFB_PID=$!
  for _ in $(seq 100); do
    number=$(head -n 1 "$number_file")
    [[ -n $number ]] && break
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$number_file"
  if [[ -z $number ]]; then
    echo "error: Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$number"
}

stop_xvfb() {
  [[ -n ${XVFB_PID:-} ]] || return 0
  kill "$XVFB_PID" 2>/dev/null || true
  wait "$XVFB_PID" 2>/dev/null || true
  XVFB_PID=""
}

# Starts a Windows program in the background under Wine with code page 936. Wine hands the
# program its arguments converted from UTF-8 to GBK, so Chinese arguments are given as UTF-8.
# The Wine loader becomes the program's process, so PROGRAM_PID is also its windows' _NET_WM_PID.
start_program() {
  LC_ALL=zh_CN.UTF-8 WINEPREFIX="$WINEPREFIX" wine "$@" &
  PROGRAM_PID=$!
}

program_running() { [[ -n ${PROGRAM_PID:-} ]] && kill -0 "$PROGRAM_PID" 2>/dev/null; }

# Waits up to TIMEOUT seconds for the program to end and sets PROGRAM_STATUS (as Linux sees
# it: -1 is 255). Returns 1 if it is still running.
# shellcheck disable=SC2034 # PROGRAM_STATUS is read by the caller
wait_for_exit() {
  local deadline=$((SECONDS + ${1:-30}))
  while program_running; do
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
  PROGRAM_STATUS=0
  wait "$PROGRAM_PID" || PROGRAM_STATUS=$?
}

# Ends every Wine process of the prefix and waits until its wineserver is gone.
stop_wine() {
  WINEPREFIX="$WINEPREFIX" wineserver -k 2>/dev/null || true
  WINEPREFIX="$WINEPREFIX" wineserver -w 2>/dev/null || true
}

# Prints the visible top-level windows of the program, one id a line.
program_windows() {
  xdotool search --onlyvisible --pid "$PROGRAM_PID" 2>/dev/null || true
}

window_name() { xdotool getwindowname "$1"; }

# Waits up to TIMEOUT seconds for a visible window of the program, titled exactly TITLE if given,
# and prints its id. Returns 1 if none appears or the program ends first.
wait_for_window() {
  local deadline=$((SECONDS + ${1:-20})) window
  while ((SECONDS < deadline)) && program_running; do
    for window in $(program_windows); do
      if (($# < 2)) || [[ $(window_name "$window" 2>/dev/null) == "$2" ]]; then
        echo "$window"
        return 0
      fi
    done
    sleep 0.2
  done
  return 1
}

window_visible() { program_windows | grep -qx "$1"; }

# Prints "X Y WIDTH HEIGHT" of a window, on the screen.
window_geometry() {
  xdotool getwindowgeometry --shell "$1" |
    awk -F= '$1 ~ /^(X|Y|WIDTH|HEIGHT)$/ { v[n++] = $2 } END { print v[0], v[1], v[2], v[3] }'
}

# Presses Return in a message box until it goes away (a key sent before Wine has taken the
# focus is lost). Returns 1 if the box is still there after TIMEOUT seconds.
press_ok() {
  local deadline=$((SECONDS + ${2:-10}))
  while window_visible "$1"; do
    ((SECONDS < deadline)) || return 1
    xdotool windowfocus "$1" 2>/dev/null || true
    xdotool key Return
    sleep 0.5
  done
}

# Double-clicks with the left button at X Y inside a window, by default at its centre.
double_click() {
  local width height
  read -r _ _ width height <<<"$(window_geometry "$1")"
  xdotool mousemove --window "$1" "${2:-$((width / 2))}" "${3:-$((height / 2))}" \
    click --repeat 2 --delay 100 1
}

take_screenshot() { import -window root "$1"; }

# Prints the colour at X Y of a screenshot as RRGGBB in hex.
pixel_colour() {
  convert "$1" -format "%[hex:p{$2,$3}]" info:
}
