#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# Draws every picture, icon and cursor of the game and synthesises its sounds, into
# this folder. The outputs are committed; run this again only to change them. The
# windows' pictures are drawn in window_pictures.sh, the icons in icons.sh, which this
# script sources.
#
# Needs Debian's imagemagick, sox, python3, fonts-kaushanscript and fonts-arphic-uming.
# Stars, noise and brush texture come from fixed seeds, so a rerun gives the same files.
#   bash assets/make_assets.sh
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$here"

for tool in convert identify sox python3 fc-match; do
    command -v "$tool" >/dev/null || { echo "make_assets: $tool is missing" >&2; exit 1; }
done

font_file() { # family, package
    local file
    file="$(fc-match -f '%{file}' "$1")"
    case "$(fc-match -f '%{family}' "$1")" in
        *"$1"*) echo "$file" ;;
        *) echo "make_assets: font \"$1\" is missing (apt-get install $2)" >&2; exit 1 ;;
    esac
}
brush_font="$(font_file 'Kaushan Script' fonts-kaushanscript)"
song_font="$(font_file 'AR PL UMing CN' fonts-arphic-uming)"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

mkdir -p pictures/main pictures/splash pictures/help pictures/about icons Sound

# Every picture is made twice: at its own size (X=1), and at twice the resolution for
# screens scaled 2x (X=2), as "name@2x.ext" beside it. The artwork is drawn afresh at
# each scale, never enlarged: coordinates below are in pixels of the 1x picture.
X=1
at_scale() { # file name at this scale
    if ((X == 1)); then echo "$1"; else echo "${1%.*}@${X}x.${1##*.}"; fi
}
sized() { # width, height: the output size at this scale, as -resize wants it
    echo "$(($1 * X))x$(($2 * X))!"
}
times_x() { # a fractional length at this scale
    python3 -c "print($1 * $X)"
}

# Everything is drawn S times larger and shrunk with a box filter: even anti-aliasing
# from ImageMagick's plain drawing primitives. S grows with X, so that one pixel of the
# 1x picture is always S pixels of the drawing.
S=8
s() { echo $(($1 * S)); }

jpeg_options=(-type TrueColor -strip -interlace None -sampling-factor 1x1 -quality 92)
opaque_gif_options=(+dither -colors 128 -alpha off +repage -strip)

# Text drawn alone and cut to its ink, so it can be placed by its visible extent
# (the brush face's line box is far taller than its letters).
ink() { # font, point size, text, output, [extra options...]
    local font="$1" size="$2" text="$3" out="$4"
    shift 4
    convert -size "$(s 400)x$(s 120)" xc:black -font "$font" -pointsize "$(s "$size")" \
        -gravity center "$@" -annotate +0+0 "$text" -trim +repage "$out"
}

source "$here/window_pictures.sh"
source "$here/icons.sh"

# ---------------------------------------------------------------- sounds

# 16-bit PCM, 44100 Hz, mono; -R makes the noise repeatable, -D leaves out dither.
# Each sound starts and ends at silence, but stops where its decay does: the player
# adds its own silence after it.
make_sounds() {
    local pcm=(-r 44100 -b 16 -c 1)
    # Two linear fades in a row decay like a struck bell, quickly and then slowly.
    local bell_decay=(fade t 0 0.36 0.358)
    # "du": a soft low blip that slides down.
    sox -R -D -n "${pcm[@]}" Sound/du.WAV synth 0.15 sine 260-170 fade h 0.004 0.15 0.09 norm -6
    # "Ding": a bell, a fundamental with two higher partials that die away sooner.
    sox -R -D -n "${pcm[@]}" "$work/ding1.wav" synth 0.36 sine 1568 \
        fade t 0.002 0.36 0.358 "${bell_decay[@]}"
    sox -R -D -n "${pcm[@]}" "$work/ding2.wav" synth 0.36 sine 3136 \
        fade t 0.002 0.36 0.358 "${bell_decay[@]}" "${bell_decay[@]}" vol 0.5
    sox -R -D -n "${pcm[@]}" "$work/ding3.wav" synth 0.36 sine 4233 fade l 0.002 0.36 0.35 vol 0.3
    sox -R -D -m "$work/ding1.wav" "$work/ding2.wav" "$work/ding3.wav" "${pcm[@]}" Sound/Ding.WAV norm -4
    # "2": a plucked string, higher and shorter than the ding.
    sox -R -D -n "${pcm[@]}" Sound/2.WAV synth 0.15 pluck 587 fade q 0.002 0.15 0.07 norm -4
    # "Gun": a burst of noise over a falling thump, overdriven, fast decay.
    sox -R -D -n "${pcm[@]}" "$work/gun1.wav" synth 0.25 whitenoise lowpass 2500 \
        fade t 0.001 0.25 0.249 fade t 0 0.25 0.249
    sox -R -D -n "${pcm[@]}" "$work/gun2.wav" synth 0.25 sine 120-45 fade l 0.002 0.25 0.23
    sox -R -D -m "$work/gun1.wav" "$work/gun2.wav" "${pcm[@]}" Sound/Gun.WAV \
        overdrive 8 highpass 30 fade q 0.001 0.25 0.004 norm -3
}

for X in 1 2; do
    S=$((8 * X))
    draw_field
    draw_start
    draw_pause
    draw_stop
    draw_banner
    draw_tile TA 53 51 pictures/splash/tile0.jpg
    draw_tile PP 49 51 pictures/splash/tile1.jpg
    draw_tile ON 53 50 pictures/splash/tile2.jpg
    draw_title
    draw_about_banner
    draw_logo
    draw_icons
done
make_sounds
echo "make_assets: done"
