# SPDX-License-Identifier: MIT
# Sourced by the end-to-end scripts: a work folder with the player's own
# config, data and runtime folders in it, a private X server of the given
# size (start_private_x WIDTHxHEIGHT), with a window manager on it when
# WINDOW_MANAGER names one (openbox: windows are then framed, placed and
# activated as on a desktop), a wait for a window by its title, and the
# clean-up of them all (and of the game, once game_pid is set) when the
# script ends.
work=$(mktemp -d)
xvfb_pid=""
wm_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir -p "$work/config" "$work/run"
chmod 700 "$work/run"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/share" XDG_RUNTIME_DIR="$work/run"
unset QT_QPA_PLATFORM QT_SCALE_FACTOR

start_private_x() {
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$work/display" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || fail "Xvfb did not start"
    export DISPLAY=":$(cat "$work/display")"
    case "${WINDOW_MANAGER:-}" in
    "") ;;
    openbox)
        openbox --sm-disable >"$work/wm.log" 2>&1 &
        wm_pid=$!
        # Running once it owns the screen's window-manager selection.
        for _ in $(seq 100); do
            xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
            kill -0 "$wm_pid" 2>/dev/null || fail "openbox ended: $(cat "$work/wm.log")"
            sleep 0.1
        done
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" ||
            fail "openbox did not start: $(cat "$work/wm.log")"
        ;;
    *) fail "unknown window manager \"$WINDOW_MANAGER\"" ;;
    esac
}

# The visible window with this exact title, waiting up to 20 s; fails with
# the program's log when the program ends first or no such window comes.
window() {
    local id
    for _ in $(seq 200); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        kill -0 "$game_pid" 2>/dev/null || fail "the program ended early: $(cat "$work/game.log")"
        sleep 0.1
    done
    fail "no window \"$1\"; the program said: $(cat "$work/game.log")"
}

# X, Y, WIDTH and HEIGHT of a window's inside on the screen. (xdotool's own
# geometry counts a window manager's frame offset twice.)
geometry() {
    local info
    info=$(xwininfo -id "$1")
    X=$(awk '/Absolute upper-left X/ { print $NF }' <<<"$info")
    Y=$(awk '/Absolute upper-left Y/ { print $NF }' <<<"$info")
    WIDTH=$(awk '/^ *Width:/ { print $NF }' <<<"$info")
    HEIGHT=$(awk '/^ *Height:/ { print $NF }' <<<"$info")
}

# A program folder of its own in the work folder, so that a run writes its
# scores.hgh there: the given programs of bin_dir with the game's data.
game_folder() {
    local bin_dir=$1
    shift
    mkdir -p "$work/game"
    for program in "$@"; do cp "$bin_dir/$program" "$work/game/"; done
    cp "$bin_dir"/*.crp "$bin_dir"/*.WAV "$bin_dir"/*.mid "$bin_dir"/*.gif "$bin_dir"/*.bmp \
       "$bin_dir/README.TXT" "$work/game/"
    cp -r "$bin_dir/flags" "$bin_dir/help" "$work/game/"
}
