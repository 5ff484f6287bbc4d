#!/usr/bin/env bash
# Plays a seeded game by keys only, in a virtual X server with the accessibility bus:
#   tests/a11y/run_a11y.sh speech en|de <pebblix>   checks what the screen reader Orca speaks
#   tests/a11y/run_a11y.sh tree en <pebblix>        reads the board's cells over AT-SPI instead
# Exits 77 when a tool is missing. The session bus starts the accessibility bus when asked.
set -euo pipefail
mode=$1 language=$2 game=$(realpath "$3") here=$(dirname "$(realpath "$0")")
readonly skipped=77 patience=60
# A Squares game with this seed starts with green balls at (0, 7) and (7, 7), a light blue one at
# (7, 3). The first green ball goes to (1, 4); the new balls land round (0, 6), walling it in. The
# other green ball finds no way there, and at (2, 5) completes a square standing on its corner.
readonly seed=212 lines_type="x'00000000'" squares_type="x'01000000'"
# Each step: a key, what the English and the German game then say, the board once it is done.
steps=(
  "Prior|empty, row 1, column 5|leer, Zeile 1, Spalte 5"
  "End|empty, row 1, column 9|leer, Zeile 1, Spalte 9"
  "Left|green ball, row 1, column 8|grüne Kugel, Zeile 1, Spalte 8"
  "Return|green ball picked|grüne Kugel aufgenommen"
  "Down|empty, row 2, column 8|leer, Zeile 2, Spalte 8"
  "Left|empty, row 2, column 7|leer, Zeile 2, Spalte 7"
  "Left|empty, row 2, column 6|leer, Zeile 2, Spalte 6"
  "Left|empty, row 2, column 5|leer, Zeile 2, Spalte 5"
  "Return|green ball arrives at row 2, column 5. New balls: green ball at row 1, column 6; light blue ball at row 1, column 8; green ball at row 2, column 7. Next balls: light blue, green, yellow|grüne Kugel erreicht Zeile 2, Spalte 5. Neue Kugeln: grüne Kugel auf Zeile 1, Spalte 6; hellblaue Kugel auf Zeile 1, Spalte 8; grüne Kugel auf Zeile 2, Spalte 7. Nächste Kugeln: hellblau, grün, gelb|.....5.1./....5.5//////...1...5"
  "Next|empty, row 9, column 5|leer, Zeile 9, Spalte 5"
  "Up|empty, row 8, column 5|leer, Zeile 8, Spalte 5"
  "End|empty, row 8, column 9|leer, Zeile 8, Spalte 9"
  "Left|green ball, row 8, column 8|grüne Kugel, Zeile 8, Spalte 8"
  "Return|green ball picked|grüne Kugel aufgenommen"
  "Prior|light blue ball, row 1, column 8|hellblaue Kugel, Zeile 1, Spalte 8"
  "Left|empty, row 1, column 7|leer, Zeile 1, Spalte 7"
  "Return|No free path there|Dorthin ist kein Weg frei"
  "Down|green ball, row 2, column 7|grüne Kugel, Zeile 2, Spalte 7"
  "Down|empty, row 3, column 7|leer, Zeile 3, Spalte 7"
  "Left|empty, row 3, column 6|leer, Zeile 3, Spalte 6"
  "Return|green ball arrives at row 3, column 6. Figure removed, 4 points, score 4|grüne Kugel erreicht Zeile 3, Spalte 6. Figur entfernt, 4 Punkte, Punktestand 4|.......1.///////...1"
  "s|Squares, score 4|Quadrate, Punktestand 4"
  "n|Next balls: light blue, green, yellow|Nächste Kugeln: hellblau, grün, gelb"
)

fail() {
  echo "FAIL ($mode, $language): $*" >&2
  tail -n 20 "$work/log" "$work/orca.log" 2>/dev/null >&2 || true
  exit 1
}
tools=(Xvfb xdotool dbus-daemon sqlite3 /usr/libexec/at-spi-bus-launcher)
[ "$mode" = speech ] && tools+=(orca) || tools+=(/usr/bin/python3)
for tool in "${tools[@]}"; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: no $tool; tools/install-deps.sh installs it" && exit "$skipped"; }
done
/usr/bin/python3 -c "import pyatspi" 2>/dev/null || { echo "SKIPPED: no pyatspi; tools/install-deps.sh installs it" && exit "$skipped"; }

