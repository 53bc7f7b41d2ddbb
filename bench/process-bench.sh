#!/usr/bin/env bash
# Whole processes side by side with zint's command line, in the same run:
#   - one label from the command line, start-up included;
#   - a batch of labels, ours through --batch against a loop of zint calls
#     and against zint's own --batch.
# Each figure is the CPU time (user + system, the process and its children),
# the best of three rounds. Ratios are ours / zint: lower is better.
#   bench/process-bench.sh BARCODE_PRINT
set -euo pipefail
renderer=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rounds=3
single_runs=20
# Enough labels that zint --batch runs for a tenth of a second: CPU times
# are counted in milliseconds.
batch_labels=2000

# The same label on both sides: a parcel number in Code 128 at 2 pixels per
# module (S1 counts dots at 600 dpi), 300 dpi, about 60 pixels high, with
# its text line.
ours_label=(-r 300 -o "$work/ours.png" "C=128,B=0,S1=4,H=5,D=PARCEL 0042")
zint_label=(--barcode=20 --scale=1 --height=30 -o "$work/zint.png" -d "PARCEL 0042")

# CPU seconds of the command and its children.
cpu_seconds() {
    local TIMEFORMAT='%3U %3S' times
    times=$({ time "$@" >/dev/null 2>&1; } 2>&1)
    awk -v t="$times" 'BEGIN { split(t, a, " "); printf "%.4f", a[1] + a[2] }'
}

# The best of the rounds of a command.
best_cpu_seconds() {
    local best="" seconds
    for ((round = 0; round < rounds; ++round)); do
        seconds=$(cpu_seconds "$@")
        if [ -z "$best" ] || awk -v a="$seconds" -v b="$best" 'BEGIN { exit !(a < b) }'; then
            best=$seconds
        fi
    done
    echo "$best"
}

repeat() {
    local count=$1
    shift
    for ((i = 0; i < count; ++i)); do "$@"; done
}

per_label_ms() { awk -v s="$1" -v n="$2" 'BEGIN { printf "%.2f", s * 1000 / n }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
labels_per_second() { awk -v s="$1" -v n="$2" 'BEGIN { printf "%.0f", (s > 0 ? n / s : 0) }'; }

if ! command -v zint >/dev/null; then
    echo "process bench: zint's command line is not installed (package zint)" >&2
    exit 1
fi
# Both sides must draw the label before anything is timed.
"$renderer" "${ours_label[@]}"
zint "${zint_label[@]}"

ours=$(best_cpu_seconds repeat "$single_runs" "$renderer" "${ours_label[@]}")
theirs=$(best_cpu_seconds repeat "$single_runs" zint "${zint_label[@]}")
printf '%-34s ours %7s ms   zint %7s ms   ratio %s\n' "one label from the command line" \
    "$(per_label_ms "$ours" "$single_runs")" "$(per_label_ms "$theirs" "$single_runs")" \
    "$(ratio "$ours" "$theirs")"

# The batch: parcel numbers 1 to N, one a line.
for ((n = 1; n <= batch_labels; ++n)); do printf 'PARCEL %04d\n' "$n"; done >"$work/data.txt"
sed 's/^/C=128,B=0,S1=4,H=5,D=/' "$work/data.txt" >"$work/commands.txt"
mkdir -p "$work/ours" "$work/loop" "$work/zint"
ours_batch() { "$renderer" -r 300 --batch -o "$work/ours/label-%d.png" <"$work/commands.txt"; }
zint_loop() {
    local n=0 data
    while IFS= read -r data; do
        n=$((n + 1))
        zint --barcode=20 --scale=1 --height=30 -o "$work/loop/label-$n.png" -d "$data"
    done <"$work/data.txt"
}
zint_batch() {
    zint --barcode=20 --scale=1 --height=30 --batch -o "$work/zint/label-~~~~.png" \
        -i "$work/data.txt"
}
ours=$(best_cpu_seconds ours_batch)
loop=$(best_cpu_seconds zint_loop)
batch=$(best_cpu_seconds zint_batch)
[ -f "$work/ours/label-$batch_labels.png" ] || { echo "process bench: the batch drew nothing" >&2; exit 1; }
printf '%-34s ours %7s/s   zint calls %5s/s (ratio %s)   zint --batch %5s/s (ratio %s)\n' \
    "batch of $batch_labels labels, labels per second" \
    "$(labels_per_second "$ours" "$batch_labels")" "$(labels_per_second "$loop" "$batch_labels")" \
    "$(ratio "$ours" "$loop")" "$(labels_per_second "$batch" "$batch_labels")" "$(ratio "$ours" "$batch")"
