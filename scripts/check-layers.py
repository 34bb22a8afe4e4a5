#!/usr/bin/env python3
"""The layering check: every module is a folder, and a file includes only
what its module may see.

A module (a shared library of the project) owns the folder of the
CMakeLists.txt that declares it; no other module may compile a source from
there, and no folder holds two modules.  Every quoted include in a module's
sources and in the headers of its folder must resolve inside the module's
own folder or in the folder of a module it depends on, directly or through
others.  Programs, tests, fuzz targets and benchmarks are checked the same
way: what they include must lie in their own folder or in a module they
link.

The build's own description is read through CMake's file API (the build
writes the query; see CMakeLists.txt), so the dependencies checked are the
ones the build really has.

    check-layers.py BUILD_DIR     check the configured build tree
    check-layers.py --self-test   check the checker on planted trees

Exits with status 1 and prints each offending include when the layers are
broken.
"""

import json
import os
import re
import sys
import tempfile
from dataclasses import dataclass, field
from pathlib import Path

INCLUDE_RE = re.compile(r'^[ \t]*#[ \t]*include[ \t]+"([^"]+)"', re.MULTILINE)
SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".cc", ".c", ".inl"}
TEST_TREES = ("tests", "fuzz", "bench")


@dataclass
class Target:
    name: str
    folder: str  # relative to the source root
    is_module: bool
    sources: list = field(default_factory=list)  # relative paths
    deps: list = field(default_factory=list)  # direct dependencies, by name
    offers_folder: bool = False  # its folder is on its users' include path


# ---------------------------------------------------------------- the model


def read_build_model(build_dir):
    """Reads the targets of a configured build tree through the file API."""
    reply = Path(build_dir) / ".cmake" / "api" / "v1" / "reply"
    indexes = sorted(reply.glob("index-*.json"))
    if not indexes:
        raise SystemExit(f"check-layers: no file API reply in {reply}; configure the build first")
    index = json.loads(indexes[-1].read_text())
    codemodel_file = None
    for entry in index.get("objects", []):
        if entry.get("kind") == "codemodel":
            codemodel_file = entry["jsonFile"]
    if codemodel_file is None:
        raise SystemExit("check-layers: the file API reply has no code model")
    codemodel = json.loads((reply / codemodel_file).read_text())
    source_root = Path(codemodel["paths"]["source"]).resolve()
    configuration = codemodel["configurations"][0]

    raw = {}
    for ref in configuration["targets"]:
        raw[ref["id"]] = json.loads((reply / ref["jsonFile"]).read_text())

    targets = {}
    for data in raw.values():
        kind = data["type"]
        if kind not in ("SHARED_LIBRARY", "STATIC_LIBRARY", "EXECUTABLE", "MODULE_LIBRARY"):
            continue
        folder = data["paths"]["source"]
        sources = []
        for src in data.get("sources", []):
            if src.get("isGenerated"):
                continue
            path = Path(src["path"])
            if path.is_absolute():
                try:
                    path = path.resolve().relative_to(source_root)
                except ValueError:
                    continue
            sources.append(os.path.normpath(str(path)))
        deps = [raw[d["id"]]["name"] for d in data.get("dependencies", []) if d["id"] in raw]
        include_dirs = set()
        for group in data.get("compileGroups", []):
            for inc in group.get("includes", []):
                include_dirs.add(inc["path"])
        targets[data["name"]] = Target(
            name=data["name"],
            folder="" if folder == "." else folder,
            is_module=kind == "SHARED_LIBRARY" and _is_system_folder(folder),
            sources=sources,
            deps=deps,
            offers_folder=str(source_root / folder) in include_dirs and folder.startswith("library/"),
        )
    return source_root, targets


def _is_system_folder(folder):
    """The system's own code, as opposed to tests, fuzzing and benchmarks."""
    return folder.split("/")[0] in ("framework", "library", "editor", "kilnsmith", "orchard")


# ---------------------------------------------------------------- the check


def dependency_closure(targets, name):
    seen = set()
    stack = [name]
    while stack:
        current = stack.pop()
        for dep in targets[current].deps if current in targets else []:
            if dep not in seen:
                seen.add(dep)
                stack.append(dep)
    return seen


def in_folder(path, folder):
    return folder == "" or path == folder or path.startswith(folder + "/")


def resolve_include(source_root, including_file, name, search_folders):
    """The project file a quoted include names, relative to the root, or
    None when it is not one of the project's (a generated or system file)."""
    candidates = [Path(including_file).parent / name, Path(name)]
    candidates += [Path(folder) / name for folder in search_folders]
    for candidate in candidates:
        relative = os.path.normpath(str(candidate))
        if relative.startswith(".."):
            continue
        if (source_root / relative).is_file():
            return relative
    return None


def module_folders(targets):
    folders = {}
    for target in targets.values():
        if target.is_module:
            folders.setdefault(target.folder, []).append(target.name)
    return folders


