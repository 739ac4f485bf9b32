#!/usr/bin/env python3
"""Checks that the program's includes run one way: between folders, by the
layer order below, and between the files of one folder, with no cycle; that
nothing waits in a nested event loop; and that the old program's names stay
with the window. Prints each offence and exits 1 when there is any."""
import os
import re
import sys

# Lowest first: a folder may include its own files and those of the folders before it.
LAYERS = ["base", "platform", "process", "media", "job", "engine", "settings", "sources",
          "session", "help", "language", "desktop", "form", "cli"]

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
# A batch runs on signals: a local event loop would run handlers inside handlers.
WAIT = re.compile(r'\b(QEventLoop|processEvents)\b')
# The window keeps the names people and files know it by; the engine is named in Qt's words.
OLD_NAME = re.compile(r'\b(DOSOutputs|clsWaitableTimer|ConvertQueue|StartConversion|Timer1_Timer|lstFile|'
                      r'lstAddFolder|CCommonDialogs|COMDLG|SoundReminder|MusicCutter|CutToSeconds|CutFromSeconds|'
                      r'ReceiveOutputs|CommandOver|ExecuteCommand|AddaFile|AddaFolder|RefillQueue|AddQueueEntry|UiYield)\b')


def main(root):
    files = {}
    problems = []
    for folder, _, names in os.walk(root):
        for name in names:
            if name.endswith((".h", ".cpp")):
                path = os.path.relpath(os.path.join(folder, name), root)
                with open(os.path.join(root, path), encoding="utf-8") as f:
                    text = f.read()
                files[path] = [i for i in INCLUDE.findall(text) if os.path.exists(os.path.join(root, i))]
                for n, line in enumerate(text.splitlines(), 1):
                    if WAIT.search(line):
                        problems.append(f"{path}:{n}: a nested event loop: {line.strip()}")
                    if os.path.dirname(path) != "form" and OLD_NAME.search(line):
                        problems.append(f"{path}:{n}: the window's name outside the window: {line.strip()}")
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
