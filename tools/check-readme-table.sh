#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks that the code table in README.md ("### Where the code is") matches
# the source tree, so a new maintainer's key to the names cannot go stale.
#
# Usage: tools/check-readme-table.sh [repository root]
# The root defaults to this script's folder's parent. Needs bash, grep and
# coreutils only (no git, no find): it works in a plain source tree too.
#
# How a file is named: the section runs from its heading to the next heading
# of level 2 or 3 ("## " or "### "); its "####" sub-headings stay inside. In
# every table row of the section ("| ... |"), each `backticked` text in the
# first column is a file's path from the repository root. Backticked texts in
# the last column (the tests) that contain a "/" are paths too; other columns
# and text outside the table rows are free prose.
#
# It fails (exit 1), naming each file, when
# - a C++ file (*.h, *.cpp) under src/, tools/ (node_modules and hidden
#   folders aside), bench/, fuzz/, or under tests/ other than a test file
#   (tests/<folder>/test_*.cpp), has no row;
# - the first column names a file that does not exist, or the last column a
#   path that does not exist.

set -u

root=${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
readme="$root/README.md"
heading='### Where the code is'

if [[ ! -f "$readme" ]]; then
    echo "check-readme-table: no README.md in $root" >&2
    exit 1
fi

# Prints each `backticked` text of the argument on its own line.
backticked() {
    local rest=$1
    # shellcheck disable=SC2016  # the backticks are the pattern, not a command
    local pattern='`([^`]+)`'
    while [[ $rest =~ $pattern ]]; do
        printf '%s\n' "${BASH_REMATCH[1]}"
        rest=${rest#*"${BASH_REMATCH[0]}"}
    done
}

named=()      # first column: the files with a row
referenced=() # last column: the test files and folders
in_section=false
found_section=false
while IFS= read -r line || [[ -n $line ]]; do
    line=${line%$'\r'}
    if [[ $line == "$heading" ]]; then
        in_section=true
        found_section=true
        continue
    fi
    if $in_section && [[ $line == '## '* || $line == '### '* ]]; then
        in_section=false
    fi
    $in_section || continue
    [[ $line == '|'* ]] || continue

    cells=${line#|}
    first=${cells%%|*}
    trimmed=${cells%"${cells##*[![:space:]]}"}
    trimmed=${trimmed%|}
    last=${trimmed##*|}
    while IFS= read -r name; do
        [[ -n $name ]] && named+=("$name")
    done < <(backticked "$first")
    while IFS= read -r name; do
        [[ $name == */* ]] && referenced+=("$name")
    done < <(backticked "$last")
done <"$readme"

if ! $found_section; then
    echo "check-readme-table: README.md has no \"$heading\" section" >&2
    exit 1
fi
if ((${#named[@]} == 0)); then
    echo "check-readme-table: the \"$heading\" table names no files" >&2
    exit 1
fi

failed=0

# The C++ files under a folder, node_modules left out (bash alone: no find).
walk() {
    local entry
    for entry in "$1"/*; do
        if [[ -d $entry && ! -L $entry ]]; then
            [[ ${entry##*/} == node_modules ]] || walk "$entry"
        elif [[ -f $entry && ($entry == *.h || $entry == *.cpp) ]]; then
            printf '%s\n' "$entry"
        fi
    done
}

# Every C++ file of the tree, from the root, sorted.
tree_files() {
    (
        cd "$root" || exit 1
        shopt -s nullglob
        for dir in src tools bench fuzz tests; do
            [[ -d $dir ]] && walk "$dir"
        done
    ) | grep -v '^tests/.*/test_[^/]*\.cpp$' | LC_ALL=C sort
}

missing=$(comm -23 <(tree_files) <(printf '%s\n' "${named[@]}" | LC_ALL=C sort -u))
if [[ -n $missing ]]; then
    while IFS= read -r file; do
        echo "check-readme-table: $file has no row in the README table" >&2
    done <<<"$missing"
    failed=1
fi

for file in "${named[@]}"; do
    if [[ ! -f "$root/$file" ]]; then
        echo "check-readme-table: the README table names $file, which does not exist" >&2
        failed=1
    fi
done
for path in ${referenced[@]+"${referenced[@]}"}; do
    if [[ ! -e "$root/$path" ]]; then
        echo "check-readme-table: the README table names the test $path, which does not exist" >&2
        failed=1
    fi
done

if ((failed)); then
    exit 1
fi
echo "check-readme-table: ${#named[@]} files named, all present, none missing"
