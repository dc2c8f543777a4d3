#!/usr/bin/env bash
# Checks that every C++ file of the source tree is formatted as .clang-format
# says: prints each difference and fails on any. The test "format" runs it.
#
# Usage: tools/check-format.sh [SOURCE-FOLDER]
#   TORVALY_CLANG_FORMAT  the clang-format to use; default clang-format-14,
#                         else clang-format (other versions format a little
#                         differently)
# In a git checkout the files are the tracked and the untracked, not ignored
# ones; elsewhere every .cpp and .h outside build folders.
# To format a file: clang-format-14 -i FILE
set -euo pipefail

source_dir=${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
formatter=${TORVALY_CLANG_FORMAT:-}
if [[ -z $formatter ]]; then
    for candidate in clang-format-14 clang-format; do
        if command -v "$candidate" > /dev/null; then
            formatter=$candidate
            break
        fi
    done
fi
if [[ -z $formatter ]] || ! command -v "$formatter" > /dev/null; then
    echo "check-format.sh: clang-format not found (Debian: apt-get install clang-format-14)" >&2
    exit 2
fi

cd "$source_dir"
files=()
if git rev-parse --is-inside-work-tree > /dev/null 2>&1; then
    while IFS= read -r -d '' file; do
        [[ -f $file ]] && files+=("$file")
    done < <(git ls-files -z --cached --others --exclude-standard -- '*.cpp' '*.h')
else
    while IFS= read -r -d '' file; do
        files+=("$file")
    done < <(find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print0)
fi
if ((${#files[@]} == 0)); then
    echo "check-format.sh: no C++ files found in $source_dir" >&2
    exit 2
fi

if ! "$formatter" --dry-run --Werror "${files[@]}"; then
    echo "check-format.sh: files above differ from .clang-format; format them with $formatter -i" >&2
    exit 1
fi
echo "check-format.sh: ${#files[@]} files formatted as .clang-format says ($("$formatter" --version))"
