#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the screenshots in packaging/screenshots with the program itself, on
# a private X server as the end-to-end tests run it: the main menu, Countries
# of Europe partly answered, and the first flag exercise of Europe. Needs a
# build (make build), Xvfb, xdotool and ImageMagick.
# Usage: packaging/make-screenshots.sh [program folder, default build/bin]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin_dir=$(cd "${1:-$root/build/bin}" && pwd)
shots=$root/packaging/screenshots
. "$root/tests/e2e/private_x.sh"

# A program folder of its own, so no score file lands in the build.
mkdir -p "$work/game" "$shots"
cp "$bin_dir/glomira" "$bin_dir/glomira-play" "$bin_dir"/*.crp "$bin_dir"/*.WAV "$bin_dir"/*.mid \
   "$bin_dir"/*.gif "$bin_dir"/*.bmp "$bin_dir/README.TXT" "$work/game/"
cp -r "$bin_dir/flags" "$bin_dir/flags2x" "$bin_dir/help" "$work/game/"
start_private_x 1366x768

window() {  # the visible window of the running program with this title
    local id
    for _ in $(seq 200); do
        id=$(xdotool search --all --onlyvisible --pid "$game_pid" --name "^$1\$" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        kill -0 "$game_pid" 2>/dev/null || fail "the program ended early"
        sleep 0.1
    done
    fail "no window \"$1\""
}
shoot() {  # window, picture name: the window's part of the screen, without metadata
    local X Y WIDTH HEIGHT SCREEN WINDOW
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$1")"
    import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage -strip "$shots/$2.png"
    echo "$shots/$2.png: $(identify -format '%wx%h' "$shots/$2.png"), $(stat -c %s "$shots/$2.png") bytes"
}
stop() {
    kill "$game_pid"
    wait "$game_pid" 2>/dev/null || true
    game_pid=""
}

# The main menu with Europe's first exercise chosen.
"$work/game/glomira" >"$work/menu.log" 2>&1 &
game_pid=$!
welcome=$(window "Welcome")
# English is chosen at first; the window may take a moment before it takes keys.
for _ in $(seq 50); do
    xdotool search --onlyvisible --name "^Welcome\$" >/dev/null 2>&1 || break
    xdotool windowfocus --sync "$welcome" key Return 2>/dev/null || true
    sleep 0.3
done
menu=$(window "Glomira")
eval "$(xdotool getwindowgeometry --shell "$menu")"
xdotool mousemove $((X + 7 + 265 + 40)) $((Y + 5 + 148 + 8)) click 1
shoot "$menu" main-menu
stop

# Countries of Europe with its first questions answered where the answers lie.
"$work/game/glomira-play" -d "$work/game" --answers 1 >"$work/answers" 2>"$work/play.log" &
game_pid=$!
map=$(window "Glomira")
answered=0
for _ in $(seq 600); do
    line=$(sed -n "$((answered + 1))p" "$work/answers")
    if [ -z "$line" ]; then sleep 0.05; continue; fi
    [ "$answered" -eq 12 ] && break
    eval "$(xdotool getwindowgeometry --shell "$map")"
    set -- ${line#*$'\t'}
    xdotool mousemove $((X + $1)) $((Y + $2)) click 1
    answered=$((answered + 1))
done
[ "$answered" -eq 12 ] || fail "Countries of Europe: only $answered questions answered: $(cat "$work/play.log")"
shoot "$map" map-exercise
stop

# The flags of Europe at their first question.
"$work/game/glomira-play" -d "$work/game" 9 >/dev/null 2>"$work/flags.log" &
game_pid=$!
flags=$(window "Glomira")
shoot "$flags" flag-exercise
stop
