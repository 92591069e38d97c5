# Campsite files and the clipboard under a real X server: place a tent, hills
# and a label, save them through the real save dialog, start a second pitchgrid
# with the file's name and compare the two layout areas; then copy the tent
# from the second window and paste it into the first, save again and open that
# file through the real open dialog of the second window.
source "$(dirname "$0")/lib.sh"
start_x

# window_of PID: the visible main window of that program
window_of() {
    local id
    for _ in $(seq 150); do
        id=$(xdotool search --all --onlyvisible --pid "$1" --name '^Tentwise$' 2>/dev/null | head -1 || true)
        if [ -n "$id" ]; then echo "$id"; return 0; fi
        sleep 0.1
    done
    fail "no Tentwise window of process $1"
}
# Positions in a window; the layout area's top-left corner lies at (120, 8).
at() { xdotool mousemove --sync --window "$window" "$1" "$2"; }
click() { at "$1" "$2"; xdotool click 1; sleep 0.3; }
drag() { at "$1" "$2"; xdotool mousedown 1; sleep 0.1; at $((($1 + $3) / 2)) $((($2 + $4) / 2)); sleep 0.1
         at "$3" "$4"; sleep 0.1; xdotool mouseup 1; sleep 0.3; }
stage() { echo $((120 + $1)) $((8 + $2)); }
key() { xdotool windowfocus --sync "$window" 2>/dev/null || true; xdotool key "$1"; sleep 0.4; }
# file_dialog TITLE PATH: types PATH into the file dialog titled TITLE and accepts it
file_dialog() {
    local dialog
    dialog=$(wait_window "$1")
    xdotool windowfocus --sync "$dialog" 2>/dev/null || true
    xdotool key ctrl+a
    xdotool type --delay 10 "$2"
    xdotool key Return
    sleep 0.8
}
design_switch() { # design_switch on|off
    click 686 12
    if [ "$1" = on ]; then wait_window "Object Inspector" >/dev/null; sleep 0.3; fi
}
stage_picture() { # stage_picture FILE: the layout area of $window, as the screen shows it
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$window")"
    screenshot "$WORK/screen.png"
    convert "$WORK/screen.png" -crop "539x465+$((X + 120))+$((Y + 8))" +repage "$1"
}
entries() { grep -a -o TPF0 "$1" | wc -l; }

# The first window: a tent, hills and a label, saved as "camp" (the dialog adds ".gnd").
start_program pitchgrid
first_pid=$PROGRAM_PID
window=$(window_of "$first_pid")
sleep 0.5
design_switch on
screenshot "$WORK/designing.png"
click 53 45                                   # "Add a Tent"
drag $(stage 100 100) $(stage 148 140)        # (96, 96), 48 x 40
click 53 145                                  # "Add Hills"
drag $(stage 200 40) $(stage 300 120)         # (200, 40), 96 x 80
click 53 170                                  # "Add a Label"
drag $(stage 40 300) $(stage 110 320)         # "Label2" at (40, 296)
click 686 64                                  # "Save"
file_dialog "Save As" "$WORK/camp"
[ -s "$WORK/camp.gnd" ] || fail "no file saved: $(ls "$WORK")"
[ "$(head -c 4 "$WORK/camp.gnd")" = TPF0 ] || fail "the file does not begin with TPF0"
[ "$(entries "$WORK/camp.gnd")" = 3 ] || fail "the file holds $(entries "$WORK/camp.gnd") objects, not 3"
[ "$(tail -c 3 "$WORK/camp.gnd" | od -An -tx1 | tr -d ' ')" = 000000 ] || fail "the file does not end in 00 00 00"
grep -q -a "Label2" "$WORK/camp.gnd" || fail "the label is not in the file"
design_switch off                             # the inspector closes
stage_picture "$WORK/first.png"
# From here on the two windows lie side by side, overlapping only where no click goes.
xdotool windowmove --sync "$window" 0 0

# The second window opens the file at start and shows the same layout.
start_program pitchgrid "$WORK/camp.gnd"
second_pid=$PROGRAM_PID
window=$(window_of "$second_pid")
sleep 1
stage_picture "$WORK/second.png"
xdotool windowmove --sync "$window" 555 490
sleep 0.5
difference=$(compare -metric AE "$WORK/first.png" "$WORK/second.png" "$WORK/difference.png" 2>&1 || true)
[ "$difference" = 0 ] || fail "the opened layout differs from the saved one in $difference pixels"

# Copy the tent in the second window, paste it into the first: it becomes Image3.
design_switch on
click $(stage 120 116)                        # select the tent
key ctrl+c
xclip -selection clipboard -t TARGETS -o | grep -qx Dsn_ClipboardFormat || fail "no campsite objects on the clipboard"
window=$(window_of "$first_pid")
design_switch on
click $(stage 400 400)                        # an empty spot: the selection stays empty
key ctrl+v
click 686 64                                  # "Save"
file_dialog "Save As" "$WORK/pasted.gnd"
[ "$(entries "$WORK/pasted.gnd")" = 4 ] || fail "after the paste the file holds $(entries "$WORK/pasted.gnd") objects"
grep -q -a "Image3" "$WORK/pasted.gnd" || fail "the pasted tent is not named Image3"

# The second window opens that file through the open dialog.
window=$(window_of "$second_pid")
click 686 40                                  # "Open"
file_dialog "Open" "$WORK/pasted.gnd"
click 686 64                                  # "Save" what was opened
file_dialog "Save As" "$WORK/resaved.gnd"
[ "$(entries "$WORK/resaved.gnd")" = 4 ] || fail "the opened file came back with $(entries "$WORK/resaved.gnd") objects"
# The label took the size of its text on opening; from then on the file stays the same.
click 686 40
file_dialog "Open" "$WORK/resaved.gnd"
click 686 64
file_dialog "Save As" "$WORK/resaved-again.gnd"
cmp -s "$WORK/resaved.gnd" "$WORK/resaved-again.gnd" || fail "opening and saving again changed the file"

# A file that cannot be read, named at start: the window comes up empty and the error box says so.
kill "$first_pid" "$second_pid"
start_program pitchgrid "$WORK/missing.gnd"
window=$(window_of "$PROGRAM_PID")
for _ in $(seq 50); do
    [ "$(xdotool search --all --onlyvisible --pid "$PROGRAM_PID" --name '^Tentwise$' | wc -l)" -ge 2 ] && break
    sleep 0.1
done
sleep 0.5
screenshot "$WORK/missing.png"
box=$(xdotool search --all --onlyvisible --pid "$PROGRAM_PID" --name '^Tentwise$' | grep -v "^$window\$" | head -1)
[ -n "$box" ] || fail "no error box for a missing file"
xdotool windowfocus --sync "$box" 2>/dev/null || true
xdotool key Return
sleep 0.5
[ "$(xdotool search --all --onlyvisible --pid "$PROGRAM_PID" --name '^Tentwise$' | wc -l)" = 1 ] ||
    fail "the error box did not close"
echo "campsite_files: passed"
