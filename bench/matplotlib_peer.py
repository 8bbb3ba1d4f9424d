#!/usr/bin/python3
"""The default field picture drawn with matplotlib, as a yardstick for the program's speed.

The same picture as the computation command with the default model: the potential of q1 = 0.4
and q2 = -0.1 nC at x = -0.5 and +0.5 m, contoured at the program's 12 levels on a 400 x 400
grid over the 8 x 8 m region, and the field lines streamed from the program's start points (six
on the small circle around each charge and four entering from the right edge, each with its
mirror image below the axis), saved as a 515 x 515 PNG. Prints the median time of the runs.

    /usr/bin/python3 bench/matplotlib_peer.py [runs] [output.png]

Needs python3-matplotlib (a Debian package); nothing in the build or the tests uses it.
"""
import math
import statistics
import sys
import tempfile
import time

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402

K, Q1, Q2, A, L = 9.0, 0.4, -0.1, 0.5, 4.0
N_FI, N_E, R0 = 11, 6, 0.05
PI = 3.1415926535


def levels():
    """fi_b2 to fi_b1 (unlike charges) in n_fi steps, as the equipotential scan chooses them."""
    ra = abs(R0 - 2 * A)
    fi_b1 = K * (Q1 / R0 + Q2 / ra)
    fi_b2 = K * (Q1 / ra + Q2 / R0)
    step = (fi_b1 - fi_b2) / N_FI
    return [fi_b2 + i * step for i in range(N_FI + 1)]


def start_points():
    """The tracing's starts: around each charge and, as the weaker charge is on the right, on
    the right edge; each mirrored below the axis."""
    pts = []
    for j in range(N_E):
        theta = (j + 1 / 3) * PI / N_E
        x, y = A - R0 * math.cos(theta), R0 * math.sin(theta)
        pts += [(x, y), (-x, y)]
    d_phi = PI / 501
    for i in range(N_E // 2 + 1):
        pts.append((L * 0.999, i * L / N_E + 10 * d_phi))
    return pts + [(x, -y) for x, y in pts]


def draw(path):
    n = 400
    xs = np.linspace(-L, L, n)
    X, Y = np.meshgrid(xs, xs)
    r1 = np.hypot(X + A, Y)
    r2 = np.hypot(X - A, Y)
    phi = K * (Q1 / r1 + Q2 / r2)
    ex = K * (Q1 * (X + A) / r1**3 + Q2 * (X - A) / r2**3)
    ey = K * (Q1 * Y / r1**3 + Q2 * Y / r2**3)

    fig = plt.figure(figsize=(5.15, 5.15), dpi=100)
    ax = fig.add_axes([0, 0, 1, 1])
    ax.set_xlim(-L, L)
    ax.set_ylim(-L, L)
    ax.grid(True, color="#80ff80")
    ax.contour(X, Y, phi, levels=sorted(levels()), colors=[(0, 0, 200 / 255)], linewidths=1)
    ax.streamplot(X, Y, ex, ey, start_points=start_points(), color=(200 / 255, 0, 0),
                  linewidth=1, arrowstyle="-", density=10)
    ax.add_patch(plt.Circle((-A, 0), Q1 * R0, color="red"))
    ax.add_patch(plt.Circle((A, 0), abs(Q2) * R0, color="blue"))
    fig.savefig(path)
    plt.close(fig)


def main():
    runs = int(sys.argv[1]) if len(sys.argv) > 1 else 7
    out = sys.argv[2] if len(sys.argv) > 2 else tempfile.mktemp(suffix=".png")
    draw(out)  # warm-up: imports, fonts, caches
    wall, cpu = [], []
    for _ in range(runs):
        t0, c0 = time.perf_counter(), time.process_time()
        draw(out)
        wall.append((time.perf_counter() - t0) * 1000)
        cpu.append((time.process_time() - c0) * 1000)
    print(f"matplotlib_peer median_ms={statistics.median(wall):.1f} "
          f"cpu_median_ms={statistics.median(cpu):.1f} runs={runs} png={out}")


if __name__ == "__main__":
    main()
