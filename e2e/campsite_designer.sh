# The campsite designer under a real X server: switch design mode on, place a
# tent and a label by dragging, move the tent, delete the label, and check the
# screen shows the tent where it should be and nothing else.
source "$(dirname "$0")/lib.sh"
start_x
start_program pitchgrid
window=$(wait_window Tentwise)
sleep 0.5

# Positions in the window; the layout area's top-left corner lies at (120, 8).
at() { xdotool mousemove --sync --window "$window" "$1" "$2"; }
click() { at "$1" "$2"; xdotool click 1; sleep 0.2; }
drag() { at "$1" "$2"; xdotool mousedown 1; sleep 0.1; at $((($1 + $3) / 2)) $((($2 + $4) / 2)); sleep 0.1
         at "$3" "$4"; sleep 0.1; xdotool mouseup 1; sleep 0.3; }
stage() { echo $((120 + $1)) $((8 + $2)); }
colour_at() { pixel "$WORK/shot.png" $(stage "$1" "$2"); }

click 686 12                                  # the design switch: design mode on
wait_window "Object Inspector" >/dev/null
click 53 45                                   # "Add a Tent"
drag $(stage 100 100) $(stage 148 140)        # S = (96, 96), E = (144, 136): 48 x 40
click 53 170                                  # "Add a Label"
drag $(stage 200 200) $(stage 260 220)        # "Label2" at (200, 200), 56 x 16
drag $(stage 110 110) $(stage 190 150)        # the tent moves by (80, 40) to (176, 136)
click $(stage 210 205)                        # select the label
at $(stage 300 300)
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key Delete
sleep 0.5
import -window "$window" "$WORK/shot.png"

lime="0,255,0"
[ "$(colour_at 120 116)" = "$lime" ] || fail "the tent is still at its first place: $(colour_at 120 116)"
colours_in() { # colours_in LEFT TOP WIDTH HEIGHT (layout area): how many colours the rectangle shows
    read -r x y <<<"$(stage "$1" "$2")"
    convert "$WORK/shot.png" -crop "$3x$4+$x+$y" +repage -format "%k" info:
}
[ "$(colours_in 200 200 56 16)" = 1 ] || fail "the label was not deleted"
[ "$(colour_at 177 137)" = "$lime" ] || fail "the tent's ground is not left out: $(colour_at 177 137)"
centre=$(colour_at 200 156)
IFS=, read -r r g b <<<"$centre"
[ "$r" = "$g" ] && [ "$g" = "$b" ] && [ "$r" -lt 200 ] || fail "no grey tent at (176, 136): $centre"
# Grab handles are gone with the deleted selection; the tent's corner shows no black square.
[ "$(colour_at 175 135)" = "$lime" ] || fail "a handle is still drawn: $(colour_at 175 135)"
echo "campsite_designer: passed"
