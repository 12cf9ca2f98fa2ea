#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# Checks the Debian package with lintian and fails on any error or warning (or when
# lintian cannot check it). Informational and pedantic tags are shown too, as advice,
# but do not fail the check.
#   packaging/lint_package.sh build/tappon_<version>_<arch>.deb
set -euo pipefail
deb=${1:?usage: lint_package.sh package.deb}
"$(dirname "$(realpath "$0")")/../tools/install-packages" lintian
if ! lintian --fail-on error,warning --display-info --pedantic --tag-display-limit 0 "$deb"; then
    echo "FAILED: lintian reports errors or warnings on $deb (or could not check it)"
    exit 1
fi
echo "lintian: no errors or warnings on $deb"
