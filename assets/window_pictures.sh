# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# The pictures of the four windows, at the scale X; make_assets.sh sources this file
# and calls each draw_ function once a scale, with its helpers (at_scale, sized, s,
# ink) and options already defined.

# ---------------------------------------------------------------- main window

draw_field() {
    local w=377 h=324
    # Drawn directly at the output size, X pixels to a pixel of the 1x picture.
    # Dim stars in the sky and three layers of soft hills, darker towards the front.
    local shapes
    shapes="$(python3 - "$w" "$h" "$X" <<'EOF'
import math, random, sys
w, h, k = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3])
rnd = random.Random(1998)
for _ in range(70):
    x, y = rnd.uniform(2, w - 2), rnd.uniform(2, h * 0.62)
    b, r = rnd.randint(70, 150), rnd.choice([0.6, 0.8, 1.0, 1.3])
    x, y, r = (x * k, y * k, r * k) if k > 1 else (x, y, r)
    print(f"fill rgb({b - 8},{b + 10},{b}) circle {x:.1f},{y:.1f} {x + r:.1f},{y:.1f}")
def hill(base, waves, colour):
    # One point every 3 output pixels, on the same curve at every scale.
    points = [f"0,{h * k}"]
    for x in range(0, w * k + 1, 3):
        y = base + sum(a * math.sin(x / k / p + q) for a, p, q in waves)
        points.append(f"{x},{y * k:.1f}")
    points.append(f"{w * k},{h * k}")
    print(f"fill {colour} polygon " + " ".join(points))
hill(236, [(14, 47, 0.3), (7, 23, 1.9), (3, 9, 0.7)], "rgb(29,46,37)")
hill(266, [(12, 61, 2.2), (6, 29, 0.4), (2, 11, 2.8)], "rgb(21,35,28)")
hill(296, [(9, 73, 4.1), (4, 19, 1.2)], "rgb(14,24,19)")
EOF
)"
    local size="$((w * X))x$((h * X))"
    convert -size "$size" gradient:'rgb(14,22,19)-rgb(40,56,48)' \
        \( -size "$size" radial-gradient:'rgba(60,82,68,0.35)-rgba(0,0,0,0)' \) \
        -geometry "+0+$((60 * X))" -composite \
        -draw "$shapes" -blur "0x$(times_x 0.4)" \
        \( -size "$size" radial-gradient:'rgba(0,0,0,0)-rgba(0,0,0,0.45)' \) -composite \
        "${jpeg_options[@]}" "$(at_scale pictures/main/field.jpg)"
}

# The three button symbols on the buttons' own light grey.
button_grey='rgb(224,224,224)'

draw_start() {
    convert -size "$(s 19)x$(s 18)" xc:"$button_grey" \
        -fill 'rgb(20,50,120)' -draw "polygon $(s 5),$(s 2) $(s 5),$(s 16) $(s 16),$(s 9)" \
        -fill 'rgb(40,110,225)' -draw "polygon $(s 6),$(s 4) $(s 6),$(s 14) $(s 14),$(s 9)" \
        -fill 'rgb(110,170,250)' -draw "polygon $(s 6),$(s 4) $(s 6),$(s 7) $(s 11),$(s 7)" \
        -filter Box -resize "$(sized 19 18)" "${opaque_gif_options[@]}" "$(at_scale pictures/main/start.gif)"
}

draw_pause() {
    convert -size "$(s 20)x$(s 22)" xc:"$button_grey" \
        -fill 'rgb(150,70,0)' \
        -draw "roundrectangle $(s 4),$(s 3) $(s 8),$(s 19) $S,$S" \
        -draw "roundrectangle $(s 12),$(s 3) $(s 16),$(s 19) $S,$S" \
        -fill 'rgb(250,140,20)' \
        -draw "rectangle $(s 5),$(s 4) $(s 7),$(s 18)" -draw "rectangle $(s 13),$(s 4) $(s 15),$(s 18)" \
        -fill 'rgb(255,200,120)' \
        -draw "rectangle $(s 5),$(s 4) $((5 * S + S / 2)),$(s 18)" \
        -draw "rectangle $(s 13),$(s 4) $((13 * S + S / 2)),$(s 18)" \
        -filter Box -resize "$(sized 20 22)" "${opaque_gif_options[@]}" "$(at_scale pictures/main/pause.gif)"
}

