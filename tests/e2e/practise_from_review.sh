#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The whole program, as a player on a desktop: a multiple-choice run with
# mistakes started from the main menu, signed in the top ten; then "Practise
# these" in the review must start a practice run of the misses (closing the
# old screen activates the main menu, which must not take the new one with
# it), which ends in its own review and never in the top ten.
# Usage: practise_from_review.sh <bin dir>   (run with WINDOW_MANAGER=openbox)
# SHOTS=<folder> keeps screenshots of each step.
set -euo pipefail

bin_dir=$(cd "$1" && pwd)
. "$(dirname "$0")/private_x.sh"

game_folder "$bin_dir" glomira
start_private_x 1366x768

"$work/game/glomira" >"$work/game.log" 2>&1 &
game_pid=$!

shot() {
    [ -n "${SHOTS:-}" ] && import -window root "$SHOTS/$1.png" 2>/dev/null || true
}
click() {  # window x y (inside the window)
    local X Y WIDTH HEIGHT
    geometry "$1"
    xdotool mousemove $((X + $2)) $((Y + $3)) click 1
}
visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true; }
# Keys 1 to 4 in turn answer every question, until a window of this title comes.
answer_until() {
    local screen=$1 until=$2 found="" i
    xdotool windowfocus --sync "$screen"
    for i in $(seq 400); do
        xdotool key $(( (i - 1) % 4 + 1 ))
        sleep 0.1
        found=$(visible "$until")
        [ -n "$found" ] && break
        [ -n "$(visible '^Multiple choice')" ] || fail "the multiple-choice screen went away"
    done
    echo "$found"
}

welcome=$(window "Welcome")
xdotool windowfocus --sync "$welcome"
xdotool key Return  # English

menu=$(window "Glomira")
sleep 0.5
# Oceania on the small world map, then the last of its exercises, "Capitals
# and countries of Oceania", and Start.
click "$menu" $((7 + 159 + 335)) $((5 + 8 + 106))
sleep 0.3
click "$menu" $((7 + 265 + 40)) $((5 + 148 + 8))
xdotool key End
sleep 0.2
shot "1-menu"
click "$menu" $((7 + 159 + 95)) $((5 + 420 + 17))

multi=$(window "Multiple choice")
top=$(answer_until "$multi" '^High scores$')
[ -n "$top" ] || fail "the run did not reach the top ten"
sleep 0.5
xdotool windowfocus --sync "$top"
xdotool key ctrl+a BackSpace
xdotool type --delay 20 "Tester"
xdotool key Return

review=$(window "Review: Capitals and countries of Oceania")
sleep 0.5
shot "2-review"
geometry "$review"
xdotool mousemove $((X + 40)) $((Y + HEIGHT - 20)) click 1  # "Practise these"
sleep 2
shot "3-practice"
practice=$(visible '^Multiple choice – Practice')
[ -n "$practice" ] || fail "\"Practise these\" started no practice: $(cat "$work/game.log")"
[ -z "$(visible '^Review: ')" ] || fail "the review stayed open"
second=$(answer_until "$practice" '^Review: ')
[ -n "$second" ] || fail "the practice run ended in no review"
[ -z "$(visible '^High scores$')" ] || fail "the practice run opened the top ten"
shot "4-practice-review"
[ -n "$(visible '^Glomira$')" ] || fail "the main menu is gone"
signed=$(tr -d '\r' <"$work/game/scores.hgh" | grep -cx "Tester" || true)
[ "$signed" -eq 1 ] || fail "$signed results signed Tester in scores.hgh"
echo "\"Practise these\" ran a practice of the misses from the main menu's run"
