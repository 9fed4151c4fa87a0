#!/usr/bin/env bash
# Formats the hand-written C++ sources of the tree with clang-format and the
# top-level .clang-format, in place.
#
# Left alone:
#  - files a generator in tools/ writes (their banner says "do not edit"):
#    the staleness tests compare them byte for byte with what the generator
#    makes;
#  - files a generator reads as its input (a path it names, such as
#    engine/foundation/english_pos_class_maps.cpp): the generator parses them;
#  - .inc fragments: tables of macro rows, some of them generator inputs.
# Afterwards every generator's --check runs, so a formatted file that a
# generator turns out to depend on is reported at once.
#
# Usage: scripts/format-code.sh [--list]
#   --list  print the files that would be formatted, change nothing.
set -euo pipefail

cd "$(dirname "$0")/.."

clang_format=${CLANG_FORMAT:-clang-format}
if ! command -v "$clang_format" >/dev/null; then
  echo "format-code: $clang_format not found (set CLANG_FORMAT)" >&2
  exit 1
fi

# Base names the generators join onto a folder: `ENGINE / "name.cpp"`.
mapfile -t generator_files < <(grep -ohE '/ *"[A-Za-z0-9_.-]+\.(cpp|h)"' tools/gen_*.py |
                                 sed -E 's/^\/ *"//; s/"$//' | sort -u)

is_generator_file() {
  local base=${1##*/} name
  for name in "${generator_files[@]}"; do
    [[ $base == "$name" ]] && return 0
  done
  return 1
}

files=()
while IFS= read -r -d '' file; do
  if head -n 10 "$file" | grep -q 'do not edit'; then continue; fi
  if is_generator_file "$file"; then continue; fi
  files+=("$file")
done < <(git ls-files -z -- '*.cpp' '*.h')

if [[ ${1:-} == --list ]]; then
  printf '%s\n' "${files[@]}"
  exit 0
fi

printf '%s\0' "${files[@]}" | xargs -0 -n 50 "$clang_format" -i --style=file
echo "format-code: formatted ${#files[@]} files"

status=0
for generator in tools/gen_*.py; do
  python3 "$generator" --check >/dev/null || { echo "format-code: $generator --check failed" >&2; status=1; }
done
exit $status
