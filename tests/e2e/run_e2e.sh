#!/usr/bin/env bash
# Plays the real game in a virtual X server (Xvfb) against a sound server of its own:
#   tests/e2e/run_e2e.sh pulseaudio|pipewire <pebblix> <tick_check> <tick wave>
# Clicks a ball and a free cell, checks on a screenshot that the ball moved and on a recording of
# the server's null sink that the start-up sound, a dozen ticks of the selected ball and the ticks
# of its move were heard, every tick whole. Leaves with Ctrl+Q and makes sure nothing it started
# is left running. Exits 77 when a tool is missing.
set -euo pipefail

server=$1 game=$(realpath "$2") check=$3 wave=$4
readonly skipped=77 scale=2 rate=11025 patience=30
# With this seed the first balls include a ball at (3, 0), and the three balls after its move
# along row 3 to (3, 8) all land elsewhere. The last tick of the move gives way to their sound.
readonly seed=11 ball=(3 0) target=(3 8) move_ticks=7 bounce_ticks=12

fail() {
  echo "FAIL ($server): $*" >&2
  exit 1
}

tools=(Xvfb xdotool pactl parec import convert sqlite3)
[ "$server" = pulseaudio ] && tools+=(pulseaudio) || tools+=(pipewire pipewire-pulse wireplumber dbus-daemon)
for tool in "${tools[@]}"; do
  command -v "$tool" >/dev/null ||
    { echo "SKIPPED: $tool is missing; tools/install-deps.sh installs it"; exit "$skipped"; }
done

