#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# `cmake --install` of the build the program comes from, into a folder of its own: the
# program with its Sound folder beside it, the command in bin, a valid desktop entry,
# valid AppStream data, the icons, the licence notice, the changelog and the manual
# page; then the installed program is started and shows its main window.
set -euo pipefail
program=$(realpath "$1")
build_dir=$(dirname "$program")
here=$(dirname "$(realpath "$0")")
[ -f "$build_dir/cmake_install.cmake" ] || { echo "SKIPPED: $build_dir is not a CMake build folder"; exit 77; }

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

cmake --install "$build_dir" --prefix "$root" >"$root.log" 2>&1 || { cat "$root.log"; rm -f "$root.log"; fail "cmake --install failed"; }
rm -f "$root.log"

# The program and its sounds, and the command that leads to it.
[ -x "$root/libexec/tappon/tappon" ] || fail "libexec/tappon/tappon is missing"
for sound in du.WAV Ding.WAV 2.WAV Gun.WAV; do
    cmp -s "$root/libexec/tappon/Sound/$sound" "$build_dir/Sound/$sound" || fail "Sound/$sound is not installed beside the program"
done
[ -L "$root/bin/tappon" ] || fail "bin/tappon is not a symlink"
[ "$(realpath "$root/bin/tappon")" = "$(realpath "$root/libexec/tappon/tappon")" ] || fail "bin/tappon leads to $(realpath "$root/bin/tappon")"
[ "$(readlink "$root/bin/tappon")" = "../libexec/tappon/tappon" ] || fail "bin/tappon is not relative: $(readlink "$root/bin/tappon")"

# What a packager looks for: the licence notice, the changelog and the manual page.
for doc in share/doc/tappon/copyright share/doc/tappon/changelog.gz share/man/man6/tappon.6.gz; do
    [ -f "$root/$doc" ] || fail "$doc is not installed"
done
gzip -t "$root/share/man/man6/tappon.6.gz" || fail "the manual page is not a valid gzip file"

# Desktop integration.
desktop="$root/share/applications/tappon.desktop"
metainfo="$root/share/metainfo/com.example.tappon.metainfo.xml"
[ -f "$desktop" ] || fail "the desktop entry is missing"
grep -qx 'Exec=tappon' "$desktop" || fail "the desktop entry does not start tappon"
grep -qx 'Icon=tappon' "$desktop" || fail "the desktop entry does not name the icon tappon"
if command -v desktop-file-validate >/dev/null; then
    # Valid, and without hints either (such as two main categories).
    hints=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$hints" ] || fail "the desktop entry is not valid: $hints"
else
    echo "desktop-file-validate is not installed: desktop entry not validated"
fi
[ -f "$metainfo" ] || fail "the AppStream metainfo is missing"
if command -v appstreamcli >/dev/null; then
    notes=$(appstreamcli validate --no-net --pedantic --no-color "$metainfo" 2>&1) || fail "the AppStream metainfo is not valid: $notes"
    # The developer's name is written as AppStream 1.0 has it (Debian 13); the validator
    # before 1.0 (Debian 12) does not know that tag yet and says so as a note.
    if appstreamcli --version | grep -q 'AppStream version: 0\.'; then
        notes=$(grep -v -e ': unknown-tag developer$' -e '^$' <<<"$notes" | sed 's/^✔ Validation was successful: infos: 1$/✔ Validation was successful./')
    fi
    [ "$notes" = "✔ Validation was successful." ] || fail "the AppStream metainfo is not valid: $notes"
else
    echo "appstreamcli is not installed: metainfo not validated"
fi
for size in 16 32 48 64 128 256; do
    icon="$root/share/icons/hicolor/${size}x${size}/apps/tappon.png"
    [ -f "$icon" ] || fail "icon ${size}x${size} is missing"
    if command -v identify >/dev/null; then
        [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "icon ${size}x${size} is $(identify -format '%wx%h' "$icon")"
    fi
done

# The installed program runs from there, through its bin symlink.
bash "$here/../../packaging/check_installed.sh" "$root/bin/tappon"
