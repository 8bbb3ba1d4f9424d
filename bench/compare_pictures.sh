#!/bin/bash
# That a change paints the same pixels and writes the same files: the same pictures exported as
# PNG and SVG, and profile data as CSV, by two builds of the program, compared byte for byte (the
# encoders are the same, so equal pixels give equal files). Each case below starts with the kind
# of file it writes.
#     bench/compare_pictures.sh OLD_BUILD NEW_BUILD
set -euo pipefail
old=$1/chargefield
new=$2/chargefield
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
differ=0
count=0
while read -r kind args_text; do
    read -r -a args <<<"$args_text"
    count=$((count + 1))
    option=--export
    if [ "$kind" = csv ]; then
        option=--export-csv
    fi
    "$old" "${args[@]}" "$option" "$dir/old.$kind" </dev/null
    "$new" "${args[@]}" "$option" "$dir/new.$kind" </dev/null
    if ! cmp -s "$dir/old.$kind" "$dir/new.$kind"; then
        echo "differ: $kind ${args[*]}"
        differ=$((differ + 1))
    fi
done <<'PICTURES'
png --q1 0.4 --q2 -0.1
png --q1 0.4 --q2 -0.1 --n-e 2000
png --q1 0.4 --q2 -0.1 --n-e 300 --n-fi 40 --pixels 300
png --q1 1 --q2 1 --size 7 --n-e 100 --zero-potential --zero-field --field-direction
png --q1 -1 --q2 0.05 --size 1 --n-e 50 --n-fi 30 --zero-potential --zero-field --field-direction
png --q1 0.6 --q2 -0.6 --size 2.5 --n-e 64 --phi 3 --phi -2 --phi 0.5
png --q1 0.3 --q2 0 --size 3 --n-e 40 --lines field
png --q1 0 --q2 -0.7 --size 5 --n-fi 60 --lines potential --pixels 1000
png --q1 0.95 --q2 -0.2 --size 1.5 --n-e 500 --n-fi 5 --pixels 211
png --q1 -0.35 --q2 -0.9 --size 6.5 --n-e 33 --zero-field --field-direction --pixels 777
png --q1 0.5 --q2 0.5 --size 4 --n-e 1000 --n-fi 200 --pixels 640
png --q1 0.2 --q2 -0.8 --size 3.5 --n-e 12 --phi 10 --phi -10 --zero-potential --pixels 97
png --q1 0.4 --q2 -0.1 --potential-map --arrows
png --q1 -0.7 --q2 0.3 --size 2 --potential-map --zero-field --pixels 401
png --q1 1 --q2 -1 --size 1 --potential-map --arrows --flux-lines --pixels 613
png --q1 0.8 --q2 0.8 --size 1.5 --zero-field --field-direction --arrows --pixels 777
svg --q1 0.4 --q2 -0.1
svg --q1 0.6 --q2 -0.6 --size 2.5 --n-e 64 --phi 3 --phi -2 --phi 0.5 --zero-potential
svg --q1 -1 --q2 0.05 --size 1 --n-e 50 --n-fi 30 --zero-field --field-direction --pixels 300
svg --q1 0.5 --q2 0.5 --size 4 --n-e 300 --n-fi 40
csv --profile fi-x
csv --q1 0.6 --q2 -0.6 --size 2.5 --profile fi-y --xfix 0
csv --q1 -1 --q2 0.05 --size 1 --profile ex-x --yfix -0.3
csv --q1 0.3 --q2 0.3 --size 7 --profile ey-x --yfix 2
csv --q1 0.95 --q2 -0.2 --size 1.5 --profile ex-y --xfix -0.5
csv --q1 0 --q2 -0.7 --size 5 --profile ey-y --xfix 1.25
PICTURES
echo "$count files, $differ differ"
[ "$differ" -eq 0 ]
