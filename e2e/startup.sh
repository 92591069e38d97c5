# Both programs start, call Splash exactly once before any window of theirs is on
# screen, and show their main window captioned with the product title.
source "$(dirname "$0")/lib.sh"
start_x
for program in dutyroll:Patrolia pitchgrid:Tentwise; do
    name=${program%%:*} title=${program#*:}
    rm -f "$FERNWICK_SPLASH_LOG"
    start_program "$name"
    wait_window "$title" >/dev/null
    sleep 0.3
    [ "$(cat "$FERNWICK_SPLASH_LOG")" = "Splash visible-windows=0" ] ||
        fail "$name: splash log is '$(cat "$FERNWICK_SPLASH_LOG")'"
    kill "$PROGRAM_PID"
done
# Without the maker's library the loader refuses to start the program.
mkdir -p "$WORK/nolib/bin" && cp "$BUILD/bin/dutyroll" "$WORK/nolib/bin/"
if LD_LIBRARY_PATH= "$WORK/nolib/bin/dutyroll" 2>"$WORK/loader.txt"; then fail "started without libfernwick"; fi
grep -q "libfernwick.so: cannot open shared object file" "$WORK/loader.txt" || fail "loader said: $(cat "$WORK/loader.txt")"
# A maker's library without Splash stops it as well.
echo 'extern "C" void Other(void) {}' > "$WORK/other.cpp"
g++ -shared -fPIC -Wl,-soname,libfernwick.so -o "$WORK/nolib/libfernwick.so" "$WORK/other.cpp"
if LD_LIBRARY_PATH=$WORK/nolib "$WORK/nolib/bin/dutyroll" 2>"$WORK/loader.txt"; then fail "started without Splash"; fi
grep -q "undefined symbol: Splash" "$WORK/loader.txt" || fail "loader said: $(cat "$WORK/loader.txt")"
echo "startup: 4 passed, 0 failed"
