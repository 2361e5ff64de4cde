#!/usr/bin/env bash
# The setup engine's layers, as architecture.md draws them: app may include
# every folder; product, ui, fileops and shell only base, resources and
# themselves; base only itself and resources. The install log library
# includes neither windows.h nor the file operations. The uninstaller
# (uninstall/) includes of the setup engine only base, shell and the install
# log library, and its core is platform-free. Tests, benchmarks and fuzz
# targets may cross. Fails naming every include that goes the wrong way.
set -uo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
cd "$top/setup" || exit 1
fail=0

allowed() { # folder -> the folders it may include
  case $1 in
    app) echo "app product ui fileops shell base resources" ;;
    product) echo "product base" ;;
    ui | fileops | shell) echo "$1 base resources" ;;
    base) echo "base resources" ;;
    *) echo "" ;;
  esac
}

for folder in app product ui fileops shell base; do
  [ -d "$folder" ] || continue
  ok=" $(allowed "$folder") "
  while IFS=: read -r file line text; do
    target=$(sed -n 's/^#include "\([a-z0-9_]*\)\/.*/\1/p' <<<"$text")
    [ -n "$target" ] || continue
    case $ok in
      *" $target "*) ;;
      *) echo "FAIL setup/$file:$line: $folder includes $target ($text)"; fail=1 ;;
    esac
  done < <(grep -rn --include='*.cpp' --include='*.h' '^#include "' "$folder" |
           grep -v -E '/(tests|bench|fuzz)/')
done

# The install log: platform-free, and free of the file operations.
for f in install_log_format.h log_encoder.h log_encoder.cpp log_file.h log_stream.h \
         log_stream.cpp operation_recorder.h operation_recorder.cpp install_log_recorder.h \
         install_log_recorder.cpp install_log_reader.h install_log_reader.cpp log_chain.h \
         log_chain.cpp; do
  grep -n -E '#include [<"](windows\.h|fileops/file_operations\.h)' "fileops/$f" |
    sed "s|^|FAIL setup/fileops/$f:|" | grep . && fail=1
done

# The uninstaller: of setup's folders only base, shell and the install log.
log_headers=" install_log_format.h install_log_reader.h log_chain.h "
while IFS=: read -r file line text; do
  target=$(sed -n 's/^#include "\([a-z0-9_]*\)\/\([a-z0-9_.]*\)".*/\1 \2/p' <<<"$text")
  [ -n "$target" ] || continue
  read -r dir header <<<"$target"
  case $dir in
    core | base | shell) ;;
    fileops) case $log_headers in *" $header "*) ;; *) echo "FAIL $file:$line: $text"; fail=1 ;; esac ;;
    *) echo "FAIL $file:$line: the uninstaller includes $dir ($text)"; fail=1 ;;
  esac
done < <(cd "$top" && grep -rn --include='*.cpp' --include='*.h' '^#include "' uninstall |
         grep -v '^uninstall/tests/')
grep -rn -E '#include [<"](windows\.h|shell/program_manager_link\.h|shell/dde_conversation\.h)' \
  "$top/uninstall/core" | sed 's|^|FAIL the uninstaller core is platform-free: |' | grep . && fail=1

[ $fail -eq 0 ] && echo "setup's and the uninstaller's includes keep to their layers"
exit $fail
