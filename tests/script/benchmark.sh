#!/bin/sh
# Times the driver on a script of a few hundred lines: a 4-player start-up, then
# typing, reading and state dumps on the board.
set -e
driver="$1"
folder=$(dirname "$driver")
script=$(mktemp)
trap 'rm -f "$script"' EXIT
printf '{"start": {"players": [["A","a",0],["B","b",1],["C","c",2],["D","d",3]], "today": "2026-12-08", "seed": 1, "folder": "%s"}}\n' "$folder" > "$script"
i=0
while [ $i -lt 100 ]; do
    printf '{"type": ["ePrice", "%d"]}\n{"read": ["ePrice", "lCurMon"]}\n{"state": true}\n' $i >> "$script"
    i=$((i + 1))
done
lines=$(wc -l < "$script")
start=$(date +%s.%N)
QT_QPA_PLATFORM=offscreen "$driver" < "$script" > /dev/null
end=$(date +%s.%N)
awk -v s="$start" -v e="$end" -v n="$lines" 'BEGIN { printf "%d lines in %.3f s (%.2f ms a line)\n", n, e - s, (e - s) * 1000 / n }'