draw_stop() {
    convert -size "$(s 21)x$(s 18)" xc:"$button_grey" \
        -fill 'rgb(120,10,10)' -draw "roundrectangle $(s 4),$(s 2) $(s 17),$(s 16) $((10 * X)),$((10 * X))" \
        -fill 'rgb(220,30,30)' -draw "rectangle $(s 5),$(s 3) $(s 16),$(s 15)" \
        -fill 'rgb(250,110,100)' -draw "rectangle $(s 5),$(s 3) $(s 16),$(s 4)" \
        -filter Box -resize "$(sized 21 18)" "${opaque_gif_options[@]}" "$(at_scale pictures/main/stop.gif)"
}

# ---------------------------------------------------------------- splash window

draw_banner() {
    # Two lines of outlined brush capitals; black is the transparent colour.
    local S=$((4 * X))
    local line=(-fill 'rgb(52,20,0)' -stroke 'rgb(255,146,28)' -strokewidth $((S * 5 / 4)))
    ink "$brush_font" 19 'TYPE FAST,' "$work/slogan1.png" "${line[@]}"
    ink "$brush_font" 19 'HIT HARD!' "$work/slogan2.png" "${line[@]}"
    convert -size "$(s 208)x$(s 44)" xc:black \
        "$work/slogan1.png" -geometry "+$(s 8)+$(s 2)" -composite \
        "$work/slogan2.png" -gravity southeast -geometry "+$(s 8)+$(s 3)" -composite \
        -filter Box -resize "$(sized 208 44)" -fuzz 2% -transparent black -fuzz 0 +dither -colors 64 \
        +repage -strip "$(at_scale pictures/splash/banner.gif)"
}

draw_tile() { # text, width, height, output
    local S=$((4 * X)) w=$2 h=$3
    ink "$brush_font" 30 "$1" "$work/tile_ink.png" -fill white
    convert -size "$(s "$w")x$(s "$h")" gradient:'rgb(70,130,230)-rgb(16,44,128)' \
        -fill none -strokewidth $((2 * S)) \
        -stroke 'rgb(150,195,255)' \
        -draw "line $S,$S $((w * S - S)),$S" -draw "line $S,$S $S,$((h * S - S))" \
        -stroke 'rgb(8,22,70)' \
        -draw "line $((w * S - S)),$S $((w * S - S)),$((h * S - S))" \
        -draw "line $S,$((h * S - S)) $((w * S - S)),$((h * S - S))" \
        -gravity center \
        \( -size "$(identify -format '%wx%h' "$work/tile_ink.png")" xc:'rgb(5,15,50)' \
           "$work/tile_ink.png" -alpha off -compose CopyOpacity -composite \
           -channel A -evaluate multiply 0.8 +channel \) \
        -geometry "+$(s 2)+$(s 2)" -compose Over -composite \
        \( -size "$(identify -format '%wx%h' "$work/tile_ink.png")" xc:'rgb(240,248,255)' \
           "$work/tile_ink.png" -alpha off -compose CopyOpacity -composite \) \
        -geometry +0+0 -compose Over -composite \
        -filter Box -resize "$(sized "$w" "$h")" "${jpeg_options[@]}" "$(at_scale "$4")"
}

# ---------------------------------------------------------------- help window

draw_title() {
    # Green brush letters with a faint glow and bristle streaks.
    local S=$((4 * X)) w=223 h=68
    ink "$brush_font" 52 'Tappon' "$work/title_ink.png" -fill white
    convert "$work/title_ink.png" -background black -gravity center \
        -extent "$(s $w)x$(s $h)" "$work/title_mask.png"
    convert -size "$(s $w)x$(s $h)" xc:gray50 -seed 1998 +noise Random -colorspace Gray \
        -motion-blur "0x$(s 10)+20" -level 30%,70% +level 62%,100% "$work/streaks.png"
    convert -size "$(s $w)x$(s $h)" gradient:'rgb(190,255,130)-rgb(20,150,45)' \
        "$work/streaks.png" -compose Multiply -composite "$work/title_fill.png"
    convert -size "$(s $w)x$(s $h)" xc:black \
        \( -size "$(s $w)x$(s $h)" xc:'rgb(40,200,60)' "$work/title_mask.png" -alpha off \
           -compose CopyOpacity -composite -blur "0x$(s 5)" -channel A -evaluate multiply 0.7 +channel \) \
        -compose Over -composite \
        \( "$work/title_fill.png" "$work/title_mask.png" -alpha off -compose CopyOpacity -composite \) \
        -compose Over -composite \
        -filter Box -resize "$(sized $w $h)" "${jpeg_options[@]}" "$(at_scale pictures/help/title.jpg)"
}

