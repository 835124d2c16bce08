#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The package unpacked into a folder of its own starts through its launcher
# link under a private X server, asks for the language, opens the main
# menu, and logs no data file it could not read.
# Usage: start-unpacked.sh <package folder>
set -euo pipefail
out=$1
. "$(dirname "$0")/package-common.sh"
find_package_file "$out" Xvfb xdotool
. "$(dirname "$0")/../e2e/private_x.sh"

dpkg-deb -x "$deb" "$work/root"
start_private_x 1280x1024
# The data files' log says which file failed; name the category on each line.
export QT_MESSAGE_PATTERN='%{category}: %{message}'
"$work/root/usr/bin/glomira" >"$work/game.log" 2>&1 &
game_pid=$!

welcome=$(window "Welcome")
xdotool windowfocus --sync "$welcome"
xdotool key Return  # English is chosen at first
window "Glomira" >/dev/null
sleep 1
kill -0 "$game_pid" 2>/dev/null || fail "the program ended: $(cat "$work/game.log")"
failed=$(grep -E '^glomira\.data: |not found|[Cc]annot open|[Cc]ould not' "$work/game.log" || true)
[ -z "$failed" ] || fail "the unpacked program could not read its data: $failed"
echo "the unpacked package started through /usr/bin/glomira, asked for the language" \
     "and opened the main menu; nothing failed in its log"
