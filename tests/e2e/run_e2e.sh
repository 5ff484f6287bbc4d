#!/usr/bin/env bash
# Plays one move of the real game in a virtual X server (Xvfb) with a PulseAudio null sink:
#   tests/e2e/run_e2e.sh <pebblix-executable>
# Clicks a ball and a free cell, checks on a screenshot that the ball moved, checks on a
# recording of the sink that the start-up sound and the move's ticks were heard, then leaves with
# Ctrl+Q and makes sure nothing it started is left running. Exits 77 when a tool is missing.
set -euo pipefail

game=$(realpath "$1")
readonly skipped=77
readonly scale=2
# With this seed the first balls include a ball at (3, 0), and the three balls after its move
# along row 3 to (3, 8) all land elsewhere.
readonly seed=11
readonly ball=(3 0) target=(3 8) steps=8
# A loaded machine may run some of the ticks together or drop one; a few must stand apart.
readonly ticks_needed=3
readonly rate=11025
# Longest wait for anything to happen; the whole run takes a few seconds.
readonly patience=20

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

for tool in Xvfb xdotool pulseaudio pactl parec import convert sqlite3; do
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
cleanup() {
  stop_all
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# Every helper process is started through `timeout`, so none outlives a test run that was
# killed before its cleanup could run.
launch() {
  timeout --kill-after=5 80 "$@" &
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

# A private home and runtime folder for everyone: nothing of the user's is read or written.
mkdir -m 700 "$work/home" "$work/runtime"
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
unset XDG_CONFIG_HOME XDG_DATA_HOME
# No session bus: without an address the bus library would try to launch one for the display
# (and leaks memory on the way).
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus

launch Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display"
wait_for "the X server" grep -q . "$work/display"
DISPLAY=:$(<"$work/display")
export DISPLAY

# A daemon of our own, also when running as root, whose default sink is a null sink.
cat >"$work/default.pa" <<PA
load-module module-native-protocol-unix socket=$work/pulse auth-anonymous=1
load-module module-null-sink sink_name=e2e rate=44100 channels=2
set-default-sink e2e
PA
echo "autospawn = no" >"$work/client.conf"
export PULSE_SERVER=unix:$work/pulse PULSE_CLIENTCONFIG=$work/client.conf
launch pulseaudio --daemonize=no --system=false --disallow-exit --exit-idle-time=-1 \
  --disallow-module-loading=no --use-pid-file=false -n -F "$work/default.pa" --log-target=stderr \
  --log-level=error
wait_for "the sound server" pactl info >/dev/null 2>&1

launch parec --device=e2e.monitor --format=s16le --rate=$rate --channels=1 --latency-msec=20 \
  --raw "$work/sound.raw"
wait_for "the recorder" test -s "$work/sound.raw"

export PEBBLIX_REGISTRY=$work/registry.sqlite QT_QPA_PLATFORM=xcb
launch "$game" --seed "$seed" --scale "$scale"
game_pid=${started[-1]}

# Reads the recording from the given 10 ms window on and prints how many windows were loud, how
# many ticks were heard (bursts of 20 to 70 ms between silences) before the first longer sound,
# and how many windows have passed since the last loud one.
listen() {
  od -An -v -td2 -w2 "$work/sound.raw" | awk -v from="$1" -v size=$((rate / 100)) '
    {
      sum += $1 * $1
      if (++count < size) next
      if (window >= from) {
        if (sqrt(sum / count) > 300) {
          ++loud; ++run; last = window
          if (run > 10) long = 1
        } else {
          if (run >= 2 && run <= 7 && !long) ++ticks
          run = 0
        }
      }
      ++window; sum = 0; count = 0
    }
    END { print loud + 0, ticks + 0, (loud ? window - 1 - last : window - from) }'
}
window_now() { echo $(($(stat -c %s "$work/sound.raw") / 2 / (rate / 100))); }
# Whether something was heard from the window on and has been over for 600 ms.
heard_and_over() {
  local loud ticks quiet
  read -r loud ticks quiet < <(listen "$1")
  ((loud > 0 && quiet >= 60))
}

window_id=$(timeout "$patience" xdotool search --sync --onlyvisible --name '^Pebblix$' | head -1 ||
  true)
[ -n "$window_id" ] || fail "the game window did not appear"
eval "$(xdotool getwindowgeometry --shell "$window_id")"
# The picture fills the bottom of the window, centred across it.
picture_left=$((X + (WIDTH - 240 * scale) / 2))
picture_top=$((Y + HEIGHT - 270 * scale))
# Screen point of a client point of the picture.
screen_point() { echo "$((picture_left + scale * $1)) $((picture_top + scale * $2))"; }
cell_centre() { screen_point $((24 + 24 * $2)) $((55 + 24 * $1)); }
# A point on the ball's body, clear of its face; empty cells are black there.
cell_body() { screen_point $((24 + 24 * $2)) $((51 + 24 * $1)); }
colour_at() {
  local x y
  read -r x y < <(cell_body "$1" "$2")
  convert "$work/screen.png" -format "%[hex:p{$x,$y}]" info:
}
is_black() { [ "$1" = 000000 ]; }

# The start-up sound plays as the first balls begin to blink in; half a second later they are
# in place and the board takes clicks.
wait_for "the start-up sound" heard_and_over 0
import -window root "$work/screen.png"
ball_colour=$(colour_at "${ball[@]}")
! is_black "$ball_colour" || fail "no ball at (${ball[*]}) on the seeded board"
is_black "$(colour_at "${target[@]}")" || fail "the target (${target[*]}) is not free"
read -r loud _ _ < <(listen 0)
((loud >= 15)) || fail "the start-up sound lasted only $((loud * 10)) ms"

move_window=$(window_now)
# shellcheck disable=SC2046 # two numbers, x and y
xdotool mousemove $(cell_centre "${ball[@]}") click 1 mousemove $(cell_centre "${target[@]}") click 1
moved() {
  import -window root "$work/screen.png"
  is_black "$(colour_at "${ball[@]}")" && [ "$(colour_at "${target[@]}")" = "$ball_colour" ]
}
wait_for "the ball to arrive on screen" moved
wait_for "the move's sounds" heard_and_over "$move_window"
read -r _ ticks _ < <(listen "$move_window")
((ticks >= ticks_needed)) || fail "heard $ticks ticks of a $steps-step move"

xdotool windowfocus --sync "$window_id" key --clearmodifiers ctrl+q
game_ended() { ! kill -0 "$game_pid" 2>/dev/null; }
wait_for "the game to end" game_ended
wait "$game_pid" || fail "the game ended with status $?"
[ "$(sqlite3 "$PEBBLIX_REGISTRY" "SELECT count(*) FROM registry_values WHERE name = 'Anim'")" = 1 ] ||
  fail "Exit did not save the options"

stop_all
if pgrep -P $$ -l >"$work/left"; then
  fail "left running: $(tr '\n' ' ' <"$work/left")"
fi
echo "PASS: the ball moved on screen; heard the start-up sound and $ticks ticks"
