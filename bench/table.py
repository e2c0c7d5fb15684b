#!/usr/bin/env python3
"""Runs the benchmark program once (5 repetitions, aggregates only) and prints,
per operation, ours, floor and ours/floor from the medians of that run.

Two measurements are printed for each operation:
- "separate": the medians of the BM_<op>_Ours and BM_<op>_Floor benchmarks
  (CPU time), their repetitions interleaved in random order;
- "paired": the median of BM_<op>_Pair, which times a block of inputs through
  the library and the same block through the floor back to back in every
  iteration, so that on a shared, noisy machine both sides see the same load.

The paired ratio is the one held to the limit (1.3): on a machine shared with
other work the separate medians of one operation are taken seconds apart and
their ratio moves by up to +-0.3 between runs of the same build, while the
paired ratio moves by a few hundredths. The program exits with status 1 when a
paired ratio is above the limit.

Usage: python3 bench/table.py [path/to/gmtrrt_bench] [extra benchmark flags]
"""
import json
import subprocess
import sys

exe = sys.argv[1] if len(sys.argv) > 1 else "build/bench/bench/gmtrrt_bench"
cmd = [exe, "--benchmark_repetitions=5", "--benchmark_report_aggregates_only=true",
       "--benchmark_enable_random_interleaving=true", "--benchmark_format=json"] + sys.argv[2:]
data = json.loads(subprocess.run(cmd, check=True, capture_output=True, text=True).stdout)

ops = []  # in the order the program registers them
rows = {}
for b in sorted(data["benchmarks"], key=lambda b: b["family_index"]):
    if b.get("aggregate_name") != "median":
        continue
    op, side = b["run_name"][len("BM_"):].rsplit("_", 1)
    if op not in rows:
        ops.append(op)
        rows[op] = {}
    if side == "Pair":
        rows[op]["pair"] = (b["ours_ns"], b["floor_ns"], b["ratio"])
    elif side.startswith("Peer"):  # the peer sits where the floor does in the pair
        rows[op].setdefault("peers", []).append((side[4:], b["ours_ns"], b["floor_ns"]))
    else:
        rows[op][side] = b["cpu_time"]

print("| operation | ours (ns) | floor (ns) | ours/floor | paired ours (ns) | paired floor (ns) "
      "| paired ours/floor |")
print("|---|---:|---:|---:|---:|---:|---:|")
worst_sep = worst_pair = 0.0
for op in ops:
    r = rows[op]
    if "Ours" not in r:
        continue
    sep = r["Ours"] / r["Floor"]
    po, pf, pr = r.get("pair", (float("nan"),) * 3)
    worst_sep = max(worst_sep, sep)
    worst_pair = max(worst_pair, pr)
    print(f"| {op} | {r['Ours']:.1f} | {r['Floor']:.1f} | {sep:.2f} | {po:.1f} | {pf:.1f} "
          f"| {pr:.2f} |")
peers = [(op, *p) for op in ops for p in rows[op].get("peers", [])]
if peers:
    print("\n| operation | peer | ours (ns) | peer (ns) | peer/ours |")
    print("|---|---|---:|---:|---:|")
    for op, name, o, p in peers:
        print(f"| {op} | {name} | {o:.1f} | {p:.1f} | {p / o:.2f} |")
LIMIT = 1.3
print(f"\nworst ours/floor: paired {worst_pair:.2f} (limit {LIMIT}), separate {worst_sep:.2f} "
      "(medians of 5 repetitions in one run)")
sys.exit(0 if worst_pair <= LIMIT else 1)
