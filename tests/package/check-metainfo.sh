#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The AppStream metainfo, as installed and as it would be with its
# screenshots' web folder, passes appstreamcli's pedantic validation; then
# check_metainfo.py checks its languages, release, screenshots and numbers,
# and the package's change log names the same release.
# Usage: check-metainfo.sh <metainfo> <metainfo with screenshots> <screenshot folder>
#        <README.TXT> <version> <release date> <changelog.Debian>
set -uo pipefail
metainfo=$1 with_shots=$2 shots=$3 readme=$4 version=$5 date=$6 changelog=$7
. "$(dirname "$0")/package-common.sh"
require_tools appstreamcli python3
for file in "$metainfo" "$with_shots"; do
    out=$(appstreamcli validate --pedantic --no-net --no-color "$file" 2>&1)
    status=$?
    echo "$out"
    # The one remark allowed: the id's top-level domain is the reserved
    # "invalid", chosen because the project owns no domain.
    other=$(grep -E '^[EWIP]: ' <<<"$out" | grep -v ': cid-maybe-not-rdns ' || true)
    [ "$status" -eq 0 ] && [ -z "$other" ] || fail "$file: appstreamcli has more to say"
done
python3 "$(dirname "$0")/check_metainfo.py" "$with_shots" "$shots" "$readme" "$version" "$date" ||
    fail "the metainfo's contents"
grep -q '<screenshots>' "$with_shots" || fail "$with_shots has no screenshots"

# The change log's first entry: this version, released that day.
top=$(head -1 "$changelog")
[[ $top == "glomira ($version-1) "* ]] || fail "the change log begins with: $top"
day=$(LC_ALL=C date -u -d "$date" '+%a, %d %b %Y')
grep -m1 '^ -- ' "$changelog" | grep -qF "  $day " || fail "the change log's date is not $day"
echo "metainfo valid, in six languages, release $version of $date"
