# A user composes a roster long enough for several pages, previews it, turns a
# page forward, closes the preview and saves the roster as Rich Text.
source "$(dirname "$0")/lib.sh"
start_x
start_wizard

# other_window TITLE: the id of a visible window with that title other than the wizard
other_window() {
    local id
    for _ in $(seq 150); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -vx "$WIZARD" | head -1 || true)
        if [ -n "$id" ]; then echo "$id"; return 0; fi
        sleep 0.1
    done
    fail "no second window titled '$1'"
}
# region FILE X Y W H: a checksum of part of a screenshot
region() { convert "$1" -crop "$4x$5+$2+$3" +repage rgb:- | md5sum | cut -d' ' -f1; }

page_click 388 276                             # "Click Here to continue"
page_click 100 34                              # the title field
xdotool key ctrl+a && xdotool type --delay 20 "Trail Patrol Roster"
page_click 22 96                               # Sunday
page_click 220 280                             # continue
page_click 14 64                               # Dinner
page_click 212 140; prompt "Scout Name \\(First\\) \\(Last\\)" "Alex"
page_click 484 220; prompt "Dinner-Type meal" "Chili"
page_click 492 288                             # continue
# A snack list of 150 lines, pasted into the snacks memo.
seq 1 150 | sed 's/^/Trail mix bag /' | xclip -selection clipboard
page_click 200 60; xdotool key ctrl+v; sleep 0.3
page_click 200 200; xdotool type --delay 20 "Water"
page_click 492 284                             # continue: composes
sleep 0.5

page_click 482 24                              # "Print/Preview this document"
preview=$(other_window Patrolia)
sleep 1
screenshot "$WORK/preview0.png"
eval "$(xdotool getwindowgeometry --shell "$preview")"
[ "$WIDTH" -ge 1200 ] && [ "$HEIGHT" -ge 900 ] || fail "the preview is not maximized: ${WIDTH}x$HEIGHT"
screenshot "$WORK/preview1.png"
sheet1=$(region "$WORK/preview1.png" 300 100 680 800)
xdotool key alt+n                              # "&Next"
sleep 0.5
screenshot "$WORK/preview2.png"
sheet2=$(region "$WORK/preview2.png" 300 100 680 800)
[ "$sheet1" != "$sheet2" ] || fail "the page did not change on Next"
xdotool key alt+v                              # "Pre&v": back to page 1
sleep 0.5
screenshot "$WORK/preview3.png"
[ "$(region "$WORK/preview3.png" 300 100 680 800)" = "$sheet1" ] || fail "Prev did not return to page 1"
xdotool key Escape
for _ in $(seq 50); do
    xdotool search --onlyvisible --name "^Patrolia\$" 2>/dev/null | grep -qvx "$WIZARD" || break
    sleep 0.1
done
xdotool search --onlyvisible --name "^Patrolia\$" 2>/dev/null | grep -qvx "$WIZARD" && fail "the preview did not close"

page_click 482 62                              # "Save this Document..."
dialog=$(other_window "Save As")
sleep 0.5
xdotool type --delay 10 "$WORK/trail roster"
xdotool key Return
for _ in $(seq 50); do [ -f "$WORK/trail roster" ] && break; sleep 0.1; done
[ -f "$WORK/trail roster" ] || fail "the roster was not saved under the name typed"
text=$(pandoc -f rtf -t plain "$WORK/trail roster")
grep -q "Trail Patrol Roster" <<<"$text" || fail "the title is not in the saved file"
grep -q "Trail mix bag 150" <<<"$text" || fail "the last snack is not in the saved file"
grep -q "Cook: Alex" <<<"$text" || fail "the cook is not in the saved file"
echo "roster_output: passed"
