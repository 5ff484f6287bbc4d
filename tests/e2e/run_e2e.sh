#!/usr/bin/env bash
# Plays the real game in a virtual X server against a sound server of its own with a null sink:
#   tests/e2e/run_e2e.sh pulseaudio|pipewire <pebblix> <tick wave>
# Checks on a recording that the start-up sound, a dozen ticks of a selected ball and the ticks of
# its move were heard, every tick whole; then that Ctrl+Q ends the game and that nothing it started
# is left running. Exits 77 when a tool is missing.
set -euo pipefail
server=$1 game=$(realpath "$2") wave=$3 listener=$(dirname "$0")/tick-check.py
readonly skipped=77 rate=11025 patience=30 bounce_ticks=12
# With this seed a ball at (3, 0) moves along row 3 to (3, 8) in 8 steps, and the three balls that
# follow land elsewhere; their sound takes the place of the move's last tick.
readonly seed=11 ball=(3 0) target=(3 8) move_ticks=7

fail() { echo "FAIL ($server): $*" >&2 && exit 1; }
[ "$server" = pulseaudio ] && servers=(pulseaudio) || servers=(pipewire pipewire-pulse wireplumber dbus-daemon)
for tool in Xvfb xdotool pactl parec python3 "${servers[@]}"; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: no $tool; tools/install-deps.sh installs it" && exit "$skipped"; }
done

work=$(mktemp -d -t pebblix-e2e.XXXXXX) started=()
# Stops what was started, the last first, so that no client sees its server go away.
stop_all() {
  for ((index = ${#started[@]} - 1; index >= 0; --index)); do
    { kill "${started[index]}"; wait "${started[index]}"; } 2>/dev/null || true
  done
  started=()
}
trap 'stop_all; rm -rf "$work"' EXIT && trap 'exit 1' INT TERM
# Through `timeout`, so that no helper outlives a run killed before its clean-up.
launch() { timeout --kill-after=5 100 "$@" 2>>"$work/log" & started+=("$!"); }
# Runs the command every 50 ms until it succeeds; fails after `patience` seconds.
wait_for() {
  local what=$1 deadline=$((SECONDS + patience)) && shift
  until "$@"; do ((SECONDS < deadline)) && sleep 0.05 || fail "gave up waiting for $what"; done
}

# A private home, runtime folder and session bus: nothing of the user's is read or written.
mkdir -m 700 "$work/home" "$work/runtime" "$work/runtime/pulse"
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime DBUS_SESSION_BUS_ADDRESS=unix:path=$work/bus
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_STATE_HOME
echo "autospawn = no" >"$work/client.conf" && export PULSE_CLIENTCONFIG=$work/client.conf
export PULSE_SERVER=unix:$work/runtime/pulse/native
launch Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display"
wait_for "the X server" grep -q . "$work/display"
export DISPLAY=:$(<"$work/display")
if [ "$server" = pulseaudio ]; then
  # Without rewinds the monitor records what is heard: a rewound start would never reach it.
  printf '%s\n' "load-module module-native-protocol-unix socket=${PULSE_SERVER#unix:}" \
    "load-module module-null-sink sink_name=e2e norewinds=1" >"$work/default.pa"
  launch pulseaudio --daemonize=no --system=false --exit-idle-time=-1 --use-pid-file=false -nF "$work/default.pa"
else
  launch dbus-daemon --session --nofork --address="$DBUS_SESSION_BUS_ADDRESS"
  wait_for "the session bus" test -S "$work/bus"
  launch pipewire && wait_for "PipeWire" test -S "$work/runtime/pipewire-0" && launch wireplumber
  launch pipewire-pulse
fi
wait_for "the sound server" pactl info >/dev/null 2>&1
[ "$server" = pulseaudio ] || pactl load-module module-null-sink sink_name=e2e >/dev/null
pactl set-default-sink e2e
launch parec -d e2e.monitor --format=s16le --rate=$rate --channels=1 --latency-msec=20 --raw "$work/sound.raw"
wait_for "the recorder" test -s "$work/sound.raw"
PEBBLIX_REGISTRY=$work/registry.sqlite QT_QPA_PLATFORM=xcb launch "$game" --seed "$seed" --scale 2

now() { echo $(($(stat -c %s "$work/sound.raw") / 2)); }
# Sets ticks (heard whole), others (sounds that are no whole tick) and last (loud sample).
listen() { "$listener" "$work/sound.raw" "$wave" "$1" >"$work/heard" && { read -r ticks && read -r others && read -r last; } <"$work/heard"; }
heard_and_over() { listen "$1" && ((last >= $1 && $(now) - last > rate * 6 / 10)); }
window=$(timeout "$patience" xdotool search --sync --onlyvisible --name '^Pebblix$' | head -1) ||
  fail "the game window did not appear"
eval "$(xdotool getwindowgeometry --shell "$window")"
# The 240 × 270 picture, twice its size, fills the bottom of the window, centred across it.
click() { xdotool mousemove $((X + WIDTH / 2 - 192 + 48 * $2)) $((Y + HEIGHT - 430 + 48 * $1)) click 1; }

# The start-up sound plays as the first balls blink in; then the board takes clicks.
wait_for "the start-up sound" heard_and_over 0
# The selected ball ticks once a second; its move starts just after a tick has ended.
from=$(now) && click "${ball[@]}"
bounced() { (($(now) - from > rate * bounce_ticks)) && listen "$from" && ((ticks + others >= bounce_ticks && $(now) - last > rate / 5)); }
wait_for "$bounce_ticks ticks" bounced
((others == 0)) || fail "$(tail -n +4 "$work/heard")"
from=$(now) && click "${target[@]}"
wait_for "the move's sounds" heard_and_over "$from"
((ticks == move_ticks && others == 1)) || fail "$ticks whole ticks of $move_ticks in the move; $(tail -n +4 "$work/heard")"

xdotool windowfocus --sync "$window" key --clearmodifiers ctrl+q
pid=${started[-1]} && wait_for "the game to end" eval '! kill -0 "$pid" 2>/dev/null'
wait "$pid" || fail "the game ended with status $?"
! grep "ran out of samples" "$work/log" || fail "the sound stream ran dry"
stop_all && ! pgrep -P $$ -l >"$work/left" || fail "left running: $(tr '\n' ' ' <"$work/left")"
echo "PASS ($server): heard the start-up sound, $bounce_ticks ticks of the selected ball and $move_ticks of its move"
