# Shared by the end-to-end tests: an X server of the test's own, the recording
# build of the maker's library, and helpers to find windows and take pictures.
# Source it with the build folder as $1.
set -euo pipefail
BUILD=$(cd "${1:?build folder}" && pwd)
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
WORK=$(mktemp -d /tmp/e2e.XXXXXX)
export HOME=$WORK/home XDG_CONFIG_HOME=$WORK/home/.config XDG_RUNTIME_DIR=$WORK/run
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export FERNWICK_SPLASH_LOG=$WORK/splash.log
export LD_LIBRARY_PATH=$BUILD/lib-recording
export QT_QPA_PLATFORM=xcb
unset QT_QPA_PLATFORMTHEME
PIDS=()

cleanup() {
    local status=$?
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    if [ $status -ne 0 ] && [ -d "$WORK" ]; then
        echo "e2e: failed; pictures and logs kept in $WORK" >&2
    else
        rm -rf "$WORK"
    fi
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# start_x: an Xvfb of our own on a display number it picks itself (two tests
# starting together cannot both take the same one)
start_x() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
    PIDS+=($!)
    for _ in $(seq 100); do
        if [ -s "$WORK/display" ]; then
            export DISPLAY=":$(head -1 "$WORK/display")"
            xdpyinfo >/dev/null 2>&1 && return 0
        fi
        sleep 0.1
    done
    fail "Xvfb did not start"
}

# start_program NAME [ARGS...]: runs build/bin/NAME in the background; sets PROGRAM_PID
start_program() {
    local name=$1; shift
    "$BUILD/bin/$name" "$@" >"$WORK/$name.log" 2>&1 &
    PROGRAM_PID=$!
    PIDS+=($PROGRAM_PID)
}

# wait_window TITLE: prints the id of the first visible window with that exact title
wait_window() {
    local id
    for _ in $(seq 150); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
        if [ -n "$id" ]; then echo "$id"; return 0; fi
        sleep 0.1
    done
    fail "no window titled '$1'"
}

# screenshot FILE: the whole screen as PNG
screenshot() { import -window root "$1"; }

# pixel FILE X Y: the colour of one pixel as "r,g,b"
pixel() { convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:; }

# prompt TITLE TEXT: answers the input prompt titled TITLE (a pattern: brackets escaped)
prompt() {
    local id
    id=$(wait_window "$1")
    xdotool windowactivate --sync "$id" 2>/dev/null || true
    sleep 0.2
    xdotool type --delay 20 "$2"
    xdotool key Return
    sleep 0.3
}

# start_wizard: starts dutyroll and waits for its wizard; sets WIZARD (the window id)
# and WIZARD_X, WIZARD_Y (its position on the screen)
start_wizard() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    start_program dutyroll
    WIZARD=$(wait_window Patrolia)
    sleep 0.3
    eval "$(xdotool getwindowgeometry --shell "$WIZARD")"
    WIZARD_X=$X WIZARD_Y=$Y
}

# page_click PAGE_X PAGE_Y: a click at a point of the wizard's notebook page
page_click() { xdotool mousemove $((WIZARD_X + 8 + $1)) $((WIZARD_Y + 8 + $2)) click 1; sleep 0.3; }
