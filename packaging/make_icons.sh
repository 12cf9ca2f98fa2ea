#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# Renders the desktop icons (hicolor sizes) from the program's own icon,
# assets/icons/tappon.ico: its 16x16 image for 16, its 32x32 image scaled by whole
# pixels (point filter) for the larger sizes, so the pixel art stays sharp.
# Needs ImageMagick. The outputs are kept in the source tree: packaging/icons/<size>.png.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source_icon="$here/../assets/icons/tappon.ico"
out="$here/icons"
mkdir -p "$out"

command -v convert >/dev/null || { echo "make_icons.sh: ImageMagick's convert is needed" >&2; exit 1; }

# The .ico holds the 32x32 image first and the 16x16 image second.
convert "${source_icon}[1]" -strip "PNG32:$out/16.png"
for size in 32 48 64 128 256; do
    convert "${source_icon}[0]" -filter point -resize "${size}x${size}" -strip "PNG32:$out/$size.png"
done

for size in 16 32 48 64 128 256; do
    read -r w h < <(identify -format '%w %h\n' "$out/$size.png")
    if [ "$w" != "$size" ] || [ "$h" != "$size" ]; then
        echo "make_icons.sh: $size.png is ${w}x$h" >&2
        exit 1
    fi
done
echo "icons written to $out"
