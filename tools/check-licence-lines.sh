#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fails, naming each file, when a source file of the project's own code lacks
# its SPDX licence line among its first two lines (after a #! line).
# Usage: check-licence-lines.sh [repository root]
set -uo pipefail
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$root" || exit 2
missing=0
checked=0
while IFS= read -r -d '' file; do
    checked=$((checked + 1))
    if ! head -n 2 "$file" | grep -q 'SPDX-License-Identifier: MIT'; then
        echo "check-licence-lines: $file has no SPDX-License-Identifier line at its top"
        missing=$((missing + 1))
    fi
done < <(find src tests tools bench fuzz .ci packaging -name node_modules -prune -o -type f \
    \( -name '*.cpp' -o -name '*.h' -o -name '*.js' -o -name '*.sh' -o -name CMakeLists.txt \
       -o -name Makefile -o -path .ci/run \) -print0)
if [ "$checked" -eq 0 ]; then
    echo "check-licence-lines: no source files found under $root"
    exit 1
fi
[ "$missing" -eq 0 ] || exit 1
echo "check-licence-lines: $checked files, each with its licence line"
