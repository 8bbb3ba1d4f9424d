#!/usr/bin/python3
"""Before and after in one run: the benchmarks of several builds, interleaved round by round so
that every build sees the same machine, with the medians of all their repetitions; optionally
the matplotlib peer and callgrind instruction counts, which a busy machine does not disturb.

    bench/compare.py [--rounds N] [--reps N] [--filter REGEX] [--peer]
                     [--callgrind FILTER,FILTER...] [--alias OLD=NEW...] NAME=BUILD_DIR...

BUILD_DIR is a CMake build folder with bench/chargefield_bench. Times are milliseconds: `cpu`
is the processor time of the whole process (all its threads), `real` the clock. A benchmark
that was renamed is compared under its new name with --alias OLD=NEW (the filter must match
both names).
"""
import argparse
import json
import os
import re
import statistics
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))


def run_bench(build, flt, reps, aliases):
    with tempfile.NamedTemporaryFile(suffix=".json", delete=False) as f:
        out = f.name
    subprocess.run([os.path.join(build, "bench", "chargefield_bench"),
                    f"--benchmark_filter={flt}", f"--benchmark_repetitions={reps}",
                    "--benchmark_out_format=json", f"--benchmark_out={out}"],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                   env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    with open(out) as f:
        data = json.load(f)
    os.unlink(out)
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}
    rows = []
    for b in data["benchmarks"]:
        if b.get("run_type") != "iteration":
            continue
        name = b["run_name"].replace("/process_time/real_time", "")
        base, sep, rest = name.partition("/")
        name = aliases.get(base, base) + sep + rest
        k = scale[b["time_unit"]]
        rows.append((name, b["cpu_time"] * k, b["real_time"] * k))
    return rows


def instructions(build, flt, iterations):
    """Instructions executed inside the benchmark functions, as callgrind counts them."""
    with tempfile.NamedTemporaryFile(suffix=".cg", delete=False) as f:
        out = f.name
    subprocess.run(["valgrind", "--tool=callgrind", f"--callgrind-out-file={out}",
                    "--toggle-collect=*BM_*", os.path.join(build, "bench", "chargefield_bench"),
                    f"--benchmark_filter={flt}"],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                   env=dict(os.environ, QT_QPA_PLATFORM="offscreen",
                            CHARGEFIELD_BENCH_ITERATIONS=str(iterations)))
    total = 0
    with open(out) as f:
        for line in f:
            if line.startswith("summary:") or line.startswith("totals:"):
                total = int(line.split()[1])
    os.unlink(out)
    return total


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--rounds", type=int, default=3)
    ap.add_argument("--reps", type=int, default=3)
    ap.add_argument("--filter", default=".")
    ap.add_argument("--peer", action="store_true")
    ap.add_argument("--callgrind", default="")
    ap.add_argument("--alias", action="append", default=[])
    ap.add_argument("builds", nargs="+")
    args = ap.parse_args()
    builds = [b.split("=", 1) for b in args.builds]
    aliases = dict(a.split("=", 1) for a in args.alias)

    times = {}  # (bench, build) -> [(cpu, real)]
    peer = []
    for r in range(args.rounds):
        for name, build in builds:
            for bench, cpu, real in run_bench(build, args.filter, args.reps, aliases):
                times.setdefault((bench, name), []).append((cpu, real))
        if args.peer:
            out = subprocess.run(["/usr/bin/python3", os.path.join(HERE, "matplotlib_peer.py"),
                                  "3"], check=True, capture_output=True, text=True).stdout
            m = re.search(r"median_ms=([\d.]+) cpu_median_ms=([\d.]+)", out)
            peer.append((float(m.group(2)), float(m.group(1))))
        print(f"round {r + 1} of {args.rounds} done", file=sys.stderr)

    benches = sorted({b for b, _ in times}, key=lambda b: list(times).index((b, builds[0][0]))
                     if (b, builds[0][0]) in times else 999)
    head = f"{'benchmark':<34}" + "".join(f"{n + ' cpu':>14}{n + ' real':>14}" for n, _ in builds)
    print(head)
    for b in benches:
        line = f"{b:<34}"
        for n, _ in builds:
            v = times.get((b, n))
            if v:
                line += f"{statistics.median(c for c, _ in v):>14.3f}"
                line += f"{statistics.median(r for _, r in v):>14.3f}"
            else:
                line += f"{'-':>14}{'-':>14}"
        print(line)
    if peer:
        print(f"{'matplotlib peer':<34}{statistics.median(c for c, _ in peer):>14.1f}"
              f"{statistics.median(r for _, r in peer):>14.1f}")
    if args.callgrind:
        print("millions of instructions per iteration (callgrind: 2 iterations less 1):")
        print(f"{'benchmark':<34}" + "".join(f"{n:>14}" for n, _ in builds))
        for flt in args.callgrind.split(","):
            line = f"{flt:<34}"
            for _, build in builds:
                per = instructions(build, flt, 2) - instructions(build, flt, 1)
                line += f"{per / 1e6:>14.2f}"
            print(line)


if __name__ == "__main__":
    main()
