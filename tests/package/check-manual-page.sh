#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The manual page formats with no warning from man and groff, and its NAME
# line is one that lexgrog (and so whatis and apropos) can read.
# Usage: check-manual-page.sh <manual page>
set -uo pipefail
page=$1
. "$(dirname "$0")/package-common.sh"
require_tools man lexgrog
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "man --warnings: $warnings"
name=$(lexgrog "$page") || fail "lexgrog cannot read the NAME line: $name"
[[ $name == *'"glomira - '* ]] || fail "lexgrog: $name"
grep -q '@' "$page" && fail "a placeholder is left in $page: $(grep '@' "$page")"
echo "$name"
