#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the Debian package from the build folder's own program, with no new
# build, into a folder of its own for the package checks that follow.
# Skipped (77) for a sanitized build, which is not what we ship, and where
# the packaging tools are missing.
# Usage: build-package.sh <build folder> <output folder> <sanitized: ON/OFF>
set -euo pipefail
build=$1 out=$2 sanitized=$3
. "$(dirname "$0")/package-common.sh"
[ "$sanitized" = ON ] && skip "a sanitized build is not what we ship: no package made"
require_tools cpack dpkg-shlibdeps dpkg-deb file
rm -rf "$out"
mkdir -p "$out"
cd "$build"
if ! cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    exit 1
fi
# The staged tree is not needed once the package is made.
rm -rf "$out/_CPack_Packages"
ls "$out"/glomira_*.deb
