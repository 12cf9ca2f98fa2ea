#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# The captions are Chinese and need a face with Chinese characters. With the Song face
# installed they are drawn as characters, and the program says nothing about fonts.
# The program has a Song face of its own, cut out of the installed one at build time
# (TAPPON_E2E_OWN_SONG=1 says the build made it): it draws with that, never reading
# the installed collection, and with no Chinese face installed at all its captions
# are the same characters, pixel for pixel, and it says nothing either. A program
# built without it can only draw boxes then: it says once, on standard error, which
# package brings the face. Either way it still works: it shows its main window, the
# falling letters are drawn in their colours and move, and the exit item ends it
# cleanly. Fontconfig is given configurations of its own: the DejaVu faces with and
# without the Song face.
set -uo pipefail
program=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x11_session.sh"
source "$here/game_session.sh"
command -v fc-list >/dev/null || e2e_skip "fc-list is not installed"
command -v python3 >/dev/null || e2e_skip "python3 is not installed"
dejavu=$(fc-list : file | sed -n 's|^\(.*/\)DejaVuSans\.ttf:.*|\1|p' | head -n1)
[ -n "$dejavu" ] || e2e_skip "no DejaVu fonts to fall back on"
song_file=$(fc-list 'AR PL UMing CN' file | sed -n 's|^\(.*\): *$|\1|p' | head -n1)
[ -n "$song_file" ] || e2e_skip "the Song face (fonts-arphic-uming) is not installed"
song=$(dirname "$song_file")
package=fonts-arphic-uming
own_song=${TAPPON_E2E_OWN_SONG:-0}

# Writes a fontconfig configuration with the font folders $2... to $1.
font_config() {
    local file=$1 dir
    shift
    {
        echo '<?xml version="1.0"?><!DOCTYPE fontconfig SYSTEM "fonts.dtd"><fontconfig>'
        for dir in "$@"; do echo "<dir>$dir</dir>"; done
        echo "<cachedir>$E2E_TMP/fontconfig-cache</cachedir></fontconfig>"
    } >"$file"
}
font_config "$E2E_TMP/with-song.conf" "$dejavu" "$song"
font_config "$E2E_TMP/dejavu.conf" "$dejavu"

# Prints "<cells> <shapes>" of the caption "设 置 时 间" above the minutes box in the
# main window's side panel (Label7: 240, 2040 twips into Picture2, at 4920, 60).
caption_cells() {
    import -window root -crop "96x22+$(( GAME_X + 340 ))+$(( GAME_Y + GAME_MENU + 136 ))" "$E2E_TMP/$1.png"
    convert "$E2E_TMP/$1.png" -compress none ppm:- | python3 "$here/glyph_cells.py"
}

# Counts the lines of the program's log ($1) that name the font package.
font_notices() { grep -c -- "$package" "$1"; }

e2e_start_x

# The Song face beside DejaVu: characters, and no word about fonts.
export FONTCONFIG_FILE=$E2E_TMP/with-song.conf
game_launch "$program" "$E2E_TMP/song.log" || e2e_fail "no main window with the Song face: $(cat "$E2E_TMP/song.log")"
game_title_moves 2 || e2e_fail "the title banner stands still"
read -r cells shapes < <(caption_cells song)
echo "with the Song face: $cells cells in the caption, $shapes shapes"
[ "$cells" -ge 4 ] && [ "$shapes" -ge 4 ] || e2e_fail "the caption is not drawn as four different characters"
[ "$(font_notices "$E2E_TMP/song.log")" = 0 ] || e2e_fail "a font notice with the Song face installed: $(cat "$E2E_TMP/song.log")"
if [ "$own_song" = 1 ]; then
    grep -qF "$song_file" "/proc/$GAME_PID/maps" && e2e_fail "the program reads $song_file rather than its own face"
    echo "the program's own face is drawn, $song_file is not read"
fi
game_exit_via_menu || e2e_fail "the exit item did not end the program"

# DejaVu alone: the program's own face (or boxes and the notice), and a game that still plays.
export FONTCONFIG_FILE=$E2E_TMP/dejavu.conf
families=$(fc-list : family)
echo "faces left: $(echo "$families" | sort -u | tr '\n' ';')"
echo "$families" | grep -qiE 'UMing|Dancing|Kaushan|CJK|Hei|Kai' && e2e_fail "the private configuration still has the program's faces"

game_launch "$program" "$E2E_TMP/program.log" || e2e_fail "no main window: $(cat "$E2E_TMP/program.log")"
game_title_moves 2 || e2e_fail "the title banner stands still"
import -window "$GAME_MAIN" "$E2E_TMP/main-window.png"
read -r cells shapes < <(caption_cells dejavu)
echo "without a Chinese face: $cells cells in the caption, $shapes shapes"
notices=$(font_notices "$E2E_TMP/program.log")
if [ "$own_song" = 1 ]; then
    same=$(compare -metric AE "$E2E_TMP/song.png" "$E2E_TMP/dejavu.png" null: 2>&1 || true)
    echo "pixels of the caption unlike those with the Song face installed: $same"
    [ "${same%% *}" = 0 ] || e2e_fail "the caption without a Chinese face installed is not drawn as with it"
    [ "$notices" = 0 ] || e2e_fail "a font notice although the program has its own face: $(cat "$E2E_TMP/program.log")"
else
    # Boxes, all alike: had the criterion above nothing to tell apart, this would not hold.
    [ "$cells" -ge 4 ] && [ "$shapes" = 1 ] || e2e_fail "the caption without a Chinese face is not four boxes"
    [ "$notices" = 1 ] || e2e_fail "$notices notices naming $package on standard error: $(cat "$E2E_TMP/program.log")"
    echo "notice: $(grep -- "$package" "$E2E_TMP/program.log")"
fi

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
