#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Plays map exercises to the end with real X clicks on a 1366 x 768 screen:
# for each question glomira-play --answers says where the answer lies, and
# the click goes there; small countries are clicked inside their markers.
# Usage: play_maps_by_clicks.sh <bin dir> <exercise> [min markers] ...
# (pairs of an exercise number and the fewest marker clicks its run needs).
# SHOTS=<folder> keeps a screenshot of each map halfway and at the end.
set -euo pipefail

bin_dir=$(cd "$1" && pwd)
shift
. "$(dirname "$0")/private_x.sh"

# A program folder of its own: the runs write scores.hgh beside the program.
mkdir -p "$work/data"
cp "$bin_dir/glomira-play" "$bin_dir"/*.crp "$bin_dir"/*.WAV "$bin_dir"/*.mid "$bin_dir"/*.gif \
   "$bin_dir"/*.bmp "$work/data/"
start_private_x 1366x768

shot() {
    [ -n "${SHOTS:-}" ] && import -window root "$SHOTS/$1.png" 2>/dev/null || true
}

play() {  # exercise, fewest marker clicks
    local exercise=$1 least=$2 out="$work/answers-$1" window="" asked=0 markers=0 seen=0
    : >"$out"
    "$work/data/glomira-play" -d "$work/data" --answers "$exercise" >"$out" 2>"$work/log-$1" &
    game_pid=$!
    local total
    total=$(awk -v n="$exercise" '$1 == n' <("$work/data/glomira-play" -d "$work/data" --list) | wc -l)
    [ "$total" -eq 1 ] || fail "no exercise $exercise"
    for _ in $(seq 1200); do
        kill -0 "$game_pid" 2>/dev/null || fail "exercise $exercise ended early: $(cat "$work/log-$1")"
        local lines
        lines=$(wc -l <"$out")
        if [ "$lines" -le "$seen" ]; then sleep 0.05; continue; fi
        seen=$((seen + 1))
        local line
        line=$(sed -n "${seen}p" "$out")
        case "$line" in
        "end "*)
            [ "${line#end }" = 100 ] || fail "exercise $exercise ended at ${line#end } %"
            [ "$markers" -ge "$least" ] || fail "exercise $exercise: $markers marker clicks, $least expected"
            echo "exercise $exercise: $asked questions answered by click, $markers inside a marker, 100 %"
            sleep 0.5
            shot "exercise-$exercise-end"
            kill "$game_pid"
            wait "$game_pid" 2>/dev/null || true
            game_pid=""
            return 0
            ;;
        esac
        local question=${line%%$'\t'*} where=${line#*$'\t'}
        [ "$where" != "-" ] || fail "exercise $exercise: nothing on the map answers \"$question\""
        [ -n "$window" ] || window=$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | head -1)
        local X Y WIDTH HEIGHT
        geometry "$window"
        set -- $where
        asked=$((asked + 1))
        [ "${3:-}" = marker ] && markers=$((markers + 1))
        [ "$asked" -eq 20 ] && shot "exercise-$exercise-halfway"
        xdotool mousemove $((X + $1)) $((Y + $2)) click 1
    done
    fail "exercise $exercise did not end; its last lines: $(cat "$out" | tr "\n" "|")"
}

while [ $# -ge 2 ]; do
    play "$1" "$2"
    shift 2
done
