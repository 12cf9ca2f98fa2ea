# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# shellcheck shell=bash
# Shared by the end-to-end tests through x11_session.sh: the desktop the program runs on,
# chosen by TAPPON_E2E_DESKTOP:
#   none     a bare X server (Xvfb), no window manager (the default)
#   openbox  Xvfb with openbox
#   xfwm4    Xvfb with Xfce's xfwm4, its compositor off
#   mutter   GNOME's mutter as a headless Wayland compositor, the program on its XWayland
#   kwin     KDE's KWin on its virtual Wayland backend, the program on its XWayland
# Every desktop gets a home, a runtime folder and a session bus of its own, so that no
# setting of the user's reaches it. A desktop that cannot start fails the test: every one
# of them is among the packages `make test` installs.

E2E_DESKTOP=${TAPPON_E2E_DESKTOP:-none}
# The screen's size, WIDTHxHEIGHT (a screen scaled 2x wants a bigger one).
E2E_SCREEN=${TAPPON_E2E_SCREEN:-1024x768}
case $E2E_DESKTOP in
    none|openbox|xfwm4|mutter|kwin) ;;
    *) echo "FAILED: unknown TAPPON_E2E_DESKTOP '$E2E_DESKTOP'"; exit 1 ;;
esac

# A compositor's XWayland makes its sockets in /tmp/.X11-unix, which mutter accepts only
# when it is world-writable and sticky, as systemd makes it. Where it is not (a container
# whose first X server made it under a umask), the test runs again in a mount namespace of
# its own with a private /tmp/.X11-unix; X clients still reach every server through its
# abstract socket, and the sockets made there are seen by this test only.
desktop_private_x11_dir() {
    [ "${E2E_PRIVATE_X11_DIR:-}" = 1 ] && return 0
    [ "$(stat -c %a /tmp/.X11-unix 2>/dev/null)" = 1777 ] && return 0
    if [ "$(id -u)" -ne 0 ] || ! command -v unshare >/dev/null; then
        echo "FAILED: $E2E_DESKTOP needs /tmp/.X11-unix with mode 1777 (it is $(stat -c %a /tmp/.X11-unix 2>&1))"
        exit 1
    fi
    E2E_PRIVATE_X11_DIR=1 exec unshare --mount --propagation private -- \
        sh -c 'mount -t tmpfs -o mode=1777 tmpfs /tmp/.X11-unix && exec bash "$0" "$@"' "$0" "$@"
}
case $E2E_DESKTOP in mutter|kwin) desktop_private_x11_dir "$@" ;; esac

desktop_fail() {
    echo "FAILED: $E2E_DESKTOP did not start: $1"
    [ -f "$E2E_TMP/desktop.log" ] && tail -n 30 "$E2E_TMP/desktop.log"
    exit 1
}

# The package version of the desktop, for the test's log.
desktop_version() {
    local package=$E2E_DESKTOP
    [ "$package" = none ] && { echo "none, a bare X server"; return; }
    [ "$package" = kwin ] && package=kwin-wayland
    dpkg-query -W -f '${Package} ${Version}' "$package" 2>/dev/null || echo "$package (version unknown)"
}

# Writes a session bus's configuration that starts no service on demand, and prints its
# path. KWin 6 runs the scripts of /etc/xdg/Xwayland-session.d once its XWayland is up;
# at-spi2-core's asks the session bus for an accessibility bus, which starts one, and
# writes its address on the root window. The program and the test, each on a session
# bus of their own, would then find different accessibility buses: the test the root
# window's, the program its session's. Where nothing can be started, the script finds
# no accessibility bus and leaves the root window alone.
desktop_quiet_bus_config() {
    cat >"$E2E_TMP/desktop-bus.conf" <<'EOF'
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <keep_umask/>
  <listen>unix:tmpdir=/tmp</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
EOF
    echo "$E2E_TMP/desktop-bus.conf"
}

