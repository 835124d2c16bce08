#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The icon theme's pictures (packaging/make-icons.sh renders them from the
# SVG): one for each size the package installs, each of its folder's size,
# and the window icon the same as the 128 px one.
# Usage: check-icons.sh <resources/icons folder>
set -uo pipefail
icons=$1
. "$(dirname "$0")/package-common.sh"
require_tools file
for size in 16 32 48 64 128 256; do
    png=$icons/hicolor/${size}x${size}/apps/glomira.png
    [ -f "$png" ] || fail "no $png"
    [[ $(file -b "$png") == "PNG image data, $size x $size,"* ]] || fail "$png: $(file -b "$png")"
done
cmp -s "$icons/glomira.png" "$icons/hicolor/128x128/apps/glomira.png" ||
    fail "the window icon differs from the 128 px one (run packaging/make-icons.sh)"
echo "icons at 16, 32, 48, 64, 128 and 256 px"