work=$(mktemp -d -t pebblix-a11y.XXXXXX) started=()
# Orca is not our child, so it is waited for by polling: the next run's Orca refuses to start
# while another one of this user is still there.
stop() {
  kill "$1" 2>/dev/null || return 0
  for _ in {1..100}; do kill -0 "$1" 2>/dev/null || return 0; sleep 0.05; done
  kill -KILL "$1" 2>/dev/null || true
}
stop_all() {
  for ((index = ${#started[@]} - 1; index >= 0; --index)); do stop "${started[index]}"; done
  wait 2>/dev/null || true
}
trap 'stop_all; rm -rf "$work"' EXIT && trap 'exit 1' INT TERM
launch() { timeout --kill-after=5 280 "$@" 2>>"$work/log" & started+=("$!"); }
wait_for() {
  local what=$1 deadline=$((SECONDS + patience)) && shift
  until "$@"; do ((SECONDS < deadline)) && sleep 0.05 || fail "gave up waiting for $what"; done
}

mkdir -m 700 "$work/home" "$work/runtime" "$work/orca"
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime DBUS_SESSION_BUS_ADDRESS=unix:path=$work/bus
export PEBBLIX_REGISTRY=$work/registry.sqlite QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_STATE_HOME
launch Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display"
wait_for "the X server" grep -q . "$work/display"
export DISPLAY=:$(<"$work/display")
launch dbus-daemon --session --nofork --address="$DBUS_SESSION_BUS_ADDRESS"
wait_for "the session bus" test -S "$work/bus"

# Starts the game and gives its window the keyboard.
play() {
  LANGUAGE=$language launch "$game" --seed "$seed" --scale 2
  window=$(timeout "$patience" xdotool search --sync --onlyvisible --name '^Pebblix$' | head -1) ||
    fail "the game window did not appear"
  xdotool windowfocus --sync "$window"
}
# The options are stored at Exit; the game starts again as a Squares game.
play && xdotool key ctrl+q
wait_for "the game to end" eval '! kill -0 "${started[-1]}" 2>/dev/null'
sqlite3 "$PEBBLIX_REGISTRY" "UPDATE registry_values SET data = $squares_type WHERE name = 'GameType' AND data = $lines_type"

spoken() { grep -F "SPEECH OUTPUT: '$1" "$work/orca.log" | tail -n +$((${2:-0} + 1)) | grep -q .; }
other_orca() { pgrep -u "$(id -u)" -x orca >/dev/null; }
if [ "$mode" = speech ]; then
  # A run just before may still be stopping its Orca; a screen reader the user runs is left alone.
  for _ in {1..200}; do other_orca && sleep 0.05 || break; done
  other_orca && echo "SKIPPED: another Orca of this user is running" && exit "$skipped"
  # Orca writes its log through a terminal, which it flushes line by line.
  launch script -qfc "exec orca --debug-file=/dev/tty -u '$work/orca'" "$work/orca.log" </dev/null >/dev/null
  wait_for "Orca" grep -qs "SPEECH OUTPUT" "$work/orca.log"
  # A screen reader outlives the terminal it was started in; it is stopped by its own number.
  started+=("$(pgrep -f -- "--debug-file=/dev/tty -u $work/orca")")
fi
play
# Qt joins the accessibility bus in the background; the keys wait for the board to be seen there.
if [ "$mode" = speech ]; then wait_for "the board" spoken "table with 9 rows"
else "$here/board-tree.py" ".......5.///////...1...5" "$patience" || fail "no board on the accessibility bus"; fi
for step in "${steps[@]}"; do
  IFS='|' read -r key english german board <<<"$step"
  said=$([ "$language" = en ] && echo "$english" || echo "$german")
  before=$([ "$mode" = tree ] || grep -cF "SPEECH OUTPUT: '$said" "$work/orca.log" || true)
  xdotool key "$key"
  [ "$mode" = tree ] || wait_for "\"$said\" after $key" spoken "$said" "$before"
  [ "$mode" = speech ] || [ -z "$board" ] || "$here/board-tree.py" "$board" "$patience" || fail "after $key"
done
echo "PASS ($mode, $language): ${#steps[@]} keys"
