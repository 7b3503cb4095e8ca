# shellcheck shell=bash
# Figures of running Wine programs read from /proc: shared by scripts/bench and scripts/soak.
# Source it after scripts/lib/setup.sh.

# Clock ticks of user plus system time of one process (0 once it is gone).
process_ticks() {
  awk '{ sub(/^.*\) /, ""); print $12 + $13 }' "/proc/$1/stat" 2>/dev/null || echo 0
}

# The processes of a Wine prefix, the wineserver and Wine's own services among them: every
# Wine process whose environment names that prefix (other tools started with that
# environment, the virtual screen among them, are left out).
prefix_processes() {
  local environ pid
  while read -r environ; do
    pid=${environ#/proc/}
    pid=${pid%/environ}
    [[ $(readlink "/proc/$pid/exe" 2>/dev/null) == */wine* ]] && echo "$pid"
  done < <(grep -lzxF "WINEPREFIX=$1" /proc/[0-9]*/environ 2>/dev/null)
  return 0
}

# Prints "PID TICKS" for each process of the prefix.
prefix_ticks() {
  local pid
  for pid in $(prefix_processes "$1"); do
    echo "$pid $(process_ticks "$pid")"
  done
}

# Milliseconds of CPU time the prefix's processes spent between two prefix_ticks listings:
# a process that is in both counts its growth, one that came later counts all of its time.
ticks_spent_ms() {
  awk -v hz="$(getconf CLK_TCK)" '
    NR == FNR { before[$1] = $2; next }
    { spent += $2 - ($1 in before ? before[$1] : 0) }
    END { printf "%d\n", spent * 1000 / hz }' "$1" "$2"
}

# A field of /proc/PID/status in KiB (VmRSS, VmHWM).
memory_kib() {
  awk -v field="$2:" '$1 == field { print $2 }' "/proc/$1/status" 2>/dev/null
}

now_ms() { date +%s%3N; }
