#!/usr/bin/env bash
# Without the Song and brush-script faces the program falls back to what the system
# has: it starts, shows its main window, the falling letters are drawn in their colours
# and move, and the exit item ends it cleanly. Fontconfig is given a configuration
# that knows only the DejaVu faces.
set -uo pipefail
program=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x11_session.sh"
source "$here/game_session.sh"
command -v fc-list >/dev/null || e2e_skip "fc-list is not installed"
dejavu=$(fc-list : file | sed -n 's|^\(.*/\)DejaVuSans\.ttf:.*|\1|p' | head -n1)
[ -n "$dejavu" ] || e2e_skip "no DejaVu fonts to fall back on"

cat >"$E2E_TMP/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>$dejavu</dir>
  <cachedir>$E2E_TMP/fontconfig-cache</cachedir>
</fontconfig>
CONF
export FONTCONFIG_FILE=$E2E_TMP/fonts.conf
families=$(fc-list : family)
echo "faces left: $(echo "$families" | sort -u | tr '\n' ';')"
echo "$families" | grep -qiE 'UMing|Dancing|Kaushan|CJK|Hei|Kai' && e2e_fail "the private configuration still has the program's faces"

e2e_start_x
game_launch "$program" "$E2E_TMP/program.log" || e2e_fail "no main window: $(cat "$E2E_TMP/program.log")"
game_title_moves 2 || e2e_fail "the title banner stands still"
import -window "$GAME_MAIN" "$E2E_TMP/main-window.png"

game_start "0.1"
sleep 1.5
field=$(game_field)
import -window root -crop "$field" "$E2E_TMP/a.png"
sleep 0.4
import -window root -crop "$field" "$E2E_TMP/b.png"
changed=$(compare -metric AE "$E2E_TMP/a.png" "$E2E_TMP/b.png" null: 2>&1 || true)
echo "pixels changed in the field: $changed"
[ "${changed%% *}" -gt 50 ] || e2e_fail "the letters do not move"

# The letters' own colours (Label1(0) to Label1(4)), as drawn glyphs in the field.
drawn=0
for colour in '128,255,255' '255,255,0' '255,128,0' '255,0,255' '0,255,0'; do
    count=$(convert "$E2E_TMP/a.png" -fill black +opaque "rgb($colour)" -fill white -opaque "rgb($colour)" \
        -format '%[fx:int(mean*w*h+0.5)]' info:)
    echo "pixels of rgb($colour): $count"
    [ "$count" -gt 20 ] && drawn=$((drawn + 1))
done
[ "$drawn" -ge 3 ] || e2e_fail "only $drawn of the five letters are drawn in the field"

verdict=$(game_wait_verdict 9) || e2e_fail "no verdict"
game_close_verdict "$verdict" || e2e_fail "the verdict did not close"
game_exit_via_menu || e2e_fail "the exit item did not end the program"
[ "$GAME_STATUS" = 0 ] || e2e_fail "exit status $GAME_STATUS: $(cat "$E2E_TMP/program.log")"
[ -n "${TAPPON_KEEP_SCREENSHOT:-}" ] && cp "$E2E_TMP/main-window.png" "$TAPPON_KEEP_SCREENSHOT"
echo "PASSED"
