#!/usr/bin/env bash
# The source folders form layers, each built on the ones before it:
#     base  raster  model  picture  analysis|profiles  session  ui  app
# A file may include headers of its own folder and of lower layers only (analysis and profiles
# are side by side and include neither the other; the pixels, raster, build on base alone), and
# nothing below ui includes Qt. Prints every include that breaks this and fails; silent and
# successful otherwise.
set -euo pipefail
src=${1:?usage: check_layers.sh SRC_DIR}
declare -A rank=([base]=0 [raster]=1 [model]=2 [picture]=3 [analysis]=4 [profiles]=4 [session]=5
  [ui]=6 [app]=7)
status=0
while IFS= read -r -d '' file; do
  folder=${file#"$src"/}
  folder=${folder%%/*}
  own=${rank[$folder]:-}
  if [ -z "$own" ]; then
    echo "$file: folder '$folder' has no place in the layers"
    status=1
    continue
  fi
  line_no=0
  while IFS= read -r line; do
    line_no=$((line_no + 1))
    if [[ $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([a-z_]+)/ ]]; then
      target=${BASH_REMATCH[1]}
      theirs=${rank[$target]:-}
      if [ -z "$theirs" ]; then
        echo "$file:$line_no: includes from unknown folder '$target'"
        status=1
      elif [ "$theirs" -gt "$own" ] || { [ "$theirs" -eq "$own" ] && [ "$target" != "$folder" ]; }; then
        echo "$file:$line_no: $folder includes $target: ${line}"
        status=1
      fi
    elif [ "$own" -lt "${rank[ui]}" ] && [[ $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<(Q[A-Za-z]*|qt[a-z]*/) ]]; then
      echo "$file:$line_no: Qt in the core: ${line}"
      status=1
    fi
  done <"$file"
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)
exit $status
