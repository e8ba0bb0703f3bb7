#!/usr/bin/env bash
# Runs every benchmark program of a build folder and prints one table: the median of each
# benchmark and its ratio to the baseline in bench/baselines.txt (a ratio above 1 is slower).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export QT_QPA_PLATFORM=offscreen
for program in "$build"/bench/bench_*; do
    [ -f "$program" ] && [ -x "$program" ] || continue
    name=$(basename "$program")
    echo "running $name ..." >&2
    "$program" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
        --benchmark_format=json --benchmark_out="$out/$name.json" --benchmark_out_format=json >/dev/null 2>&1 \
        || echo "$name failed" >&2
done
python3 - "$out" bench/baselines.txt <<'PY'
import json, pathlib, re, sys
results, baselines = pathlib.Path(sys.argv[1]), {}
for line in pathlib.Path(sys.argv[2]).read_text().splitlines():
    line = line.split('#')[0].split()
    if len(line) == 2:
        baselines[line[0]] = float(line[1])
units = {'ns': 1e-6, 'us': 1e-3, 'ms': 1.0, 's': 1e3}
rows = []
for path in sorted(results.glob('*.json')):
    for b in json.loads(path.read_text()).get('benchmarks', []):
        if b.get('aggregate_name') != 'median':
            continue
        name = re.sub(r'/(iterations|manual_time|real_time|repeats).*$', '', b['run_name'])
        ms = b['real_time'] * units[b['time_unit']]
        counters = {k: v for k, v in b.items() if k.startswith(('peak_MB', 'ms_'))}
        base = baselines.get(name)
        ratio = f"{ms / base:.2f}" if base else "-"
        extra = ' '.join(f"{k}={v:.1f}" for k, v in counters.items())
        rows.append((name, ms, base, ratio, extra))
# Each drawing against clearing and showing an image of its own size, measured in the same run.
for floor_name, prefix in (('BM_ClearAndBlit', 'BM_Redraw'), ('BM_SpaceClearAndBlit', 'BM_Space')):
    blit = next((ms for name, ms, *_ in rows if name == floor_name), None)
    if blit:
        rows = [(n, ms, b, r, (e + f" {ms / blit:.1f}x clear-and-blit").strip()
                 if n.startswith(prefix) and n != floor_name else e) for n, ms, b, r, e in rows]
load = next((ms for name, ms, *_ in rows if name == 'BM_LoadState/64'), None)
if load:
    rows = [(n, ms, b, r, (e + f" {ms / load:.2f}x BM_LoadState/64").strip() if n.startswith('BM_LoadChecked') else e)
            for n, ms, b, r, e in rows]
print(f"{'benchmark':45} {'median ms':>12} {'baseline ms':>12} {'ratio':>6}  notes")
for name, ms, base, ratio, extra in rows:
    print(f"{name:45} {ms:12.4f} {(f'{base:.4f}' if base else '-'):>12} {ratio:>6}  {extra}")
PY
