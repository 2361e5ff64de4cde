#!/usr/bin/env bash
# The utility's folders, as architecture.md draws them, include only
# downward: core is platform-free and includes only itself; runtime (the GUI
# runtime) includes core; commands and operations include runtime and core,
# never each other, and report through interfaces of their own
# (ProgramWindows, OperationView); forms, which implement those interfaces,
# may include every folder below them, and so may the program's entry
# (program.cpp, at the top). Tests and benchmarks may cross. Fails
# naming every include that goes the wrong way.
set -uo pipefail
utility=$(cd "$(dirname "$0")/../../utility" && pwd) || exit 1

# Each folder of the utility and the folders it may include ("." is the
# program's entry at the top).
declare -A mayInclude=(
  [.]="forms commands operations runtime core"
  [forms]="forms commands operations runtime core"
  [commands]="commands runtime core"
  [operations]="operations runtime core"
  [runtime]="runtime core"
  [core]="core"
)
fail=0
cd "$utility" || exit 1

# Every folder of code must be in the list above.
for dir in */; do
  dir=${dir%/}
  case $dir in tests | bench | art) continue ;; esac
  [ -n "${mayInclude[$dir]:-}" ] || { echo "FAIL utility/$dir: a folder without a place in the layers"; fail=1; }
done

while IFS= read -r file; do
  folder=$(dirname "$file")
  ok=" ${mayInclude[$folder]:-} "
  while IFS=: read -r line text; do
    target=$(sed -n 's/^#include "\([a-z0-9_]*\)\/.*/\1/p' <<<"$text")
    if [ -z "$target" ]; then
      # A quoted include without a folder names a file outside the layers.
      case $text in *'#include "'*) echo "FAIL utility/$file:$line: $text"; fail=1 ;; esac
      continue
    fi
    case $ok in
      *" $target "*) ;;
      *) echo "FAIL utility/$file:$line: $folder includes $target ($text)"; fail=1 ;;
    esac
  done < <(grep -n '^#include "' "$file")
done < <(find . -name '*.cpp' -o -name '*.h' | sed 's|^\./||' | grep -v -E '^(tests|bench)/' | sort)

# The platform-free core names no Windows header.
grep -rn -E '#include <(windows|commctrl|shellapi)\.h>' core | sed 's|^|FAIL utility/core is platform-free: |' |
  grep . && fail=1

[ $fail -eq 0 ] && echo "the utility's includes point down its folders"
exit $fail
