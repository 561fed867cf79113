#!/usr/bin/env python3
"""Fails when the library's modules include each other in a cycle. A module is
a header with its source file (a.h and a.cpp), so a cycle through a source
file counts although include guards hide it from the compiler. With --show
FOLDER, prints the module graph of one folder (e.g. --show transaction)."""
import re
import sys
from pathlib import Path

ROOT = Path(sys.argv[sys.argv.index("--root") + 1] if "--root" in sys.argv else
            Path(__file__).resolve().parent.parent) / "sdk" / "src"
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def module(path):
    return path.rsplit(".", 1)[0]


def graph():
    edges = {}
    for p in sorted(ROOT.rglob("*")):
        if p.suffix not in (".h", ".cpp"):
            continue
        name = module(p.relative_to(ROOT).as_posix())
        included = {module(i) for i in INCLUDE.findall(p.read_text()) if (ROOT / i).exists()}
        edges[name] = sorted(set(edges.get(name, [])) | (included - {name}))
    return edges


def cycle(edges):
    """A list of files that include each other in a ring, or None."""
    state, stack = {}, []

    def visit(node):
        state[node] = "open"
        stack.append(node)
        for nxt in edges.get(node, []):
            if state.get(nxt) == "open":
                return stack[stack.index(nxt):] + [nxt]
            if nxt not in state and (found := visit(nxt)):
                return found
        stack.pop()
        state[node] = "done"
        return None

    for node in edges:
        if node not in state and (found := visit(node)):
            return found
    return None


def main():
    edges = graph()
    if "--show" in sys.argv:
        folder = sys.argv[sys.argv.index("--show") + 1] + "/"
        for f, included in edges.items():
            if f.startswith(folder):
                print(f"{f} -> {', '.join(i for i in included if i.startswith(folder)) or '-'}")
    found = cycle(edges)
    if found:
        print("include cycle: " + " -> ".join(found))
        return 1
    print(f"no include cycle among the {len(edges)} modules of sdk/src")
    return 0


if __name__ == "__main__":
    sys.exit(main())