# A home, a runtime folder and a session bus for the desktop (not for the program).
desktop_environment() {
    mkdir -p "$E2E_TMP/desktop-home"
    mkdir -m 700 -p "$E2E_TMP/desktop-runtime"
    # A screen scaled for the program is not scaled for KWin, a toolkit's program too.
    DESKTOP_ENV=(-u QT_SCALE_FACTOR HOME="$E2E_TMP/desktop-home" XDG_CONFIG_HOME="$E2E_TMP/desktop-home/.config"
                 XDG_RUNTIME_DIR="$E2E_TMP/desktop-runtime"
                 # Its own toolkit's accessibility would publish a bus of its own on the
                 # root window, where the program and the test would look for theirs.
                 NO_AT_BRIDGE=1 GTK_A11Y=none)
    local bus config=--session
    [ "$E2E_DESKTOP" = kwin ] && config=--config-file=$(desktop_quiet_bus_config)
    bus=$(dbus-daemon "$config" --fork --nopidfile --print-address=1 --print-pid=1) \
        || desktop_fail "no session bus for it"
    E2E_PIDS+=("$(sed -n 2p <<<"$bus")")
    DESKTOP_ENV+=(DBUS_SESSION_BUS_ADDRESS="$(sed -n 1p <<<"$bus")")
}

# Waits until a window manager has taken over the display: the root window names its
# check window, and the check window names itself back.
desktop_wait_wm() {
    local pid=$1 check
    for _ in $(seq 200); do
        kill -0 "$pid" 2>/dev/null || desktop_fail "it ended"
        check=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | sed -n 's/.*window id # \(0x[0-9a-f]*\).*/\1/p')
        if [ -n "$check" ] && xprop -id "$check" _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "$check"; then
            return 0
        fi
        sleep 0.05
    done
    desktop_fail "no window manager took over the display within 10 s"
}

# Starts a window manager on the X server of DISPLAY.
desktop_start_wm() {
    desktop_environment
    case $E2E_DESKTOP in
        openbox) env "${DESKTOP_ENV[@]}" openbox --sm-disable --config-file /etc/xdg/openbox/rc.xml ;;
        xfwm4)   env "${DESKTOP_ENV[@]}" xfwm4 --compositor=off --sm-client-disable ;;
    esac >"$E2E_TMP/desktop.log" 2>&1 &
    E2E_PIDS+=($!)
    desktop_wait_wm $!
}

# KWin's binary asks for a file capability (raising its limits) that a container's
# bounding set may lack, and then it cannot be run at all; run through the dynamic loader
# it starts without it. Its platform plugin then needs telling it is KWin's.
desktop_kwin_command() {
    local kwin
    kwin=$(command -v kwin_wayland)
    if "$kwin" --help >/dev/null 2>&1; then
        echo "$kwin"
    else
        echo "KWIN_FORCE_OWN_QPA=1 $(ldd "$kwin" | awk '/ld-linux/ { print $1 }') $kwin"
    fi
}

# Points DISPLAY and XAUTHORITY at the XWayland of mutter (process $1): mutter starts it
# at once as a child of its own, with the display and the authority on its command line.
desktop_mutter_xwayland() {
    local pid=$1 xwayland auth
    for _ in $(seq 300); do
        kill -0 "$pid" 2>/dev/null || desktop_fail "it ended"
        xwayland=$(pgrep -a -P "$pid" Xwayland || true)
        [ -n "$xwayland" ] && break
        sleep 0.05
    done
    [ -n "$xwayland" ] || desktop_fail "it started no XWayland within 15 s"
    DISPLAY=$(grep -o ' :[0-9]*' <<<"$xwayland" | head -n1 | tr -d ' ')
    auth=$(sed -n 's/.* -auth \([^ ]*\).*/\1/p' <<<"$xwayland")
    if [ -n "$auth" ]; then export XAUTHORITY=$auth; else unset XAUTHORITY; fi
}

