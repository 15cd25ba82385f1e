#!/usr/bin/env bash
# Times kwarcyt-run --zadanie grading 1,000 programs against the five cases of the example
# assignment examples/zadania/suma.json in one process, on one core. The programs are the
# assignment's samples (right, a typical mistake, failing the check) and one that never halts,
# in turn. Needs /usr/bin/time and taskset. Not part of the test run.
#   bench/grading_bench.sh [PATH_TO_KWARCYT_RUN]
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/release_runner.sh "${1:-}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

samples=(examples/zadania/suma/*.txt)
printf 'PETLA:\nADD M\nJMP PETLA\n' > "$work/bez-konca.txt"
samples+=("$work/bez-konca.txt")
mkdir "$work/prace"
for i in $(seq -w 1 1000); do
  cp "${samples[$((10#$i % ${#samples[@]}))]}" "$work/prace/uczen-$i.txt"
done

# CPU seconds as well as wall-clock ones: on a shared machine the wall clock waits for others.
printf '%-8s %-6s %10s %10s %10s\n' output status seconds 'cpu s' 'peak MB'
for form in table json csv; do
  option=()
  [ "$form" = table ] || option=("--$form")
  status=0
  /usr/bin/time -f '%e %U %S %M' -o "$work/time" taskset -c 0 "$runner" "${option[@]}" \
    --zadanie examples/zadania/suma.json "$work/prace" > "$work/out" || status=$?
  [ "$status" -eq 5 ] || { echo "unexpected exit status $status"; head -c 2000 "$work/out"; exit 1; }
  read -r seconds user system kilobytes < <(tail -n 1 "$work/time")
  awk -v f="$form" -v st="$status" -v s="$seconds" -v u="$user" -v y="$system" \
    -v k="$kilobytes" 'BEGIN { printf "%-8s %-6s %10.2f %10.2f %10.1f\n", f, st, s, u + y, k / 1024 }'
done
