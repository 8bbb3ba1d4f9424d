#!/bin/bash
# That a change paints the same pixels: the same pictures exported as PNG by two builds of the
# program, compared byte for byte (the encoder is the same, so equal pixels give equal files).
#     bench/compare_pictures.sh OLD_BUILD NEW_BUILD
set -euo pipefail
old=$1/chargefield
new=$2/chargefield
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
differ=0
count=0
while read -r -a args; do
    count=$((count + 1))
    "$old" "${args[@]}" --export "$dir/old.png" </dev/null
    "$new" "${args[@]}" --export "$dir/new.png" </dev/null
    if ! cmp -s "$dir/old.png" "$dir/new.png"; then
        echo "differ: ${args[*]}"
        differ=$((differ + 1))
    fi
done <<'PICTURES'
--q1 0.4 --q2 -0.1
--q1 0.4 --q2 -0.1 --n-e 2000
--q1 0.4 --q2 -0.1 --n-e 300 --n-fi 40 --pixels 300
--q1 1 --q2 1 --size 7 --n-e 100 --zero-potential --zero-field --field-direction
--q1 -1 --q2 0.05 --size 1 --n-e 50 --n-fi 30 --zero-potential --zero-field --field-direction
--q1 0.6 --q2 -0.6 --size 2.5 --n-e 64 --phi 3 --phi -2 --phi 0.5
--q1 0.3 --q2 0 --size 3 --n-e 40 --lines field
--q1 0 --q2 -0.7 --size 5 --n-fi 60 --lines potential --pixels 1000
--q1 0.95 --q2 -0.2 --size 1.5 --n-e 500 --n-fi 5 --pixels 211
--q1 -0.35 --q2 -0.9 --size 6.5 --n-e 33 --zero-field --field-direction --pixels 777
--q1 0.5 --q2 0.5 --size 4 --n-e 1000 --n-fi 200 --pixels 640
--q1 0.2 --q2 -0.8 --size 3.5 --n-e 12 --phi 10 --phi -10 --zero-potential --pixels 97
PICTURES
echo "$count pictures, $differ differ"
[ "$differ" -eq 0 ]
