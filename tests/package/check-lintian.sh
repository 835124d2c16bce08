#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Lintian finds no error in the package, and every warning it gives is one
# the README's developer section names with its reason.
# Usage: check-lintian.sh <package folder> <README.md>
set -euo pipefail
out=$1 readme=$2
. "$(dirname "$0")/package-common.sh"
find_package_file "$out" lintian

status=0
report=$(lintian --no-tag-display-limit "$deb" 2>"$out/lintian.err") || status=$?
echo "$report"
# 1 means tags at the failing level; anything else beyond 0, that it could not run.
[ "$status" -le 1 ] || fail "lintian could not check the package: $(cat "$out/lintian.err")"
errors=$(grep -c '^E: ' <<<"$report" || true)
unexplained=0
while read -r tag; do
    if ! grep -qF "\`$tag\`" "$readme"; then
        echo "lintian warning $tag is not explained in $(basename "$readme")"
        unexplained=$((unexplained + 1))
    fi
done < <(sed -n 's/^W: [^ ]*: \([^ ]*\).*/\1/p' <<<"$report" | sort -u)
[ "$errors" -eq 0 ] || fail "lintian found $errors errors"
[ "$unexplained" -eq 0 ] || fail "$unexplained lintian warnings unexplained"
echo "lintian: no errors; $(grep -c '^W: ' <<<"$report" || true) warnings, each explained"
