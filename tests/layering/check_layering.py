#!/usr/bin/env python3
"""Holds every folder's #includes to the floors of the house.

    check_layering.py SOURCE_DIR    checks the tree; each fault on a line, status 1
    check_layering.py --self-test   plants faults in made-up trees: each must be found

A file may include its own folder and the folders FLOORS lets it use, and
nothing else, not even through a header of a folder it may use: calc/ may use
the values of fluids/ and units/, but a header of theirs that brings in
dialog/ stays out of calc/'s reach. The logic, the dialog layer and the
in-memory dialog manager include no outside header but the standard C++
library's.
"""
import os
import re
import sys

# The floor table, ground floor first: each folder and what it may include
# besides itself. resources/ is the resource-id header; "generated" the
# headers the build writes (quelrin_version.h), included by bare name;
# UP_TO_LOGIC the floors from the ground to the logic.
UP_TO_LOGIC = {"text", "dialog", "resources", "calc", "fluids", "units"}
FLOORS = {
    "text": set(),
    "resources": set(),
    "dialog": {"text", "resources"},
    "fluids": {"text", "dialog", "resources"},
    "units": {"text", "dialog", "resources"},
    "calc": {"text", "fluids", "units"},
    "diagram": UP_TO_LOGIC,
    "app": UP_TO_LOGIC | {"diagram"},
    "cli": UP_TO_LOGIC - {"resources"} | {"diagram", "generated"},
    "platform/headless": UP_TO_LOGIC | {"diagram", "app"},
    "platform/gtk": UP_TO_LOGIC | {"diagram", "app", "generated"},
    "platform/win32": UP_TO_LOGIC | {"diagram", "app", "generated"},
    "platform/web": UP_TO_LOGIC | {"diagram", "app", "generated"},
}
# Folders that may include anything, and whose own includes are not checked.
FREE = {"tests", "bench", "tools"}
# Standard C++ only, a header without extension or path as <vector>: the
# logic, the dialog layer, and the in-memory manager, which needs no toolkit.
PORTABLE = {"dialog", "calc", "fluids", "units", "app", "diagram", "platform/headless"}
GENERATED = {"quelrin_version.h"}

SOURCE_SUFFIXES = (".cpp", ".hpp", ".h", ".c")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]', re.MULTILINE)
STANDARD_HEADER = re.compile(r"^[a-z_]+$")


def folder_of(path):
    parts = path.split("/")
    if parts[0] == "platform" and len(parts) > 2:
        return "platform/" + parts[1]
    return parts[0] if len(parts) > 1 else ""


def includes(text):
    return [(bracket == "<", name) for bracket, name in INCLUDE.findall(text)]


def violations(files):
    """The faults of a tree given as {path from the top: text}."""
    faults = []
    for path in sorted(files):
        folder = folder_of(path)
        if folder in FREE:
            continue
        if folder not in FLOORS:
            faults.append(f"{path}: folder {folder or '(top)'}/ has no floor in the layering table")
            continue
        for angle, name in includes(files[path]):
            if angle:
                if folder in PORTABLE and not STANDARD_HEADER.match(name):
                    faults.append(f"{path}: <{name}> is not a standard C++ header")
            elif "/" not in name and name not in GENERATED:
                faults.append(f'{path}: "{name}" is not named by its path from the top')
            elif "/" not in name and "generated" not in FLOORS[folder]:
                faults.append(f'{path}: "{name}" is a generated header {folder}/ may not use')
        faults.extend(reach_faults(path, folder, files))
    return faults


def reach_faults(path, folder, files):
    """Project headers reached from `path`, directly or through others, that
    lie on a floor `folder` may not use; each reported once, with its way."""
    allowed = FLOORS[folder] | {folder}
    way = {path: None}
    waiting = [path]
    faults = []
    while waiting:
        current = waiting.pop()
        for angle, name in includes(files.get(current, "")):
            if angle or "/" not in name or name in way:
                continue
            way[name] = current
            if folder_of(name) not in allowed:
                chain = [name]
                while way[chain[-1]] != path:
                    chain.append(way[chain[-1]])
                through = "".join(f" through {step}" for step in reversed(chain[1:]))
                faults.append(f"{path}: includes {name}{through}: {folder}/ may not use {folder_of(name)}/")
            else:
                waiting.append(name)
    return faults


def read_tree(top):
    files = {}
    for folder, subfolders, names in os.walk(top):
        # Build trees (wherever they were made) and hidden folders hold no sources of the house.
        subfolders[:] = [d for d in subfolders if not d.startswith(".")
                         and not os.path.exists(os.path.join(folder, d, "CMakeCache.txt"))
                         and not (folder == top and d == "build")]
        for name in names:
            if name.endswith(SOURCE_SUFFIXES):
                full = os.path.join(folder, name)
                with open(full, encoding="utf-8", errors="replace") as source:
                    files[os.path.relpath(full, top).replace(os.sep, "/")] = source.read()
    return files


# A made-up sound tree, and faults planted in it that the check must find.
SOUND = {
    "text/cp1252.hpp": "#include <string>\n",
    "fluids/fluid_record.hpp": '#include "text/cp1252.hpp"\n',
    "units/units_dialog.hpp": '#include "dialog/dialog.hpp"\n#include "resources/resource_ids.h"\n',
    "dialog/dialog.hpp": '#include "text/cp1252.hpp"\n',
    "calc/request.hpp": '#include "fluids/fluid_record.hpp"\n#include <cmath>\n',
    "app/main_window.cpp": '#include "calc/request.hpp"\n#include "units/units_dialog.hpp"\n',
    "platform/win32/main.cpp": '#include <windows.h>\n#include "app/main_window.cpp"\n#include "quelrin_version.h"\n',
    "tests/anything.cpp": '#include "platform/win32/main.cpp"\n#include "local.hpp"\n',
}
PLANTED = {
    "the ground floor reaching up": {"text/cp1252.hpp": '#include "calc/request.hpp"\n'},
    "calc/ using the dialog layer": {"calc/request.hpp": '#include "dialog/dialog.hpp"\n'},
    "calc/ reaching dialog/ through units/": {"calc/table.hpp": '#include "units/units_dialog.hpp"\n'},
    "a platform header in the logic": {"fluids/fluid_record.hpp": "#include <unistd.h>\n"},
    "one platform using another": {"platform/gtk/host.cpp": '#include "platform/win32/main.cpp"\n'},
    "a header by a bare name": {"units/units.cpp": '#include "units.hpp"\n'},
    "the version header in the logic": {"calc/version.cpp": '#include "quelrin_version.h"\n'},
    "a folder without a floor": {"web/page.cpp": '#include "text/cp1252.hpp"\n'},
}


def self_test():
    missed = []
    if violations(SOUND):
        missed.append(f"the sound tree is refused: {violations(SOUND)}")
    for what, planted in PLANTED.items():
        found = violations({**SOUND, **planted})
        if not any(fault.startswith(f"{path}:") for path in planted for fault in found):
            missed.append(f"{what}: not found")
    return missed


def main(argv):
    if argv[1:] == ["--self-test"]:
        missed = self_test()
        print("\n".join(missed) or f"all {len(PLANTED)} planted faults found")
        return 1 if missed else 0
    if len(argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    faults = violations(read_tree(argv[1]))
    print("\n".join(faults) or "every include keeps to its floor")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
