#!/usr/bin/env bash
# Source rules of the folder layering, read from the folder libraries of CMakeLists.txt
# (orv_folder_library(<folder> USES <libraries below>)):
#   - a file of src/<folder>/ includes headers of its own folder, of media and of the folders
#     its library uses, directly or through them; never a folder above it. The media layer
#     includes nothing of the game;
#   - no #include climbs out of its folder with "../";
#   - every .cpp of src/ has a header of the same name beside it (src/main.cpp excepted).
# The build enforces the first rule for sources (include roots); this also covers headers that
# only upper folders include.
set -eu
root=${1:-$(dirname "$0")/..}
cd "$root"
declare -A uses
while read -r folder rest; do
  uses[$folder]="${rest//orv_/}"
done < <(sed -n 's/^orv_folder_library(\([a-z_]*\)\( USES \([^)]*\)\)\?).*/\1 \3/p' CMakeLists.txt)
[ ${#uses[@]} -gt 0 ] || { echo "no orv_folder_library lines in CMakeLists.txt"; exit 1; }
uses[media]=""
closure() {  # every folder reachable from $1, as " a b c "
  local todo=("$1") seen=" $1 " f u
  while [ ${#todo[@]} -gt 0 ]; do
    f=${todo[0]}
    todo=("${todo[@]:1}")
    for u in ${uses[$f]:-}; do
      [ "$u" = media_core ] && u=media
      case $seen in *" $u "*) ;; *) seen="$seen$u " && todo+=("$u") ;; esac
    done
  done
  echo "$seen media "
}
status=0
for folder in "${!uses[@]}"; do
  allowed=$(closure "$folder")
  [ "$folder" = media ] && allowed=" media "
  while IFS=: read -r file line text; do
    inc=${text#*\"}
    inc=${inc%%\"*}
    case $inc in
      ../* | */../*)
        echo "$file:$line: climbs out of its folder: $inc"
        status=1
        ;;
      */*)
        case $allowed in
          *" ${inc%%/*} "*) ;;
          *)
            echo "$file:$line: $folder may not include $inc"
            status=1
            ;;
        esac
        ;;
    esac
  done < <(grep -rn '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "src/$folder" || true)
done
while read -r cpp; do
  [ "$cpp" = src/main.cpp ] && continue
  [ -f "${cpp%.cpp}.h" ] || { echo "$cpp: no header ${cpp%.cpp}.h" && status=1; }
done < <(find src -name '*.cpp' | sort)
[ $status = 0 ] && echo "every folder includes only the folders below it; every source has its header"
exit $status
