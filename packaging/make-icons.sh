#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Renders the program's icon at the sizes the desktop's icon theme asks for,
# from resources/icons/glomira.svg into resources/icons/hicolor/<N>x<N>/apps.
# The pictures are committed; run this again after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v rsvg-convert >/dev/null || { echo "rsvg-convert is missing (Debian: librsvg2-bin)" >&2; exit 1; }
for size in 16 32 48 64 128 256; do
    dir=resources/icons/hicolor/${size}x${size}/apps
    mkdir -p "$dir"
    rsvg-convert -w "$size" -h "$size" resources/icons/glomira.svg -o "$dir/glomira.png"
done
# The window icon inside the program is the 128 px picture.
cp resources/icons/hicolor/128x128/apps/glomira.png resources/icons/glomira.png
