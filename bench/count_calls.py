#!/usr/bin/env python3
"""Counts the USER and GDI calls of one redraw from a Wine relay trace.

    count_calls.py TRACE BASE SIZE

TRACE is the standard error of `view_bench.exe count` run with
WINEDEBUG=+relay; BASE and SIZE (hexadecimal) the benchmark's own image,
so that only calls made by the program's code count, not those Wine's
libraries make among themselves. The calls between the markers
"+redraw NAME" (or "+floor NAME") and "-" belong to one redraw (or one
floor); the counts printed are per redraw.

A call asks the window system when it is a USER call that draws on no
memory DC (pointer, windows, window DCs) or when it reads or writes the
screen's or a window's DC; everything else (drawing on memory DCs, pens,
brushes) stays in the process.
"""
import collections
import re
import sys

CALL = re.compile(r'^([0-9a-f]+):Call (\w+)\.(\w+)\((.*)\) ret=([0-9a-f]+)$')
RET = re.compile(r'^([0-9a-f]+):Ret  (\w+)\.(\w+)\(\) retval=([0-9a-f]+) ret=([0-9a-f]+)$')
MARK = re.compile(r'OutputDebugStringA\([0-9a-f]+ "(.*)"\)')
# USER calls that only do arithmetic in the process.
ARITHMETIC = {"SetRect", "SetRectEmpty", "CopyRect", "UnionRect", "IntersectRect", "OffsetRect",
              "InflateRect", "IsRectEmpty", "PtInRect", "EqualRect"}


def handle(text):
    try:
        return int(text, 16) & 0xFFFFFFFF
    except ValueError:
        return None


def main():
    trace, base, size = sys.argv[1], int(sys.argv[2], 16), int(sys.argv[3], 16)
    dc_kind = {}  # handle -> "memory", "screen" or "window"
    made_by = {"CreateCompatibleDC": "memory", "CreateDCA": "screen", "GetDC": "window",
               "GetWindowDC": "window", "GetDCEx": "window", "BeginPaint": "window"}
    screen_dc_asked = set()  # threads in a GetDC(0): the screen's own DC
    current = None
    marker_thread = None  # other processes of the same image (the pattern) write here too
    calls = collections.defaultdict(collections.Counter)  # section -> name -> count
    kinds = collections.defaultdict(collections.Counter)  # section -> kind -> count
    rounds = collections.Counter()
    with open(trace, errors="replace") as f:
        for line in f:
            line = line.rstrip("\n")
            m = RET.match(line)
            if m:
                kind = made_by.get(m.group(3))
                if m.group(3) == "GetDC" and m.group(1) in screen_dc_asked:
                    screen_dc_asked.discard(m.group(1))
                    kind = "screen"
                if kind:
                    dc_kind[handle(m.group(4))] = kind
                continue
            m = CALL.match(line)
            if not m:
                continue
            thread, dll, name, args = m.group(1), m.group(2).lower(), m.group(3), m.group(4)
            ret = int(m.group(5), 16)
            if name == "GetDC" and handle(args) == 0:
                screen_dc_asked.add(thread)
            if name == "OutputDebugStringA":
                marker_thread = thread
                mark = MARK.search(line)
                text = mark.group(1) if mark else ""
                if text.startswith("+") and text != "+warm-up":
                    current = text[1:]
                    rounds[current] += 1
                else:
                    current = None
                continue
            if (current is None or thread != marker_thread or dll not in ("user32", "gdi32")
                    or not base <= ret < base + size):
                continue
            dcs = [dc_kind.get(handle(a)) for a in args.split(",") if a]
            touches_display = "screen" in dcs or "window" in dcs
            if touches_display or (dll == "user32" and "memory" not in dcs
                                   and name not in ARITHMETIC):
                kind = "window"
            else:
                kind = "drawing"
            key = name
            if name in ("BitBlt", "StretchBlt") and touches_display:
                src = dcs[5] if len(dcs) > 5 else None
                key = name + (" from the screen" if src == "screen" else " to the window")
            calls[current][(kind, key)] += 1
            kinds[current][kind] += 1
            if name.startswith("Create") or name in ("GetDC", "CreateDIBSection"):
                kinds[current]["objects"] += 1
    for section in sorted(rounds, key=lambda s: (s.split()[1], s.split()[0])):
        n = rounds[section]
        window = sorted((k[1], c / n) for k, c in calls[section].items() if k[0] == "window")
        listing = ", ".join("%s %g" % (name, count) for name, count in window)
        print("calls %-28s window %5.1f  drawing %6.1f  objects %5.1f  [%s]" % (
            section, kinds[section]["window"] / n, kinds[section]["drawing"] / n,
            kinds[section]["objects"] / n, listing))
        drawing = sorted(((k[1], c / n) for k, c in calls[section].items() if k[0] == "drawing"),
                         key=lambda x: -x[1])
        print("drawing %-26s %s" % (section, ", ".join("%s %g" % d for d in drawing)))


if __name__ == "__main__":
    main()
