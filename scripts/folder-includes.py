#!/usr/bin/env python3
"""Lists which source folders include which, and fails on a cycle between
folders, or on a Qt header (Qt Core's too) or a platform header with widgets
included under core/.

Run from anywhere: scripts/folder-includes.py [-v]   (-v names every include)
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
FOLDERS = ["platform", "core", "roll", "dues", "exchange", "startup"]
# platform/ holds two layers: the files built without widgets (platform_core,
# as platform/CMakeLists.txt names them) and the rest. core/ may include only
# the first.
PLATFORM_CORE = {
    pathlib.Path(name).stem
    for name in re.search(r"file\(GLOB PLATFORM_CORE_SOURCES CONFIGURE_DEPENDS([^)]*)\)",
                          (ROOT / "platform" / "CMakeLists.txt").read_text()).group(1).split()
}
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^">]+)[">]', re.M)
# Qt's headers, by any of their names: <QString>, <QtCore>, <QtCore/QString>,
# <qstring.h>. core/ reaches Qt Core only through platform_core.
QT_HEADER = re.compile(r"^(Q[A-Za-z]|q\w*\.h$)")


def main():
    verbose = "-v" in sys.argv
    edges = {}
    problems = []
    for folder in FOLDERS:
        for source in sorted((ROOT / folder).glob("*.[ch]*")):
            for target in INCLUDE.findall(source.read_text(errors="replace")):
                parts = target.split("/")
                if folder == "core":
                    if QT_HEADER.match(parts[0]):
                        problems.append(f"{source.relative_to(ROOT)} includes <{target}>")
                    if parts[0] == "platform" and pathlib.Path(parts[-1]).stem not in PLATFORM_CORE:
                        problems.append(f"{source.relative_to(ROOT)} includes {target}")
                if len(parts) > 1 and parts[0] in FOLDERS and parts[0] != folder:
                    edges.setdefault((folder, parts[0]), []).append(
                        f"{source.relative_to(ROOT)} -> {target}")
    for (source, target), why in sorted(edges.items()):
        print(f"{source} -> {target} ({len(why)})")
        if verbose:
            for line in why:
                print("    " + line)
    # A cycle, of two folders or more: a folder that reaches itself.
    graph = {}
    for (source, target) in edges:
        graph.setdefault(source, set()).add(target)

    def reaches(start, goal, seen):
        for nxt in graph.get(start, ()):
            if nxt == goal:
                return True
            if nxt not in seen:
                seen.add(nxt)
                if reaches(nxt, goal, seen):
                    return True
        return False

    for folder in FOLDERS:
        if reaches(folder, folder, set()):
            problems.append(f"{folder} is part of an include cycle")
    for problem in sorted(set(problems)):
        print("PROBLEM: " + problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
