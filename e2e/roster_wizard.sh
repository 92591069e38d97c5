# A user walks the roster wizard: types a title, ticks a day and a meal, adds two
# scouts and a meal through the prompts, writes snacks and drinks, composes, and
# copies the roster out of the editor.
source "$(dirname "$0")/lib.sh"
start_x
start_wizard
[ "$(cat "$FERNWICK_SPLASH_LOG")" = "Splash visible-windows=0" ] || fail "splash log: $(cat "$FERNWICK_SPLASH_LOG")"

page_click 388 276                             # "Click Here to continue"
page_click 100 34                              # the title field
xdotool key ctrl+a && xdotool type --delay 20 "Trail Patrol Roster"
page_click 22 96                               # Sunday
page_click 220 280                             # continue
page_click 14 64                               # Dinner
page_click 212 140; prompt "Scout Name \\(First\\) \\(Last\\)" "Alex"
page_click 212 140; prompt "Scout Name \\(First\\) \\(Last\\)" "Jordan"
page_click 484 220; prompt "Dinner-Type meal" "Chili"
screenshot "$WORK/page2.png"
page_click 492 288                             # continue
page_click 200 60; xdotool type --delay 20 "Trail mix"
page_click 200 200; xdotool type --delay 20 "Water"
page_click 492 284                             # continue: composes
screenshot "$WORK/page4.png"
page_click 200 120                             # into the roster editor
xdotool key ctrl+a ctrl+c
sleep 0.3
copied=$(xclip -o -selection clipboard | sed -E 's/^(Cook|Cleanup): (Alex|Jordan)$/\1: <scout>/')
expected=$(printf '%s\n' "Trail Patrol Roster" "" "" "Sunday" "[Dinner]" "Cook: <scout>" "Cleanup: <scout>" "" \
    "Meals" "" "Sunday" "[Dinner]" "Chili" "" "" "Snacks" "Trail mix" "" "Drinks" "Water")
if [ "$copied" != "$expected" ]; then
    diff <(echo "$expected") <(echo "$copied") >&2 || true
    fail "the copied roster differs"
fi
[ "$(wc -l < "$FERNWICK_SPLASH_LOG")" -eq 1 ] || fail "Splash was called more than once"
echo "roster_wizard: passed"
