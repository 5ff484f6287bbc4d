#!/usr/bin/env bash
# Start-up time, peak memory and CPU of the real game in a virtual X server (Xvfb):
#   bench/startup.sh [build-folder]      (default: build)
# Prints exec → first painted frame (median of several starts), peak resident memory, and the
# CPU the game takes while idle with nothing selected and while a selected ball bounces. Then,
# for each sound server installed (the PulseAudio daemon and PipeWire, each private, with a null
# sink), the CPU of the game and of the server while the selected ball bounces and ticks, the
# server's above its own level while the game is quiet, and the underruns the game and the
# server saw.
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
sound_pids=()
stop_sound() {
  local index
  for ((index = ${#sound_pids[@]} - 1; index >= 0; --index)); do
    kill "${sound_pids[index]}" 2>/dev/null || true
    wait "${sound_pids[index]}" 2>/dev/null || true
  done
  sound_pids=()
}
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  stop_sound
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
# CPU time of the processes, in clock ticks.
cpu_ticks() { local pid total=0; for pid; do total=$((total + $(awk '{ print $14 + $15 }' "/proc/$pid/stat"))); done; echo $total; }
percent() {
  awk -v t="$1" -v hz="$(getconf CLK_TCK)" -v s="$sample_seconds" 'BEGIN { printf "%.2f", 100 * t / hz / s }'
}
# Percent of one core used by the process over the sample time.
cpu_percent() {
  local before after
  before=$(cpu_ticks "$1")
  sleep "$sample_seconds"
  after=$(cpu_ticks "$1")
  percent $((after - before))
}
# The same for the game and, separately, the sound server's processes over one sample time.
cpu_percent_with_server() {
  local game_before server_before
  game_before=$(cpu_ticks "$game_pid") server_before=$(cpu_ticks "${sound_pids[@]}")
  sleep "$sample_seconds"
  echo "$(percent $(($(cpu_ticks "$game_pid") - game_before))) $(percent $(($(cpu_ticks "${sound_pids[@]}") - server_before)))"
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

# A private sound server with a null sink, like a desktop's; its processes go to sound_pids.
start_sound_server() {
  mkdir -m 700 "$work/sound" "$work/sound/pulse"
  export XDG_RUNTIME_DIR=$work/sound DBUS_SESSION_BUS_ADDRESS=unix:path=$work/sound/bus
  export PULSE_SERVER=unix:$work/sound/pulse/native
  if [ "$1" = pulseaudio ]; then
    printf '%s\n' "load-module module-native-protocol-unix socket=${PULSE_SERVER#unix:}" \
      "load-module module-null-sink sink_name=bench" >"$work/sound/default.pa"
    pulseaudio -n -F "$work/sound/default.pa" --daemonize=no --system=false --exit-idle-time=-1 \
      --use-pid-file=false --log-level=debug --log-target=file:"$work/server.log" &
    sound_pids+=($!)
  else
    dbus-daemon --session --nofork --address="$DBUS_SESSION_BUS_ADDRESS" 2>/dev/null &
    sound_pids+=($!)
    until [ -S "$work/sound/bus" ]; do sleep 0.05; done
    for part in pipewire wireplumber pipewire-pulse; do
      "$part" >/dev/null 2>&1 &
      sound_pids+=($!)
    done
  fi
  until pactl info >/dev/null 2>&1; do sleep 0.05; done
  [ "$1" = pulseaudio ] || pactl load-module module-null-sink sink_name=bench >/dev/null
  pactl set-default-sink bench
}

for sound_server in pulseaudio pipewire; do
  needs=(pulseaudio)
  [ "$sound_server" = pulseaudio ] || needs=(pipewire pipewire-pulse wireplumber dbus-daemon)
  for tool in pactl "${needs[@]}"; do
    command -v "$tool" >/dev/null || { echo "$sound_server: no $tool, not measured"; continue 2; }
  done
  rm -rf "$work/sound" "$work/server.log" "$PEBBLIX_REGISTRY"
  start_sound_server "$sound_server"
  "$probe" start "$game" --seed 1 --scale 1 >"$work/start.txt" 2>"$work/game.log"
  game_pid=$(field pid "$work/start.txt")
  window=$(field window "$work/start.txt")
  sleep 2
  read -r game_quiet server_quiet < <(cpu_percent_with_server)
  read -r x y < <("$probe" find-ball "$window" 1)
  xdotool mousemove --window "$window" "$x" "$y" click 1
  sleep 1
  read -r game_ticking server_ticking < <(cpu_percent_with_server)
  stop_game
  stop_sound
  echo "$sound_server, a ball bouncing and ticking over ${sample_seconds} s:"
  echo "  game CPU:                  ${game_ticking} % of one core (${game_quiet} % while quiet)"
  echo "  server CPU above its idle: $(awk -v t="$server_ticking" -v q="$server_quiet" 'BEGIN { printf "%.2f", t - q }') % of one core (${server_ticking} % ticking, ${server_quiet} % while the game is quiet)"
  logged=$([ -f "$work/server.log" ] && grep -cE "(Implicit|Actual) underrun" "$work/server.log" || true)
  echo "  underruns:                 $(grep -c "ran out of samples" "$work/game.log" || true) told to the game, ${logged:-not logged} in the server's log"
done
