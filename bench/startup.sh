#!/usr/bin/env bash
# Start-up time, peak memory and CPU of the real game in a virtual X server (Xvfb):
#   bench/startup.sh [build-folder]      (default: build)
# Prints exec → first painted frame (median of several starts), peak resident memory, and the
# CPU the game takes while idle with nothing selected and while a selected ball bounces.
set -euo pipefail

build=$(realpath "${1:-build}")
game=$build/bin/pebblix
probe=$build/bin/startup_probe
starts=7
sample_seconds=10

for tool in "$game" "$probe"; do
  [ -x "$tool" ] || { echo "missing $tool: build first" >&2; exit 1; }
done
command -v Xvfb >/dev/null && command -v xdotool >/dev/null ||
  { echo "needs Xvfb and xdotool (tools/install-deps.sh)" >&2; exit 1; }

work=$(mktemp -d)
server_pid=""
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A private display, settings and runtime folder: nothing of the player's is read or written.
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
server_pid=$!
export DISPLAY=$display
for _ in $(seq 50); do
  xdotool getdisplaygeometry >/dev/null 2>&1 && break
  sleep 0.1
done
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
export PEBBLIX_REGISTRY=$work/registry.sqlite

field() { awk -v key="$1" '$1 == key { print $2 }' "$2"; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
# Percent of one core used by the process over the sample time.
cpu_percent() {
  local before after
  before=$(cpu_ticks "$1")
  sleep "$sample_seconds"
  after=$(cpu_ticks "$1")
  awk -v t="$((after - before))" -v hz="$(getconf CLK_TCK)" -v s="$sample_seconds" \
    'BEGIN { printf "%.2f", 100 * t / hz / s }'
}

start_game() {
  "$probe" start "$game" --seed 1 --scale 1 >"$work/start.txt"
  game_pid=$(field pid "$work/start.txt")
}
stop_game() {
  kill "$game_pid" 2>/dev/null || true
  wait "$game_pid" 2>/dev/null || true
  game_pid=""
}

times=()
for _ in $(seq "$starts"); do
  rm -f "$PEBBLIX_REGISTRY"
  start_game
  times+=("$(field first_frame_ms "$work/start.txt")")
  stop_game
done
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')

rm -f "$PEBBLIX_REGISTRY"
start_game
window=$(field window "$work/start.txt")
sleep 2 # the first balls blink in for half a second
idle=$(cpu_percent "$game_pid")
read -r x y < <("$probe" find-ball "$window" 1)
xdotool mousemove --window "$window" "$x" "$y" click 1
sleep 1
bouncing=$(cpu_percent "$game_pid")
peak_kib=$(awk '/^VmHWM:/ { print $2 }' "/proc/$game_pid/status")
stop_game

echo "exec to first painted frame: ${median} ms (median of $starts; all: ${times[*]})"
echo "peak resident memory:        $(awk -v k="$peak_kib" 'BEGIN { printf "%.1f", k / 1024 }') MiB"
echo "CPU idle, nothing selected:  ${idle} % of one core over ${sample_seconds} s"
echo "CPU with a bouncing ball:    ${bouncing} % of one core over ${sample_seconds} s"