# Points DISPLAY and XAUTHORITY at the XWayland of KWin (process $1), as KWin handed them
# to the announcing program it was asked to start (desktop_kwin_announcer). KWin 5 starts
# XWayland before its programs; KWin 6 only listens on the X display and starts XWayland
# when the first client connects, so no XWayland process can be waited for, and the
# authority is empty then: that XWayland lets every local client in.
desktop_kwin_xwayland() {
    local pid=$1 announced=$2 auth
    for _ in $(seq 300); do
        kill -0 "$pid" 2>/dev/null || desktop_fail "it ended"
        [ -s "$announced" ] && break
        sleep 0.05
    done
    [ -s "$announced" ] || desktop_fail "it announced no X display within 15 s"
    DISPLAY=$(sed -n 's/^DISPLAY=//p' "$announced")
    [ -n "$DISPLAY" ] || desktop_fail "it announced no X display: $(cat "$announced")"
    auth=$(sed -n 's/^XAUTHORITY=//p' "$announced")
    if [ -n "$auth" ]; then export XAUTHORITY=$auth; else unset XAUTHORITY; fi
}

# Writes the program KWin starts once its X display is there: it writes the display and
# its authority to file $1 (whole, or not at all) and ends.
desktop_kwin_announcer() {
    local announcer=$E2E_TMP/desktop-announce
    cat >"$announcer" <<EOF
#!/bin/sh
printf 'DISPLAY=%s\nXAUTHORITY=%s\n' "\$DISPLAY" "\${XAUTHORITY:-}" >"$1.part" && mv "$1.part" "$1"
EOF
    chmod +x "$announcer"
    echo "$announcer"
}

# Starts a Wayland compositor with its XWayland, and exports the X display, its
# authority and the Wayland display as a Wayland session has them.
desktop_start_compositor() {
    desktop_environment
    local socket=wayland-tappon pid announced=$E2E_TMP/desktop-display
    local command
    case $E2E_DESKTOP in
        mutter) command="mutter --headless --wayland --virtual-monitor $E2E_SCREEN --wayland-display=$socket" ;;
        # It lets tests' screenshots through without asking whose they are. Its last word
        # is a program it starts, with the X display in its environment.
        kwin)   command="KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1 $(desktop_kwin_command) --virtual --xwayland --width ${E2E_SCREEN%x*} --height ${E2E_SCREEN#*x} --socket $socket"
                command+=" --no-lockscreen --no-global-shortcuts --no-kactivities $(desktop_kwin_announcer "$announced")" ;;
    esac
    # shellcheck disable=SC2086 # the command is split into its words on purpose
    env "${DESKTOP_ENV[@]}" $command >"$E2E_TMP/desktop.log" 2>&1 &
    pid=$!
    E2E_PIDS+=("$pid")
    export DISPLAY
    case $E2E_DESKTOP in
        mutter) desktop_mutter_xwayland "$pid" ;;
        kwin)   desktop_kwin_xwayland "$pid" "$announced" ;;
    esac
    # The first client to connect may be the one that has the X server started.
    for _ in $(seq 200); do
        xprop -root >/dev/null 2>&1 && break
        sleep 0.05
    done
    desktop_wait_wm "$pid"
    # The X server may start at a size of its own until the compositor gives it the screen's.
    for _ in $(seq 100); do
        [ "$(xwininfo -root | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')" = "$E2E_SCREEN" ] && break
        sleep 0.05
    done
    export WAYLAND_DISPLAY=$E2E_TMP/desktop-runtime/$socket XDG_SESSION_TYPE=wayland
    # Where a test's screenshot asks KWin for the picture.
    if [ "$E2E_DESKTOP" = kwin ]; then export TAPPON_E2E_KWIN_BUS=${DESKTOP_ENV[-1]#*=}; fi
}

# Starts the desktop on the X server of DISPLAY (none, openbox, xfwm4), or starts the
# compositor and points DISPLAY at its XWayland (mutter, kwin).
desktop_start() {
    echo "desktop: $(desktop_version)"
    case $E2E_DESKTOP in
        none) ;;
        openbox|xfwm4) command -v "$E2E_DESKTOP" >/dev/null || desktop_fail "it is not installed"
                       desktop_start_wm ;;
        mutter|kwin)   command -v "${E2E_DESKTOP/kwin/kwin_wayland}" >/dev/null || desktop_fail "it is not installed"
                       desktop_start_compositor ;;
    esac
}
