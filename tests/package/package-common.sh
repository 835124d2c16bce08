# SPDX-License-Identifier: MIT
# Sourced by the package checks: skips (77) a check whose tools are missing,
# finds the package that Package.Build made, or skips when that could not be
# made here, or fails.
fail() { echo "FAIL: $*" >&2; exit 1; }
skip() { echo "$*; skipped"; exit 77; }
require_tools() {  # <tools...>
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || skip "$tool is not installed (make deps-test installs it)"
    done
}
find_package_file() {  # <output folder> [tools the check needs...]
    local out=$1
    shift
    [ "${GLOMIRA_SANITIZED:-OFF}" = ON ] && skip "a sanitized build is not what we ship"
    require_tools cpack dpkg-shlibdeps dpkg-deb file "$@"
    deb=$(ls "$out"/glomira_*.deb 2>/dev/null | head -1 || true)
    [ -n "$deb" ] || fail "no package in $out (see the test Package.Build)"
}
