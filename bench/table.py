#!/usr/bin/env python3
"""Runs the benchmark program once (5 repetitions, aggregates only) and prints
ours, floor and ours/floor per operation from the medians of that run.

Usage: python3 bench/table.py [path/to/gmtrrt_bench] [extra benchmark flags]
"""
import json
import subprocess
import sys

exe = sys.argv[1] if len(sys.argv) > 1 else "build/bench/bench/gmtrrt_bench"
# Repetitions of all benchmarks are interleaved in random order, so that on a
# shared, noisy machine both sides of a pair see the same conditions.
cmd = [exe, "--benchmark_repetitions=5", "--benchmark_report_aggregates_only=true",
       "--benchmark_enable_random_interleaving=true", "--benchmark_format=json"] + sys.argv[2:]
data = json.loads(subprocess.run(cmd, check=True, capture_output=True, text=True).stdout)

medians = {}  # in the order the program registers them
for b in data["benchmarks"]:
    if b.get("aggregate_name") != "median":
        continue
    op, side = b["run_name"][len("BM_"):].rsplit("_", 1)
    medians.setdefault(op, {})[side] = b["cpu_time"]
order = {op: i for i, op in enumerate(b["run_name"][len("BM_"):].rsplit("_", 1)[0]
                                       for b in sorted(data["benchmarks"],
                                                       key=lambda b: b["family_index"]))}
medians = dict(sorted(medians.items(), key=lambda kv: order[kv[0]]))

print(f"| operation | ours (ns) | floor (ns) | ours/floor |")
print(f"|---|---:|---:|---:|")
worst = 0.0
for op, t in medians.items():
    ratio = t["Ours"] / t["Floor"]
    worst = max(worst, ratio)
    print(f"| {op} | {t['Ours']:.1f} | {t['Floor']:.1f} | {ratio:.2f} |")
print(f"\nworst ours/floor: {worst:.2f} (median CPU time of 5 repetitions)")
