#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The package holds the program, every file of gamedata/ and help/ beside
# it, the launcher link, the desktop files, icons, manual page and
# copyright, all owned by root; and it depends on what the program opens at
# run time besides its libraries.
# Usage: check-package-contents.sh <package folder> <source folder> <metainfo id>
set -euo pipefail
out=$1 src=$2 id=$3
. "$(dirname "$0")/package-common.sh"
find_package_file "$out"

listing=$(mktemp)
trap 'rm -f "$listing"' EXIT
dpkg-deb -c "$deb" >"$listing"
paths=$(awk '{print $6}' "$listing")
missing=0
expect() {
    if ! grep -qxF "./$1" <<<"$paths"; then
        echo "missing from the package: /$1"
        missing=$((missing + 1))
    fi
}

lib=usr/lib/glomira
expect "$lib/glomira"
count=0
while IFS= read -r -d '' file; do
    expect "$lib/${file#./}"
    count=$((count + 1))
done < <(cd "$src/gamedata" && find . -type f ! -name .gitkeep -print0)
while IFS= read -r -d '' file; do
    expect "$lib/help/${file#./}"
    count=$((count + 1))
done < <(cd "$src/help" && find . -type f -print0)
[ "$count" -gt 250 ] || fail "only $count data and help files found in $src"

expect usr/share/applications/glomira.desktop
expect "usr/share/metainfo/$id.metainfo.xml"
expect usr/share/mime/packages/glomira-exercises.xml
for size in 16 32 48 64 128 256; do
    expect "usr/share/icons/hicolor/${size}x${size}/apps/glomira.png"
done
expect usr/share/icons/hicolor/scalable/apps/glomira.svg
expect usr/share/man/man6/glomira.6.gz
expect usr/share/doc/glomira/copyright
expect usr/share/doc/glomira/changelog.Debian.gz
[ "$missing" -eq 0 ] || fail "$missing files missing"

# The launcher on the path is a relative link to the program.
grep -qE ' \./usr/bin/glomira -> \.\./lib/glomira/glomira$' "$listing" ||
    fail "no link /usr/bin/glomira -> ../lib/glomira/glomira: $(grep usr/bin "$listing" || true)"
# Nothing outside /usr, nothing owned by anyone but root.
outside=$(grep -vE ' \./(usr/.*)?$' "$listing" || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"
owners=$(awk '$2 != "root/root"' "$listing")
[ -z "$owners" ] || fail "not owned by root: $owners"

# Depends: what dpkg-shlibdeps found and what the program opens by name.
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6multimedia6 libqt6sql6 libfluidsynth3 libgif7 \
    libqt6sql6-sqlite libqt6svg6 fonts-liberation2 timgm6mb-soundfont; do
    grep -qE "(^|, |\| )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
echo "$(basename "$deb"): $(wc -l <"$listing") entries, the program, $count data and help files," \
     "desktop files, icons, manual page and copyright; Depends: $depends"
