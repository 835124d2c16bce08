#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The MIME type of exported exercises: shared-mime-info takes the XML with
# nothing to say and maps *.glomira to it, its comment is in the six
# languages, and the desktop entry and the metainfo name the same type.
# Usage: check-mime-type.sh <mime XML> <desktop entry> <metainfo>
set -uo pipefail
xml=$1 desktop=$2 metainfo=$3
. "$(dirname "$0")/package-common.sh"
require_tools update-mime-database
type=application/x-glomira-exercises
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/mime/packages"
cp "$xml" "$work/mime/packages/"
# Searched there, so it has nothing to say about the folder itself.
said=$(XDG_DATA_HOME="$work" update-mime-database "$work/mime" 2>&1) || fail "update-mime-database failed: $said"
[ -z "$said" ] || fail "update-mime-database says: $said"
grep -qxE "[0-9]+:$type:\*\.glomira" "$work/mime/globs2" ||
    fail "*.glomira is not $type: $(cat "$work/mime/globs2")"
for lang in sv fr de es it; do
    grep -q "<comment xml:lang=\"$lang\">" "$work/mime/application/x-glomira-exercises.xml" ||
        fail "no $lang comment for $type"
done
grep -qx "MimeType=$type;" "$desktop" || fail "$desktop does not open $type"
grep -q "<mediatype>$type</mediatype>" "$metainfo" || fail "$metainfo does not provide $type"
echo "$type: *.glomira, six languages, opened by the desktop entry"