# ---------------------------------------------------------------- about window

draw_about_banner() {
    # The wordmark stays left of x = 212: the window writes the name and the version
    # over the right part, and the logo over the left corner.
    local S=$((4 * X)) w=320 h=60
    ink "$brush_font" 34 'tappon' "$work/mark.png" -fill white
    ink "$song_font" 10 'EXAMPLE.COM' "$work/domain.png" -fill white -kerning "$(s 3)"
    convert -size "$(s $w)x$(s $h)" xc:black \
        \( -size "$(identify -format '%wx%h' "$work/mark.png")" \
           gradient:'rgb(255,255,255)-rgb(150,160,175)' "$work/mark.png" -alpha off \
           -compose CopyOpacity -composite \) -geometry "+$(s 58)+$(s 6)" -compose Over -composite \
        \( -size "$(s 150)x$((S / 2 + X))" -define gradient:direction=east \
           gradient:'rgb(110,110,110)-rgb(0,0,0)' \) -geometry "+$(s 58)+$(s 42)" -composite \
        \( -size "$(identify -format '%wx%h' "$work/domain.png")" xc:'rgb(175,175,175)' \
           "$work/domain.png" -alpha off -compose CopyOpacity -composite \) \
        -geometry "+$(s 62)+$(s 46)" -compose Over -composite \
        -filter Box -resize "$(sized $w $h)" "${opaque_gif_options[@]}" "$(at_scale pictures/about/banner.gif)"
}

draw_logo() {
    # A key pressed down pixel by pixel; at the bottom it flashes, bounces once and
    # flashes again. The window plays 0..8 and then 3, 2, 1, which lets it rise again.
    local depths=(0 1 2 3 4 5 4 5 4)
    local n=39 frame d top letter sparks
    for frame in "${!depths[@]}"; do
        d=${depths[$frame]}
        top=$(s $((6 + d)))
        letter='rgb(250,130,10)'
        sparks='stroke-width 0'
        if ((d == 5)); then
            letter='rgb(255,200,40)'
            sparks="stroke rgb(255,200,60) stroke-width $((S * 3 / 2)) stroke-linecap round
                line $(s 2),$(s 8) $(s 4),$(s 11)  line $(s 37),$(s 8) $(s 35),$(s 11)
                line $(s 1),$(s 20) $(s 3),$(s 20)  line $(s 38),$(s 20) $(s 36),$(s 20)
                line $((19 * S + S / 2)),$(s 1) $((19 * S + S / 2)),$((3 * S + S / 2))"
        fi
        convert -size "$(s $n)x$(s $n)" xc:black \
            -fill 'rgb(44,48,52)' -draw "roundrectangle $(s 4),$(s 14) $(s 35),$(s 37) $(s 3),$(s 3)" \
            -fill 'rgb(22,24,26)' -draw "roundrectangle $(s 6),$(s 16) $(s 33),$(s 35) $(s 2),$(s 2)" \
            -fill 'rgb(120,124,132)' \
            -draw "roundrectangle $(s 7),$((top + 6 * S)) $(s 32),$(s 33) $(s 3),$(s 3)" \
            \( -size "$(s 25)x$(s 21)" gradient:'rgb(248,248,250)-rgb(186,190,198)' \
               \( -size "$(s 25)x$(s 21)" xc:black -fill white \
                  -draw "roundrectangle 0,0 $((25 * S - 1)),$((21 * S - 1)) $(s 3),$(s 3)" \) \
               -alpha off -compose CopyOpacity -composite \) \
            -geometry "+$(s 7)+$top" -compose Over -composite \
            -font "$brush_font" -pointsize "$(s 21)" -fill "$letter" -stroke "$letter" \
            -strokewidth $((S * 2 / 3)) -gravity center \
            -annotate "$(printf '%+d%+d' "$(s -1)" "$(s $((d - 1)))")" 'T' \
            -gravity northwest -stroke none -draw "$sparks" \
            -filter Box -resize "$(sized $n $n)" "${opaque_gif_options[@]}" "$(at_scale "pictures/about/logo$frame.gif")"
    done
}
