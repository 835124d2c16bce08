#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A run with mistakes, played with real clicks on a 1366 x 768 screen: the
# first questions are answered wrong once (glomira-play --misses), the
# result is signed in the top-ten form, the review lists the misses, a
# picked line is shown on the map, and "Practise these" runs a practice of
# exactly those items, which ends in its own review and never in the top ten.
# Usage: review_and_practise.sh <bin dir> <exercise> <misses>
# SHOTS=<folder> keeps screenshots of the reviews and the practice run.
set -euo pipefail

bin_dir=$(cd "$1" && pwd)
exercise=$2
misses=$3
. "$(dirname "$0")/private_x.sh"

# A program folder of its own, so the run writes scores.hgh there.
mkdir -p "$work/game"
cp "$bin_dir/glomira-play" "$bin_dir"/*.crp "$bin_dir"/*.WAV "$bin_dir"/*.mid "$bin_dir"/*.gif \
   "$bin_dir"/*.bmp "$work/game/"
cp -r "$bin_dir/flags" "$work/game/"
start_private_x 1366x768

shot() {
    [ -n "${SHOTS:-}" ] && import -window root "$SHOTS/$1.png" 2>/dev/null || true
}
# The visible window whose title matches, waiting up to 10 s; empty if none.
window_named() {
    local id=""
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && break
        sleep 0.1
    done
    echo "$id"
}

out="$work/answers"
: >"$out"
"$work/game/glomira-play" --answers --misses "$misses" "$exercise" >"$out" \
    2>"$work/log" &
game_pid=$!

seen=0 run=1 window="" questions=0 wrong=0
declare -a asked=(0 0 0) missed=(0 0 0)
for _ in $(seq 3000); do
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended early: $(cat "$work/log")"
    if [ "$(wc -l <"$out")" -le "$seen" ]; then sleep 0.05; continue; fi
    seen=$((seen + 1))
    line=$(sed -n "${seen}p" "$out")
    case "$line" in
    "end "*)
        percent=${line#end }
        echo "run $run: ${asked[$run]} questions, ${missed[$run]} missed once, $percent %"
        [ "${missed[$run]}" -gt 0 ] || fail "run $run: no question was missed"
        [ "$percent" -lt 100 ] || fail "run $run: missed questions, yet $percent %"
        sleep 1
        if [ "$run" -eq 1 ]; then
            top=$(window_named "^High scores\$")
            [ -n "$top" ] || fail "the full run did not reach the top ten"
            xdotool windowfocus --sync "$top"
            xdotool key ctrl+a BackSpace
            xdotool type --delay 20 "Tester"
            xdotool key Return
            sleep 1
        else
            [ -z "$(xdotool search --onlyvisible --name '^High scores$' 2>/dev/null || true)" ] ||
                fail "the practice run opened the top ten"
        fi
        review=$(window_named "^Review: ")
        [ -n "$review" ] || fail "run $run: no review"
        sleep 0.5
        shot "review-$run"
        if [ "$run" -eq 2 ]; then
            [ "${asked[2]}" -eq "${missed[1]}" ] ||
                fail "the practice asked ${asked[2]} items, the run missed ${missed[1]}"
            break
        fi
        geometry "$review"
        # The first line of the list, shown on the map; then "Practise these", at the lower left.
        xdotool mousemove $((X + 60)) $((Y + 90)) click 1
        sleep 1
        shot "review-shows-an-item"
        sleep 2.5
        xdotool mousemove $((X + 40)) $((Y + HEIGHT - 20)) click 1
        run=2
        window=""
        sleep 1
        continue
        ;;
    esac
    where=${line#*$'\t'}
    [ "$where" != "-" ] || fail "nothing on the map answers \"${line%%$'\t'*}\""
    [ -n "$window" ] || window=$(xdotool search --onlyvisible --pid "$game_pid" --name "^Glomira" 2>/dev/null | head -1)
    geometry "$window"
    set -- $where
    if [ "${3:-}" = miss ]; then
        missed[$run]=$((missed[$run] + 1))
    else
        asked[$run]=$((asked[$run] + 1))
        [ "$run" -eq 2 ] && [ "${asked[2]}" -eq 1 ] && shot "practice-run"
    fi
    xdotool mousemove $((X + $1)) $((Y + $2)) click 1
    sleep 0.05
done
[ "$run" -eq 2 ] || fail "the practice run did not end"

# Only the full run is in the list: exactly one result signed Tester.
[ -f "$work/game/scores.hgh" ] || fail "no scores.hgh written"
signed=$(tr -d '\r' <"$work/game/scores.hgh" | grep -cx "Tester" || true)
[ "$signed" -eq 1 ] || fail "$signed results signed Tester in scores.hgh"
echo "the practice run was reviewed and never entered the top ten"
