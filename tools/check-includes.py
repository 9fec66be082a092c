#!/usr/bin/env python3
"""Checks the program's #include lines: which folder may include which, no
include cycle between files (a .cpp and its .h count as one) or between
folders, and no Windows header reached from pure code.

    tools/check-includes.py [SOURCE_ROOT]

Prints every violation and exits 1 when there is one."""
import os
import re
import sys

# Bottom to top. A folder may include itself and the folders listed for it.
ALLOWED = {
    "res": [],
    "core": [],
    "platform": ["core", "res"],
    "template": ["core"],
    "view": ["core", "platform", "template"],
    "copykey": ["core", "platform", "template", "view"],
    "settings": ["core", "platform", "copykey"],
    "options": ["core", "platform", "res", "template", "view", "copykey", "settings"],
    "app": ["core", "platform", "res", "template", "view", "copykey", "settings", "options"],
}
WINDOWS_HEADERS = {"windows.h", "shellapi.h", "commctrl.h", "commdlg.h", "prsht.h", "winuser.h"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
SOURCE_LIST = re.compile(r"list\(APPEND\s+(MIRABO_\w+_SOURCES)([^)]*)\)", re.S)


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def collect(root):
    files = {}
    for folder in ALLOWED:
        d = os.path.join(root, folder)
        if not os.path.isdir(d):
            continue
        for name in sorted(os.listdir(d)):
            if name.endswith((".cpp", ".h")):
                rel = folder + "/" + name
                files[rel] = INCLUDE.findall(read(os.path.join(root, rel)))
    return files


def pure_sources(root):
    pure = set()
    for folder in ALLOWED:
        cmake = os.path.join(root, folder, "sources.cmake")
        if os.path.exists(cmake):
            for var, body in SOURCE_LIST.findall(read(cmake)):
                if var == "MIRABO_CORE_SOURCES":
                    pure.update(body.split())
    # Everything in core/ is pure but the Windows side of the lead-byte test,
    # which lives in platform/.
    return pure


def node(path):
    return os.path.splitext(path)[0]


def cycles(graph):
    """Strongly connected components with more than one member (Tarjan)."""
    index, low, stack, on, found = {}, {}, [], set(), []
    counter = [0]

    def visit(v):
        index[v] = low[v] = counter[0]
        counter[0] += 1
        stack.append(v)
        on.add(v)
        for w in sorted(graph.get(v, ())):
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            comp = []
            while True:
                w = stack.pop()
                on.discard(w)
                comp.append(w)
                if w == v:
                    break
            if len(comp) > 1:
                found.append(sorted(comp))

    sys.setrecursionlimit(10000)
    for v in sorted(graph):
        if v not in index:
            visit(v)
    return found


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), ".."))
    files = collect(root)
    problems = []

    file_graph, folder_graph = {}, {}
    for path, includes in files.items():
        folder = path.split("/")[0]
        for kind, target in includes:
            if kind != '"':
                continue
            if target not in files:
                problems.append(f"{path}: includes {target}, which is not a project header")
                continue
            to_folder = target.split("/")[0]
            if node(target) != node(path):
                file_graph.setdefault(node(path), set()).add(node(target))
            if to_folder != folder:
                folder_graph.setdefault(folder, set()).add(to_folder)
                if to_folder not in ALLOWED[folder]:
                    problems.append(f"{path}: {folder}/ may not include {target}")

    for comp in cycles(file_graph):
        problems.append("include cycle between files: " + " -> ".join(comp))
    for comp in cycles(folder_graph):
        problems.append("include cycle between folders: " + " -> ".join(comp))

    # Pure code: the listed sources, every file in core/, and whatever
    # project header they reach, must never reach a Windows header.
    pure = {p for p in files if p.startswith("core/")} | (pure_sources(root) & set(files))
    for start in sorted(pure):
        seen, todo = set(), [(start, [start])]
        while todo:
            path, chain = todo.pop()
            if path in seen:
                continue
            seen.add(path)
            for kind, target in files.get(path, ()):
                if kind == "<" and target.lower() in WINDOWS_HEADERS:
                    problems.append(f"pure {start} reaches <{target}>: " + " -> ".join(chain))
                elif kind == '"' and target in files:
                    todo.append((target, chain + [target]))

    for p in problems:
        print("check-includes:", p)
    if problems:
        return 1
    print(f"check-includes: {len(files)} files, {len(pure)} pure; no cycle, every include allowed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
