#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The desktop entry passes desktop-file-validate with nothing to say: no
# error, no warning, no hint. Skipped (code 77) with a message where the
# validator is not installed.
set -u
entry=$1
if ! command -v desktop-file-validate >/dev/null; then
    echo "desktop-file-validate is not installed (Debian: desktop-file-utils); skipped"
    exit 77
fi
out=$(desktop-file-validate "$entry" 2>&1)
status=$?
if [ "$status" -ne 0 ] || [ -n "$out" ]; then
    echo "$out"
    exit 1
fi
echo "$entry: valid"