def folder_files(source_root, folder, owned_elsewhere):
    """Every source and header in a module's folder and its plain subfolders
    (a subfolder that holds a module of its own is that module's)."""
    base = source_root / folder
    for path in sorted(base.rglob("*")):
        if path.suffix not in SOURCE_SUFFIXES or not path.is_file():
            continue
        relative = str(path.relative_to(source_root))
        if any(in_folder(relative, other) for other in owned_elsewhere):
            continue
        yield relative


def check(source_root, targets):
    """Returns the list of problems found, each one line of text."""
    source_root = Path(source_root)
    problems = []
    folders = module_folders(targets)
    for folder, names in sorted(folders.items()):
        if len(names) > 1:
            problems.append(f"{folder}: holds {len(names)} modules ({', '.join(sorted(names))}); give each a folder")

    files_checked = {}
    for target in sorted(targets.values(), key=lambda t: t.name):
        if target.is_module:
            for source in target.sources:
                if not in_folder(source, target.folder):
                    problems.append(f"{source}: compiled by {target.name}, whose folder is {target.folder}")
        allowed_targets = {target.name} | dependency_closure(targets, target.name)
        allowed = {targets[t].folder for t in allowed_targets if t in targets}
        if not target.is_module:
            # A test, fuzz target, benchmark or program may compile what it
            # drives and share the support code of the test trees.
            allowed |= {str(Path(source).parent) for source in target.sources}
            if not _is_system_folder(target.folder):
                allowed |= set(TEST_TREES)
        allowed = sorted(allowed)
        search = [targets[t].folder for t in allowed_targets if t in targets and targets[t].offers_folder]

        files = list(target.sources)
        if target.is_module and folders.get(target.folder) == [target.name]:
            deeper = [f for f in folders if f != target.folder and in_folder(f, target.folder)]
            files += [f for f in folder_files(source_root, target.folder, deeper) if f not in files]
        for path in files:
            key = (path, tuple(allowed))
            if key in files_checked:
                continue
            files_checked[key] = True
            problems += check_file(source_root, target.name, path, allowed, search)
    return problems


def check_file(source_root, target_name, path, allowed, search):
    problems = []
    try:
        text = (source_root / path).read_text(errors="replace")
    except OSError:
        return problems
    for match in INCLUDE_RE.finditer(text):
        name = match.group(1)
        resolved = resolve_include(source_root, path, name, search)
        if resolved is None:
            continue
        if not any(in_folder(resolved, folder) for folder in allowed):
            line = text.count("\n", 0, match.start()) + 1
            problems.append(
                f'{path}:{line}: #include "{name}" is {resolved}, outside what {target_name} depends on'
            )
    return problems


# ---------------------------------------------------------------- self test


def self_test():
    """Plants a tree of two modules and checks that the checker passes the
    sound one and names the upward include and the borrowed source."""
    failures = []
    with tempfile.TemporaryDirectory() as tmp:
        root = Path(tmp)
        files = {
            "lower/Low.h": "#pragma once\n",
            "lower/Low.cpp": '#include "lower/Low.h"\n#include <vector>\n#include "Generated.h"\n',
            "upper/High.h": '#pragma once\n#include "lower/Low.h"\n',
            "upper/High.cpp": '#include "upper/High.h"\n#include "High.h"\n',
        }
        for name, text in files.items():
            (root / name).parent.mkdir(parents=True, exist_ok=True)
            (root / name).write_text(text)

        def model():
            return {
                "low": Target("low", "lower", True, ["lower/Low.cpp"], []),
                "high": Target("high", "upper", True, ["upper/High.cpp"], ["low"]),
            }

        if check(root, model()):
            failures.append(f"a sound tree was refused: {check(root, model())}")

        (root / "lower/Low.h").write_text('#pragma once\n\n#include "upper/High.h"\n')
        problems = check(root, model())
        expected = 'lower/Low.h:3: #include "upper/High.h" is upper/High.h, outside what low depends on'
        if problems != [expected]:
            failures.append(f"the planted upward include gave {problems}")

        (root / "lower/Low.h").write_text("#pragma once\n")
        borrowed = model()
        borrowed["low"].sources.append("upper/High.cpp")
        problems = check(root, borrowed)
        if not any("upper/High.cpp: compiled by low" in p for p in problems):
            failures.append(f"a borrowed source was not named: {problems}")

        shared = model()
        shared["twin"] = Target("twin", "upper", True, [], ["low"])
        if not any("upper: holds 2 modules" in p for p in check(root, shared)):
            failures.append("two modules in one folder were not named")
    for failure in failures:
        print(f"check-layers self test: {failure}")
    return 1 if failures else 0


def main(argv):
    if len(argv) == 2 and argv[1] == "--self-test":
        return self_test()
    if len(argv) != 2:
        print(__doc__.strip().split("\n\n")[-2], file=sys.stderr)
        return 2
    source_root, targets = read_build_model(argv[1])
    problems = check(source_root, targets)
    for problem in problems:
        print(problem)
    if problems:
        print(f"check-layers: {len(problems)} problem(s)")
        return 1
    print(f"check-layers: {sum(t.is_module for t in targets.values())} modules, layers hold")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