work=$(mktemp -d -t pebblix-e2e.XXXXXX)
started=()
# Stops what was started, the last first, so that no client sees its server go away.
stop_all() {
  local index
  for ((index = ${#started[@]} - 1; index >= 0; --index)); do
    kill "${started[index]}" 2>/dev/null || true
    wait "${started[index]}" 2>/dev/null || true
  done
  started=()
}
trap 'stop_all; rm -rf "$work"' EXIT
trap 'exit 1' INT TERM

# Every helper goes through `timeout`, so none outlives a run killed before its clean-up.
launch() {
  timeout --kill-after=5 100 "$@" &
  started+=("$!")
}
# Runs the command every 50 ms until it succeeds; fails after `patience` seconds.
wait_for() {
  local what=$1 deadline=$((SECONDS + patience))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || fail "gave up waiting for $what"
    sleep 0.05
  done
}

# A private home, runtime folder and session bus: nothing of the user's is read or written.
mkdir -m 700 "$work/home" "$work/runtime"
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime DBUS_SESSION_BUS_ADDRESS=unix:path=$work/bus
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_STATE_HOME
echo "autospawn = no" >"$work/client.conf"
export PULSE_CLIENTCONFIG=$work/client.conf PULSE_SERVER=unix:$work/runtime/pulse/native

launch Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display"
wait_for "the X server" grep -q . "$work/display"
export DISPLAY=:$(<"$work/display")

if [ "$server" = pulseaudio ]; then
  printf '%s\n' "load-module module-native-protocol-unix socket=$work/runtime/pulse/native" \
    "load-module module-null-sink sink_name=e2e norewinds=1" >"$work/default.pa"
  mkdir "$work/runtime/pulse"
  launch pulseaudio --daemonize=no --system=false --disallow-exit --exit-idle-time=-1 \
    --use-pid-file=false -n -F "$work/default.pa" --log-target=file:"$work/server.log"
else
  launch dbus-daemon --session --nofork --address="$DBUS_SESSION_BUS_ADDRESS"
  wait_for "the session bus" test -S "$work/bus"
  launch pipewire
  launch wireplumber
  launch pipewire-pulse
fi
wait_for "the sound server" pactl info >/dev/null 2>&1
[ "$server" = pulseaudio ] || pactl load-module module-null-sink sink_name=e2e >/dev/null
pactl set-default-sink e2e

launch parec --device=e2e.monitor --format=s16le --rate=$rate --channels=1 --latency-msec=20 \
  --raw "$work/sound.raw"
wait_for "the recorder" test -s "$work/sound.raw"

export PEBBLIX_REGISTRY=$work/registry.sqlite QT_QPA_PLATFORM=xcb QT_LOGGING_RULES=pebblix.sound=true
launch "$game" --seed "$seed" --scale "$scale" 2>"$work/game.log"
game_pid=${started[-1]}

now() { echo $(($(stat -c %s "$work/sound.raw") / 2)); }
# Whole ticks, other sounds and the last loud sample of the recording from the given sample on.
listen() { "$check" "$work/sound.raw" "$wave" "$1" >"$work/heard"; read -r ticks others last <"$work/heard"; }
# Whether something was heard from the given sample on and has been over for 600 ms.
heard_and_over() { listen "$1"; ((last >= $1 && $(now) - last > rate * 6 / 10)); }

window_id=$(timeout "$patience" xdotool search --sync --onlyvisible --name '^Pebblix$' | head -1 || true)
[ -n "$window_id" ] || fail "the game window did not appear"
eval "$(xdotool getwindowgeometry --shell "$window_id")"
# The picture fills the bottom of the window, centred across it.
screen_point() { echo "$((X + (WIDTH - 240 * scale) / 2 + scale * $1)) $((Y + HEIGHT - 270 * scale + scale * $2))"; }
cell_centre() { screen_point $((24 + 24 * $2)) $((55 + 24 * $1)); }
# A point on the ball's body, clear of its face; empty cells are black there.
colour_at() {
  local x y
  read -r x y < <(screen_point $((24 + 24 * $2)) $((51 + 24 * $1)))
  convert "$work/screen.png" -format "%[hex:p{$x,$y}]" info:
}

# The start-up sound plays as the first balls blink in; then the board takes clicks.
wait_for "the start-up sound" heard_and_over 0
import -window root "$work/screen.png"
ball_colour=$(colour_at "${ball[@]}")
[ "$ball_colour" != 000000 ] || fail "no ball at (${ball[*]}) on the seeded board"
[ "$(colour_at "${target[@]}")" = 000000 ] || fail "the target (${target[*]}) is not free"

# The selected ball ticks once a second; its move starts just after a tick has ended.
from=$(now)
xdotool mousemove $(cell_centre "${ball[@]}") click 1
bounced() { listen "$from"; ((ticks + others >= bounce_ticks && $(now) - last > rate / 5)); }
wait_for "$bounce_ticks ticks" bounced
((others == 0)) || fail "$(tail -n +2 "$work/heard")"
from=$(now)
xdotool mousemove $(cell_centre "${target[@]}") click 1
moved() {
  import -window root "$work/screen.png"
  [ "$(colour_at "${ball[@]}")" = 000000 ] && [ "$(colour_at "${target[@]}")" = "$ball_colour" ]
}
wait_for "the ball to arrive on screen" moved
wait_for "the move's sounds" heard_and_over "$from"
((ticks == move_ticks && others == 1)) ||
  fail "heard $ticks whole ticks of $move_ticks in the move: $(tail -n +2 "$work/heard")"

xdotool windowfocus --sync "$window_id" key --clearmodifiers ctrl+q
game_ended() { ! kill -0 "$game_pid" 2>/dev/null; }
wait_for "the game to end" game_ended
wait "$game_pid" || fail "the game ended with status $?"
[ "$(sqlite3 "$PEBBLIX_REGISTRY" "SELECT count(*) FROM registry_values WHERE name = 'Anim'")" = 1 ] ||
  fail "Exit did not save the options"
! grep -i "underrun\|ran out" "$work/game.log" "$work/server.log" 2>/dev/null || fail "the stream ran dry"

stop_all
if pgrep -P $$ -l >"$work/left"; then
  fail "left running: $(tr '\n' ' ' <"$work/left")"
fi
echo "PASS ($server): the ball moved; heard the start-up sound, $bounce_ticks and $move_ticks whole ticks"
