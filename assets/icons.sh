# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# The program's icon, the about window's icon and its hand cursor, at the scale X;
# make_assets.sh sources this file and calls draw_icons once a scale.

# ---------------------------------------------------------------- icons and cursor

# The icons' sixteen colours: the playing field's greens, key-cap greys and the
# letters' orange, yellow and cyan.
icon_palette=(
    '0,0,0' '16,28,22' '24,40,32' '36,56,46' '70,110,85' '64,68,72' '120,124,132' '190,194,200'
    '240,242,246' '255,255,255' '250,130,10' '170,70,0' '255,210,60' '128,255,255' '40,140,150' '40,110,225'
)

draw_icon_32() { # output .rgba
    convert -size "$(s 32)x$(s 32)" xc:none \
        -fill 'rgb(24,40,32)' -stroke 'rgb(70,110,85)' -strokewidth $S \
        -draw "roundrectangle $((S / 2)),$((S / 2)) $((32 * S - S / 2 - 1)),$((32 * S - S / 2 - 1)) $(s 5),$(s 5)" \
        -stroke none \
        -fill 'rgb(64,68,72)' -draw "roundrectangle $(s 4),$(s 18) $(s 28),$(s 29) $(s 2),$(s 2)" \
        -fill 'rgb(120,124,132)' -draw "roundrectangle $(s 5),$(s 19) $(s 27),$(s 28) $(s 2),$(s 2)" \
        -fill 'rgb(240,242,246)' -draw "roundrectangle $(s 6),$(s 17) $(s 26),$(s 25) $(s 2),$(s 2)" \
        -fill 'rgb(190,194,200)' -draw "rectangle $(s 7),$(s 23) $(s 25),$(s 25)" \
        -fill 'rgb(128,255,255)' -draw "rectangle $(s 6),$(s 2) $(s 7),$(s 5)" \
        -draw "rectangle $(s 25),$(s 4) $(s 26),$(s 7)" \
        -fill 'rgb(40,140,150)' -draw "rectangle $(s 6),$(s 6) $(s 7),$(s 9)" \
        -draw "rectangle $(s 25),$(s 8) $(s 26),$(s 11)" \
        -fill 'rgb(250,130,10)' -draw "rectangle $(s 10),$(s 3) $(s 22),$(s 7)" \
        -draw "rectangle $(s 14),$(s 7) $(s 18),$(s 15)" \
        -fill 'rgb(255,210,60)' -draw "rectangle $(s 10),$(s 3) $(s 22),$(s 4)" \
        -fill 'rgb(170,70,0)' -draw "rectangle $(s 17),$(s 8) $(s 18),$(s 15)" \
        -filter Box -resize "$(sized 32 32)" -channel A -threshold 50% +channel \
        +dither -remap "$work/palette.png" -depth 8 "rgba:$1"
}

draw_icon_16() { # output .rgba
    convert -size "$(s 16)x$(s 16)" xc:none \
        -fill 'rgb(24,40,32)' -draw "roundrectangle 0,0 $((16 * S - 1)),$((16 * S - 1)) $(s 3),$(s 3)" \
        -fill 'rgb(120,124,132)' -draw "roundrectangle $(s 1),$(s 3) $(s 15),$(s 15) $S,$S" \
        -fill 'rgb(240,242,246)' -draw "roundrectangle $(s 2),$(s 2) $(s 14),$(s 12) $S,$S" \
        -fill 'rgb(250,130,10)' -draw "rectangle $(s 4),$(s 4) $(s 12),$(s 6)" \
        -draw "rectangle $(s 7),$(s 6) $(s 9),$(s 11)" \
        -filter Box -resize "$(sized 16 16)" -channel A -threshold 50% +channel \
        +dither -remap "$work/palette.png" -depth 8 "rgba:$1"
}

# The pointing hand at a larger scale. The 1x hand is pixel art, set pixel by pixel in
# write_icons.py; here the same hand is drawn as shapes, a black silhouette with a white
# inside one pixel in from its edge, the fingers parted by their outlines.
draw_hand() { # output .rgba
    half() { echo $(($1 * S / 2)); }  # half pixels
    convert -size "$(s 32)x$(s 32)" xc:none \
        -fill black \
        -draw "roundrectangle $(s 4),0 $(s 8),$(s 12) $(half 3),$(half 3)" \
        -draw "roundrectangle $(s 7),$(s 5) $(s 11),$(s 12) $(s 2),$(s 2)" \
        -draw "roundrectangle $(s 10),$(s 6) $(s 14),$(s 12) $(s 2),$(s 2)" \
        -draw "roundrectangle $(s 13),$(s 7) $(s 17),$(s 12) $(s 2),$(s 2)" \
        -draw "roundrectangle 0,$(s 8) $(s 4),$(s 13) $(s 2),$(s 2)" \
        -draw "polygon 0,$(s 10) $(s 17),$(s 10) $(s 17),$(half 29) $(s 16),$(half 31) $(s 16),$(s 21)
               $(s 4),$(s 21) $(s 4),$(s 19) $(s 1),$(s 13) 0,$(s 12)" \
        -fill white \
        -draw "roundrectangle $(s 5),$(s 1) $(s 7),$(s 12) $S,$S" \
        -draw "roundrectangle $(s 8),$(s 6) $(s 10),$(s 12) $S,$S" \
        -draw "roundrectangle $(s 11),$(s 7) $(s 13),$(s 12) $S,$S" \
        -draw "roundrectangle $(s 14),$(s 8) $(s 16),$(s 12) $S,$S" \
        -draw "roundrectangle $(s 1),$(s 9) $(s 3),$(s 12) $S,$S" \
        -draw "polygon $(s 1),$(s 11) $(s 4),$(s 11) $(s 4),$(s 10) $(s 16),$(s 10) $(s 16),$(half 29)
               $(s 15),$(half 31) $(s 15),$(s 20) $(s 5),$(s 20) $(s 5),$(half 37) $(s 2),$(half 25)
               $(s 1),$(s 12)" \
        -filter Box -resize "$(sized 32 32)" -channel A -threshold 50% +channel -depth 8 "rgba:$1"
}

draw_icons() {
    local colour swatches=()
    for colour in "${icon_palette[@]}"; do
        swatches+=("xc:rgb($colour)")
    done
    printf '%s\n' "${icon_palette[@]}" >"$work/palette.txt"
    convert -size 1x1 "${swatches[@]}" +append "$work/palette.png"
    draw_icon_32 "$work/icon32.rgba"
    draw_icon_16 "$work/icon16.rgba"
    python3 write_icons.py ico "$(at_scale icons/tappon.ico)" "$work/palette.txt" \
        "$work/icon32.rgba:$((32 * X))" "$work/icon16.rgba:$((16 * X))"
    python3 write_icons.py ico "$(at_scale pictures/about/icon.ico)" "$work/palette.txt" \
        "$work/icon32.rgba:$((32 * X))"
    if ((X == 1)); then
        python3 write_icons.py cur pictures/about/hand.cur
    else
        draw_hand "$work/hand.rgba"
        python3 write_icons.py cur "$(at_scale pictures/about/hand.cur)" "$work/hand.rgba:$((32 * X))" \
            "$((5 * X)),0"
    fi
}
