#!/usr/bin/env bash
# Timed runs of kwarcyt-run on tight loops of 100 million executed lines: prints lines per second
# and the peak memory. Needs /usr/bin/time. Not part of the test run.
#   bench/runner_bench.sh [PATH_TO_KWARCYT_RUN]
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/release_runner.sh "${1:-}"
steps=100000000
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A jump and a label line only.
printf 'PETLA:\nJMP PETLA\n' > "$work/skok.txt"
# Arithmetic, memory and a conditional jump.
printf 'LXI H,2000h\nPETLA:\nINR A\nMOV M,A\nDCR B\nADD B\nJNZ PETLA\nJMP PETLA\n' > "$work/arytmetyka.txt"
# A call and a return in every pass.
printf 'LXI SP,0F000h\nPETLA:\nCALL PODPROGRAM\nJMP PETLA\nPODPROGRAM:\nINX D\nRET\n' \
  > "$work/wywolanie.txt"

printf '%-12s %10s %14s %10s\n' program seconds lines/s "peak MB"
for program in skok arytmetyka wywolanie; do
  /usr/bin/time -f '%e %M' -o "$work/time" "$runner" --json --max-steps "$steps" \
    "$work/$program.txt" > "$work/out.json" || [ $? -eq 4 ]
  grep -q '"end":"limit"' "$work/out.json" || { echo "unexpected end: $(cat "$work/out.json")"; exit 1; }
  read -r seconds kilobytes < <(tail -n 1 "$work/time")
  awk -v p="$program" -v s="$seconds" -v k="$kilobytes" -v n="$steps" \
    'BEGIN { printf "%-12s %10.2f %14.0f %10.1f\n", p, s, (s > 0 ? n / s : 0), k / 1024 }'
done
