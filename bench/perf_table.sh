#!/bin/sh
# Prints the table of the view's speed goals: the redraw against the redraw
# floor (three runs of view_bench.exe, each timing the redraw and the floor
# in turns), the redraw at the largest sampled square against one pixel
# (the same runs), the window-system calls per redraw at both sizes
# (counted from a Wine relay trace by count_calls.py), and the idle cost
# and memory of mirabo.exe against the idle floor program (idle_cpu.sh,
# both running side by side).
# The "today" column is the one the goals were set against; every other
# number is measured here, the floors in the same runs as the program.
#   bench/perf_table.sh [build-tree]
# The tree defaults to the one the Wine suites run on: build/win32 (the
# shipped 32-bit program) where the kernel runs 32-bit code, else
# build/win64; test.sh builds both as Release. Takes about two minutes and
# starts its own Wine environment when there is none.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
    exec "$root/tools/with-wine.sh" "$0" "$@"
fi
. "$root/tools/wine-env.sh"
build=${MIRABO_BUILD_DIR:-$root/build}
if [ $# -gt 0 ]; then
    tree=$1
elif wine_native_32bit; then
    tree=$build/win32
else
    tree=$build/win64
fi
case "$(file -b "$tree/view_bench.exe")" in
*x86-64*) wine=/usr/lib/wine/wine64 arch=win64 ;;
*) wine=${MIRABO_WINE32:-/usr/lib/wine/wine} arch=win32 ;;
esac
out=$(mktemp -d /tmp/mirabo-perf.XXXXXX)
trap 'rm -rf "$out"' EXIT INT TERM

echo "perf_table: timing the redraws (3 runs) ..." >&2
for run in 1 2 3; do
    "$root/tools/wine-run.sh" "$arch" "$tree/view_bench.exe" 300 >>"$out/redraw.txt"
done
echo "perf_table: counting the calls of a redraw (relay trace) ..." >&2
WINEDEBUG=+relay LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 "$wine" "$tree/view_bench.exe" count 10 \
    </dev/null >"$out/count.txt" 2>"$out/relay.txt"
set -- $(grep '^module' "$out/count.txt")
python3 "$root/bench/count_calls.py" "$out/relay.txt" "$2" "$3" >"$out/calls.txt"
rm -f "$out/relay.txt"
echo "perf_table: idle cost, about a minute ..." >&2
"$root/bench/idle_cpu.sh" "$tree" >"$out/idle.txt"

python3 - "$out" "$tree" <<'EOF'
import re, statistics, sys
out, tree = sys.argv[1], sys.argv[2]
redraw = {}
for line in open(out + "/redraw.txt"):
    m = re.match(r"redraw (\S+) .* redraw +([\d.]+) us floor +([\d.]+) us ratio ([\d.]+)", line)
    if m:
        redraw.setdefault(m.group(1), []).append((float(m.group(2)), float(m.group(3)), float(m.group(4))))
sample = {}
for line in open(out + "/redraw.txt"):
    m = re.match(r"sample (\S+) .* size 1 +([\d.]+) us size (\d+) +([\d.]+) us ratio ([\d.]+)", line)
    if m:
        sample.setdefault(m.group(1), []).append((float(m.group(2)), float(m.group(4)), float(m.group(5))))
calls = {}
for line in open(out + "/calls.txt"):
    m = re.match(r"calls (redraw|floor) (\S+) +window +([\d.]+) .*\[(.*)\]", line)
    if m:
        calls[(m.group(1), m.group(2))] = (float(m.group(3)), m.group(4))
idle, memory = {}, {}
for line in open(out + "/idle.txt"):
    f = line.split()
    if f[0] == "idle":
        idle[f[1]] = float(f[2])
    elif f[0] == "memory":
        memory[f[1]] = int(f[2]) / 1024.0

def ratio(view):
    runs = redraw[view]
    r = statistics.median(x[2] for x in runs)
    return r, "%.2fx (%.2f-%.2f; %.0f us)" % (r, min(x[2] for x in runs), max(x[2] for x in runs),
                                               statistics.median(x[0] for x in runs))

def floor(view):
    return "%.0f us" % statistics.median(x[1] for x in redraw[view])

def verdict(ok):
    return "met" if ok else "missed"

rows = []
for view, name, today, goal in (
        ("300x260-panel-off", "RedrawView 300 x 260, panel off", "4.2x (floor without the pointer read)", 1.2),
        ("300x260-panel-on", "same, panel and user line on", "5.6x", 1.5),
        ("1000x800-panel-off", "1000 x 800, panel off", "1.7x", 1.1),
        ("1000x800-panel-on", "1000 x 800, panel on", "2.3x", 1.3)):
    r, text = ratio(view)
    rows.append((name, today, text, "<= %.1fx" % goal, floor(view), verdict(r <= goal)))
for panel in ("off", "on"):
    view = "300x260-panel-" + panel
    n, listing = calls[("redraw", view)]
    fn, _ = calls[("floor", view)]
    rows.append(("window-system calls per redraw, panel " + panel,
                 "not yet counted" if panel == "off" else "", "%g: %s" % (n, listing),
                 "floor's + the lines'", "%g" % fn, ""))
for panel in ("off", "on"):
    runs = sample["300x260-panel-" + panel]
    r = statistics.median(x[2] for x in runs)
    rows.append(("redraw at sample size 15 against 1, panel " + panel, "",
                 "%.3fx (%.3f-%.3f; %.0f us)" % (r, min(x[2] for x in runs), max(x[2] for x in runs),
                                                 statistics.median(x[1] for x in runs)),
                 "<= 1.05x", "%.0f us at 1" % statistics.median(x[0] for x in runs), verdict(r <= 1.05)))
for view, one in (("300x260-panel-off-size15", "300x260-panel-off"),
                  ("300x260-panel-on-size15", "300x260-panel-on"),
                  ("300x260-fixed-apart-size15", "300x260-fixed-apart-size1")):
    n, listing = calls[("redraw", view)]
    n1, _ = calls[("redraw", one)]
    rows.append(("window-system calls, " + view, "", "%g: %s" % (n, listing), "as at size 1",
                 "%g at size 1" % n1, verdict(n <= n1)))
cpu = idle["mirabo"] / idle["floor"] if idle["floor"] > 0 else float("inf")
rows.append(("idle CPU, pointer and screen still", "3.0 % (bare timer 0.9 %)",
             "%.2f %% = %.2fx the floor" % (idle["mirabo"], cpu), "<= 1.2x", "%.2f %%" % idle["floor"],
             verdict(cpu <= 1.2)))
extra = memory["mirabo"] - memory["floor"]
rows.append(("resident memory after a minute", "21.6 MB", "%.1f MB = floor %+.1f MB" % (memory["mirabo"], extra),
             "<= floor + 4 MB", "%.1f MB" % memory["floor"], verdict(extra <= 4)))

head = ("", "today", "now (median of 3 runs: range; redraw time)", "goal", "floor, same run", "")
widths = [max(len(r[i]) for r in rows + [head]) for i in range(len(head))]
print("Mirabo view speed, %s under Wine (floors: pointer read, one screen read into a DIB, stretch,"
      " copy to the window; idle: 10 ms timer, pointer read per tick, source read every 100 ms)" % tree)
for r in [head] + rows:
    print("| " + " | ".join(c.ljust(w) for c, w in zip(r, widths)) + " |")
EOF
