#!/usr/bin/env bash
# The include directions of the setup engine and the uninstaller, checked by
# folder against the one list of what each folder may include: the table
# "What each folder may include" of architecture.md. A folder named there
# allows every folder below it ("ui" allows "ui/options/model/"). A folder
# marked platform-free includes windows.h neither itself nor through a
# header it includes. An include names its folder ("base/setup_string.h"):
# of setup/ for setup's folders, of uninstall/ first for the uninstaller's
# ("core/").
# Tests, benchmarks and fuzz targets may cross. Fails naming every include
# that goes the wrong way.
set -uo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
cd "$top" || exit 1
fail=0

# Rows of the table: | `folder/` | `a` `b` ... | yes or no |
rules=$(sed -n '/^### What each folder may include/,/^#/p' architecture.md |
        grep -E '^\| `[a-z_/]+/` \|' |
        sed -E 's/^\| `([a-z_/]+)\/` \| ([^|]*)\| *(yes|no) *\|.*/\1|\2|\3/; s/`//g')
if [ -z "$rules" ]; then
  echo "FAIL architecture.md has no table of what each folder may include"
  exit 1
fi
folders=$(cut -d'|' -f1 <<<"$rules")

# The file an include "dir/name.h" of a file in folder names, if it is ours.
resolve() { # folder include
  local root=${1%%/*}
  if [ "$root" = uninstall ] && [ -f "uninstall/$2" ]; then echo "uninstall/$2"
  elif [ -f "setup/$2" ]; then echo "setup/$2"
  fi
}

# The folder's own files: not its tests, benchmarks, fuzz targets, nor a
# subfolder with a row of its own.
own_files() { # folder
  local prune=()
  for other in $folders; do
    [ "$other" != "$1" ] && [ "${other#"$1"/}" != "$other" ] && prune+=(-path "$other" -prune -o)
  done
  find "$1" "${prune[@]}" \( -name tests -o -name bench -o -name fuzz \) -prune -o \
    -type f \( -name '*.cpp' -o -name '*.h' \) -print
}

# Whether file includes windows.h, itself or through our headers it includes.
declare -A seen
uses_windows() { # folder file
  [ -n "${seen[$2]:-}" ] && return 1
  seen[$2]=1
  grep -q '^#include <windows\.h>' "$2" && return 0
  local include header
  for include in $(sed -n 's/^#include "\([a-z0-9_/]*\/[a-z0-9_.]*\)".*/\1/p' "$2"); do
    header=$(resolve "$1" "$include")
    [ -n "$header" ] && uses_windows "$1" "$header" && return 0
  done
  return 1
}

# Every model/ folder is the platform-free part of the folder above it: it
# has a row of its own, marked so.
for model in $(find setup uninstall \( -name tests -o -name bench -o -name fuzz \) -prune -o \
                 -type d -name model -print); do
  grep -qx "$model|.*|yes" <<<"$rules" ||
    { echo "FAIL $model/ has no platform-free row in architecture.md"; fail=1; }
done

while IFS='|' read -r folder allowed platform_free; do
  [ -d "$folder" ] || { echo "FAIL architecture.md names $folder/, which is not there"; fail=1; continue; }
  for file in $(own_files "$folder"); do
    while IFS=: read -r line text; do
      target=$(sed -n 's/^#include "\([a-z0-9_/]*\)\/[^/]*".*/\1/p' <<<"$text")
      [ -n "$target" ] || continue
      allows=0
      for prefix in $allowed; do
        case $target/ in "$prefix"/*) allows=1 ;; esac
      done
      [ $allows -eq 1 ] ||
        { echo "FAIL $file:$line: $folder includes $target ($text)"; fail=1; }
    done < <(grep -n '^#include "' "$file")
    if [ "$platform_free" = yes ]; then
      seen=()
      uses_windows "$folder" "$file" &&
        { echo "FAIL $file: $folder is platform-free but includes windows.h"; fail=1; }
    fi
  done
done <<<"$rules"

[ $fail -eq 0 ] && echo "setup's and the uninstaller's includes keep to their folders"
exit $fail
