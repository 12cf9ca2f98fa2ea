#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# The Debian package as a user gets it: lintian must find it free of errors and
# warnings, apt must install it with its dependencies on this machine, and the installed
# program must start and show its main window. The package is removed again afterwards,
# whatever the outcome.
#   packaging/check_package.sh build/tappon_<version>_<arch>.deb
set -euo pipefail
deb=$(realpath "${1:?usage: check_package.sh package.deb}")
here=$(dirname "$(realpath "$0")")
"$here/lint_package.sh" "$deb"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
apt=($sudo env DEBIAN_FRONTEND=noninteractive apt-get -y -q)
"${apt[@]}" install "$deb"
trap '"${apt[@]}" remove tappon' EXIT
"$here/check_installed.sh" /usr/games/tappon
