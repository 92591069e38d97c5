#!/usr/bin/env bash
# Start-up time of dutyroll, from exec to the first painted frame of its main
# window (with the recording Splash), as a ratio to a bare QWidget program
# started the same way in the same run. Target: at most 1.5.
#   bench/startup.sh BUILD_FOLDER [RUNS]
set -euo pipefail
BUILD=$(cd "${1:?build folder}" && pwd)
RUNS=${2:-15}
WORK=$(mktemp -d /tmp/startup.XXXXXX)
XPID=""
trap '[ -n "$XPID" ] && kill "$XPID" 2>/dev/null; rm -rf "$WORK"' EXIT

n=90
while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
XPID=$!
export DISPLAY=":$n" QT_QPA_PLATFORM=xcb
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
export HOME=$WORK XDG_CONFIG_HOME=$WORK/config XDG_RUNTIME_DIR=$WORK/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORMTHEME

# run NAME PROGRAM: one start, timed by the preloaded first-frame library
run() {
    FIRSTFRAME_LOG=$WORK/$1.times FIRSTFRAME_START_US=${EPOCHREALTIME/./} \
        LD_PRELOAD=$BUILD/bench-lib/libfirstframe.so LD_LIBRARY_PATH=$BUILD/lib-recording \
        FERNWICK_SPLASH_LOG=/dev/null timeout 20 "$2" >/dev/null 2>&1 || true
}
median() { sort -n "$1" | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }

run bare "$BUILD/bin/startup_barewidget"; run dutyroll "$BUILD/bin/dutyroll" # warm the caches
rm -f "$WORK"/*.times
for _ in $(seq "$RUNS"); do
    run bare "$BUILD/bin/startup_barewidget"
    run dutyroll "$BUILD/bin/dutyroll"
done
[ "$(wc -l < "$WORK/dutyroll.times")" -eq "$RUNS" ] || { echo "startup: dutyroll painted no frame" >&2; exit 1; }
bare=$(median "$WORK/bare.times")
roster=$(median "$WORK/dutyroll.times")
awk -v b="$bare" -v r="$roster" -v n="$RUNS" 'BEGIN {
    printf "startup (median of %d): bare QWidget %.1f ms, dutyroll %.1f ms, ratio %.2f (target <= 1.5)\n",
        n, b / 1000, r / 1000, r / b }'
