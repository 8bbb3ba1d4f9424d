#!/usr/bin/env bash
# The source folders form layers, each built on the ones before it:
#     base  model|raster  picture  analysis|profiles  ui  app
# A file may include headers of its own folder and of lower layers only (folders side by side
# include neither the other), and nothing below ui includes Qt. raster, the picture's pixels,
# sits low: on base alone. Prints
# every include that breaks this and fails; silent and successful otherwise.
set -euo pipefail
src=${1:?usage: check_layers.sh SRC_DIR}
declare -A rank=([base]=0 [model]=1 [raster]=1 [picture]=2 [analysis]=3 [profiles]=3 [ui]=4 [app]=5)
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
    elif [ "$own" -lt 4 ] && [[ $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<(Q[A-Za-z]*|qt[a-z]*/) ]]; then
      echo "$file:$line_no: Qt in the core: ${line}"
      status=1
    fi
  done <"$file"
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)
exit $status
