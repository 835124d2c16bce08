#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# shellcheck disable=SC2016  # backticks in single quotes are Markdown, not commands
# The README table check on a small made-up tree: it passes when table and
# tree agree, and fails, naming the file, on each kind of mismatch.
# Usage: check-readme-table-test.sh <path of check-readme-table.sh>
set -u
check=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
failures=0

# expect <0|1> <text the output must hold, or ""> <what is tried>
expect() {
    local status=0 output
    output=$("$check" "$tree" 2>&1) || status=$?
    if [[ $status != "$1" || ( -n $2 && $output != *"$2"* ) ]]; then
        echo "FAIL: $3: exit $status, output: $output"
        failures=$((failures + 1))
    fi
}

write_readme() {
    cat >"$tree/README.md" <<TABLE
### Where the code is

#### src

| file | class | what it is | test file |
|---|---|---|---|
| \`src/a/A.h\` | \`A\` | a unit, see \`src/none.h\` | \`tests/a/test_A.cpp\`, \`NotAPath\` |
$1

#### tests

| file | class | what it is | test file |
|---|---|---|---|
| \`src/a/A.cpp\` | | its other half | — |

### Glossary

| \`src/ghost.h\` | outside the section |
TABLE
}

mkdir -p "$tree/src/a" "$tree/tests/a" "$tree/tools/gen/node_modules/lib"
touch "$tree/src/a/A.h" "$tree/src/a/A.cpp" "$tree/tests/a/test_A.cpp" \
      "$tree/tools/gen/node_modules/lib/addon.h"
write_readme ""
expect 0 "2 files named" "table and tree agree"

touch "$tree/src/a/B.h"
expect 1 "src/a/B.h has no row" "an unlisted header"
rm "$tree/src/a/B.h"

touch "$tree/tests/a/Helper.h"
expect 1 "tests/a/Helper.h has no row" "an unlisted test helper"
rm "$tree/tests/a/Helper.h"

write_readme '| `src/a/Gone.h` | | gone | — |'
expect 1 "names src/a/Gone.h, which does not exist" "a row for a missing file"

write_readme '| `src/a/A.h` | | twice | `tests/a/test_Gone.cpp` |'
expect 1 "names the test tests/a/test_Gone.cpp, which does not exist" "a missing test file"

printf '# Nothing here\n' >"$tree/README.md"
expect 1 "no \"### Where the code is\" section" "a README without the table"

((failures == 0)) && echo "check-readme-table: every case behaves"
exit $((failures > 0))
