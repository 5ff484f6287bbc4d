#!/usr/bin/env bash
# Plays the real game in a virtual X server against a sound server of its own with a null sink:
#   tests/e2e/run_e2e.sh pulseaudio|pipewire <pebblix> <tick wave>
# Starts the server after the game. Checks on a recording that the start-up sound of a second game,
# then a dozen ticks of a selected ball in the first and the ticks of its move were heard, every tick
# whole; restarts the server and checks the ticks of a second move the same way; then that Ctrl+Q
# ends the game and that nothing it started is left running. Exits 77 when a tool is missing.
set -euo pipefail
server=$1 game=$(realpath "$2") wave=$3 listener=$(dirname "$0")/tick-check.py
readonly skipped=77 rate=11025 patience=30 bounce_ticks=12
# With this seed a ball at (3, 0) moves along row 3 to (3, 8) in 8 steps, then one at (8, 0) along
# row 8 to (8, 8); the three balls that follow each move land elsewhere, and their sound takes the
# place of the move's last tick.
readonly seed=11 ball=(3 0) target=(3 8) second_ball=(8 0) second_target=(8 8) move_ticks=7

fail() { echo "FAIL ($server): $*" >&2 && exit 1; }
[ "$server" = pulseaudio ] && servers=(pulseaudio) || servers=(pipewire pipewire-pulse wireplumber dbus-daemon)
for tool in Xvfb xdotool pactl parec python3 "${servers[@]}"; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: no $tool; tools/install-deps.sh installs it" && exit "$skipped"; }
done

work=$(mktemp -d -t pebblix-e2e.XXXXXX) started=()
# Stops the helpers given, the last first, so that no client but the game sees its server go away.
stop() {
  for ((index = $#; index > 0; --index)); do
    { kill "${!index}"; wait "${!index}"; } 2>/dev/null || true
  done
}
trap 'stop "${started[@]}"; rm -rf "$work"' EXIT && trap 'exit 1' INT TERM
# Through `timeout`, so that no helper outlives a run killed before its clean-up.
launch() { timeout --kill-after=5 100 "$@" 2>>"$work/log" & started+=("$!"); }
# Runs the command every 50 ms until it succeeds; fails after `patience` seconds.
wait_for() {
  local what=$1 deadline=$((SECONDS + patience)) && shift
  until "$@"; do ((SECONDS < deadline)) && sleep 0.05 || fail "gave up waiting for $what"; done
}
# Gives up on a server that does not answer soon: a starting one may never answer.
quiet() { timeout 5 "$@" >/dev/null 2>&1; }

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
else
  # Made by PipeWire itself: loaded through pipewire-pulse it may wait long for WirePlumber.
  mkdir -p "$HOME/.config/pipewire/pipewire.conf.d"
  echo 'context.objects = [ { factory = adapter args = { factory.name = support.null-audio-sink
    node.name = e2e media.class = Audio/Sink audio.position = [ MONO ] } } ]' \
    >"$HOME/.config/pipewire/pipewire.conf.d/e2e.conf"
  launch dbus-daemon --session --nofork --address="$DBUS_SESSION_BUS_ADDRESS"
  wait_for "the session bus" test -S "$work/bus"
fi
PEBBLIX_REGISTRY=$work/registry.sqlite QT_QPA_PLATFORM=xcb launch "$game" --seed "$seed" --scale 2
game_pid=$!
# Starts the server, its null sink and a new recording of it.
start_server() {
  server_from=${#started[@]}
  if [ "$server" = pulseaudio ]; then
    launch pulseaudio --daemonize=no --system=false --exit-idle-time=-1 --use-pid-file=false -nF "$work/default.pa"
  else
    launch pipewire && wait_for "PipeWire" test -S "$work/runtime/pipewire-0" && launch wireplumber
    launch pipewire-pulse
  fi
  # Until WirePlumber is ready PipeWire cannot take a default.
  wait_for "the null sink" quiet pactl set-default-sink e2e
  rm -f "$work/sound.raw" && launch parec -d e2e.monitor --format=s16le --rate=$rate --channels=1 \
    --latency-msec=20 --raw "$work/sound.raw"
  wait_for "the recorder" test -s "$work/sound.raw"
}

now() { echo $(($(stat -c %s "$work/sound.raw") / 2)); }
# Sets ticks (heard whole), others (sounds that are no whole tick) and last (loud sample).
listen() { "$listener" "$work/sound.raw" "$wave" "$1" >"$work/heard" && { read -r ticks && read -r others && read -r last; } <"$work/heard"; }
# Not before a move's 1.1 s of sounds can be over, so as not to take the machine from them.
heard_and_over() { (($(now) - $1 > rate * 2)) && listen "$1" && ((last >= $1 && $(now) - last > rate * 6 / 10)); }
window=$(timeout "$patience" xdotool search --sync --onlyvisible --name '^Pebblix$' | head -1) ||
  fail "the game window did not appear"
eval "$(xdotool getwindowgeometry --shell "$window")"
# The 240 × 270 picture, twice its size, fills the bottom of the window, centred across it.
click() { xdotool mousemove $((X + WIDTH / 2 - 192 + 48 * $2)) $((Y + HEIGHT - 430 + 48 * $1)) click 1; }

bounced() { (($(now) - from > rate * count)) && listen "$from" && ((ticks + others >= count)); }
# The selected ball ticks once a second (last is where the latest began): it moves off 0.2 to 0.5 s
# into a second, well before the next tick.
between_ticks() { local into=$((($(now) - last) % rate)) && ((into > rate / 5 && into < rate / 2)); }
# Selects the ball at $1 $2, checks $5 ticks of it and then the ticks of its move to $3 $4.
play_move() {
  from=$(now) count=$5 && click "$1" "$2" && wait_for "$count ticks" bounced
  ((others == 0)) || fail "$(tail -n +4 "$work/heard")"
  wait_for "a pause between ticks" between_ticks
  from=$(now) && click "$3" "$4" && wait_for "the move's sounds" heard_and_over "$from"
  ((ticks == move_ticks && others == 1)) || fail "$ticks whole ticks of $move_ticks in the move; $(tail -n +4 "$work/heard")"
}
# The first game stays silent until it finds the server. A second one, started meanwhile, plays its
# start-up sound while its connection is being made, and is heard as soon as it stands.
start_server && PEBBLIX_REGISTRY=$work/registry.sqlite QT_QPA_PLATFORM=offscreen launch "$game"
wait_for "the start-up sound" heard_and_over 0 && stop "${started[-1]}"
play_move "${ball[@]}" "${target[@]}" "$bounce_ticks"
stop "${started[@]:server_from}" && start_server && play_move "${second_ball[@]}" "${second_target[@]}" 2

xdotool windowfocus --sync "$window" key --clearmodifiers ctrl+q
wait_for "the game to end" eval '! kill -0 "$game_pid" 2>/dev/null'
wait "$game_pid" || fail "the game ended with status $?"
! grep "ran out of samples" "$work/log" || fail "the sound stream ran dry"
stop "${started[@]}" && ! pgrep -P $$ -l >"$work/left" || fail "left running: $(tr '\n' ' ' <"$work/left")"
echo "PASS ($server): heard the start-up sound, then $bounce_ticks ticks of a selected ball and $move_ticks of its move from a game started before the server, and the same after a restart of the server"
