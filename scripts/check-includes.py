#!/usr/bin/env python3
"""Checks that the program's includes run one way: between folders, by the
layer order below, and between the files of one folder, with no cycle.
Prints each offence and exits 1 when there is any."""
import os
import re
import sys

# Lowest first: a folder may include its own files and those of the folders before it.
LAYERS = ["base", "platform", "process", "media", "job", "engine", "settings", "sources",
          "session", "help", "language", "desktop", "form", "cli"]

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def main(root):
    files = {}
    for folder, _, names in os.walk(root):
        for name in names:
            if name.endswith((".h", ".cpp")):
                path = os.path.relpath(os.path.join(folder, name), root)
                with open(os.path.join(root, path), encoding="utf-8") as f:
                    files[path] = [i for i in INCLUDE.findall(f.read()) if os.path.exists(os.path.join(root, i))]
    problems = []
    rank = {layer: n for n, layer in enumerate(LAYERS)}
    for path, includes in sorted(files.items()):
        folder = os.path.dirname(path)
        if not folder:
            continue  # main.cpp sits above everything
        if folder not in rank:
            problems.append(f"{path}: folder '{folder}' has no place in the layer order")
            continue
        for included in includes:
            other = os.path.dirname(included)
            if other != folder and rank.get(other, len(LAYERS)) > rank[folder]:
                problems.append(f"{path} includes {included}: '{other}' is above '{folder}'")
    # Cycles between files, a header and its source counting as one unit.
    unit = lambda p: os.path.splitext(p)[0]
    graph = {}
    for path, includes in files.items():
        graph.setdefault(unit(path), set()).update(unit(i) for i in includes if unit(i) != unit(path))
    state = {}
    stack = []

    def visit(node):
        state[node] = 1
        stack.append(node)
        for nxt in sorted(graph.get(node, ())):
            if state.get(nxt) == 1:
                problems.append("cycle: " + " -> ".join(stack[stack.index(nxt):] + [nxt]))
            elif nxt not in state:
                visit(nxt)
        stack.pop()
        state[node] = 2

    for node in sorted(graph):
        if node not in state:
            visit(node)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "src")))
