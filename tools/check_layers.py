#!/usr/bin/env python3
"""Fails on an include that reaches past what its library links: the layers are the build's.

Every CMakeLists.txt of the tree is read (cmake is not run): add_library, add_executable and
target_sources give each target its sources (through set, list(APPEND), file(GLOB) and
foreach), target_link_libraries its links, target_include_directories its include folders.
Each file's variables are its own, and the bodies of function() and macro() are not followed.
Only the tree's own targets count; imported and system ones are ignored, and so are files under
a tests/ folder and the targets built from them alone (tests link what they test and may reach
further). A target's level is its longest link chain to the bottom.

A header belongs to the target whose source folder or include folder is its nearest folder
upwards (platform/core/include/pf/dc.h to the target that names platform/core/include); an
include folder that holds another target's sources (the root) claims nothing. Every #include of a target's
sources and headers is resolved as the compiler does (the file's folder, then the tree's include
folders) and is an offence when
- it is written <...> yet names a file of the tree (project headers are quoted);
- it reaches a file of another target that its target does not link, directly or through others
  (and so one on its own level or above);
- it reaches a window header from a model or format library.
Window headers: pf/window.h and every pf header that includes it, directly or not.
Model and format libraries: the targets in a folder named models or formats and every target
they link, except the platform (the targets that publish pf/ headers and define the windows).
Usage: tools/check_layers.py [--levels] [SOURCE-DIR]
       (prints each offence, exit 1 when any; --levels lists each target's level and folder)
"""
import os
import pathlib
import re
import sys

TOKEN = re.compile(r'#[^\n]*|"(?:\\.|[^"\\])*"|[()]|[^\s()#"]+')
VARIABLE = re.compile(r"\$\{(\w+)\}")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
KEYWORDS = {"PUBLIC", "PRIVATE", "INTERFACE", "SYSTEM", "BEFORE", "AFTER", "STATIC", "SHARED",
            "OBJECT", "MODULE", "EXCLUDE_FROM_ALL", "WIN32", "MACOSX_BUNDLE"}
WINDOW = "pf/window.h"
MODEL_FOLDERS = {"models", "formats"}
SUFFIXES = {".h", ".hpp", ".cpp", ".cc"}


def commands(text):
    """The commands of a CMake file as (name, arguments); nested parentheses are dropped."""
    tokens = [t for t in TOKEN.findall(text) if not t.startswith("#")]
    found, i = [], 0
    while i + 1 < len(tokens):
        if tokens[i + 1] != "(":
            i += 1
            continue
        name, args, depth, i = tokens[i].lower(), [], 0, i + 2
        while i < len(tokens) and (depth or tokens[i] != ")"):
            depth += {"(": 1, ")": -1}.get(tokens[i], 0)
            if tokens[i] not in ("(", ")"):
                args.append(tokens[i][1:-1] if tokens[i].startswith('"') else tokens[i])
            i += 1
        found.append((name, args))
        i += 1
    return found


def block_end(cmds, start):
    """Index of the end...() that closes the block opened at cmds[start]."""
    opener, depth = cmds[start][0], 0
    for i in range(start, len(cmds)):
        depth += {opener: 1, "end" + opener: -1}.get(cmds[i][0], 0)
        if depth == 0:
            return i
    return len(cmds)


class Build:
    """The tree's targets as its CMakeLists.txt files declare them."""

    def __init__(self, root):
        self.root = root
        self.sources, self.links, self.include_dirs, self.home = {}, {}, {}, {}
        for lists in sorted(root.rglob("CMakeLists.txt")):
            if outside_the_tree(lists.relative_to(root)):
                continue
            folder = str(lists.parent)
            scope = {"CMAKE_CURRENT_SOURCE_DIR": [folder], "CMAKE_CURRENT_LIST_DIR": [folder],
                     "PROJECT_SOURCE_DIR": [str(root)], "CMAKE_SOURCE_DIR": [str(root)]}
            self.run(commands(lists.read_text(errors="replace")), scope, lists.parent)
        tested = lambda path: in_tests(path.relative_to(root))
        for name in [n for n, files in self.sources.items() if files and all(map(tested, files))]:
            for table in (self.sources, self.links, self.include_dirs, self.home):
                table.pop(name, None)
        for name in self.links:
            self.links[name] = {other for other in self.links[name] if other in self.sources}
        self.sources = {n: [f for f in files if not tested(f)] for n, files in self.sources.items()}

    def expand(self, args, scope):
        out = []
        for arg in args:
            while VARIABLE.search(arg):
                arg = VARIABLE.sub(lambda m: ";".join(scope.get(m.group(1), [])), arg)
            out += [item for item in arg.split(";") if item]
        return out

    def run(self, cmds, scope, folder):
        i = 0
        while i < len(cmds):
            name, args = cmds[i]
            if name in ("function", "macro", "foreach"):
                end = block_end(cmds, i)
                if name == "foreach" and args:
                    rest = args[1:]
                    if rest[:2] == ["IN", "LISTS"]:
                        items = [v for var in rest[2:] for v in scope.get(var, [])]
                    else:
                        items = self.expand(rest[2:] if rest[:2] == ["IN", "ITEMS"] else rest, scope)
                    for item in items:
                        scope[args[0]] = [item]
                        self.run(cmds[i + 1:end], scope, folder)
                i = end + 1
                continue
            self.command(name, self.expand(args, scope), scope, folder)
            i += 1

    def paths(self, args, folder):
        """The arguments that name files or folders of the tree."""
        paths = [pathlib.Path(os.path.normpath(folder / a)) for a in args
                 if a not in KEYWORDS and "$<" not in a]
        return [p for p in paths if p.is_relative_to(self.root)]

    def command(self, name, args, scope, folder):
        if not args:
            return
        target, rest = args[0], args[1:]
        if name == "set":
            scope[target] = rest
        elif name == "list" and target == "APPEND" and rest:
            scope.setdefault(rest[0], []).extend(rest[1:])
        elif name == "file" and target in ("GLOB", "GLOB_RECURSE") and rest:
            found = []
            for pattern in rest[1:]:
                if pattern in ("CONFIGURE_DEPENDS", "FOLLOW_SYMLINKS"):
                    continue
                base = pathlib.Path(folder / pattern)
                matches = base.parent.rglob if target == "GLOB_RECURSE" else base.parent.glob
                found += sorted(str(p) for p in matches(base.name))
            scope[rest[0]] = found
        elif name in ("add_library", "add_executable"):
            if "IMPORTED" not in rest and "ALIAS" not in rest:
                self.sources[target] = self.paths(rest, folder)
                self.home[target] = folder
        elif name == "target_sources" and target in self.sources:
            self.sources[target] += self.paths(rest, folder)
        elif name == "target_link_libraries":
            self.links.setdefault(target, set()).update(rest)
        elif name == "target_include_directories":
            self.include_dirs.setdefault(target, []).extend(self.paths(rest, folder))


def in_tests(path):
    return "tests" in path.parts


def outside_the_tree(path):
    """Build folders and hidden ones hold no sources of the tree; tests are not layered."""
    return path.parts[0].startswith(("build", ".")) or in_tests(path)


class Layers:
    """Levels, reach and the owner of every file of the tree."""

    def __init__(self, build):
        self.build, self.levels, self.reach = build, {}, {}
        for name in build.sources:
            self.level(name)
        # A folder goes to the target whose CMakeLists.txt lies nearest above it.
        self.owner = {}
        for name, files in sorted(build.sources.items()):
            for folder in {f.parent for f in files}:
                old = self.owner.get(folder)
                if old is None or self.closeness(name, folder) > self.closeness(old, folder):
                    self.owner[folder] = name
        all_sources = [f for files in build.sources.values() for f in files]
        for name, dirs in build.include_dirs.items():
            for folder in dirs if name in build.sources else ():
                if not any(f.is_relative_to(folder) and f not in build.sources[name]
                           for f in all_sources):
                    self.owner.setdefault(folder, name)
        self.search = sorted({d for dirs in build.include_dirs.values() for d in dirs})

    def closeness(self, name, folder):
        home = self.build.home[name]
        return (folder.is_relative_to(home), len(home.parts))

    def level(self, name, seen=()):
        if name not in self.levels:
            below = [o for o in self.build.links.get(name, ()) if o not in seen]
            self.levels[name] = 1 + max((self.level(o, seen + (name,)) for o in below), default=-1)
            self.reach[name] = set(below).union(*(self.reach[o] for o in below))
        return self.levels[name]

    def folder(self, name):
        """Where the target's sources lie, those beside its CMakeLists.txt first."""
        home = self.build.home[name]
        folders = {f.parent for f in self.build.sources[name]}
        folders = {f for f in folders if f.is_relative_to(home)} or folders
        return pathlib.Path(os.path.commonpath(folders)) if folders else home

    def owner_of(self, path):
        for folder in path.parents:
            if folder in self.owner:
                return self.owner[folder]
        return None

    def resolve(self, source, written, angled):
        for folder in ([] if angled else [source.parent]) + self.search:
            candidate = pathlib.Path(os.path.normpath(folder / written))
            if candidate.is_file():
                return candidate
        return None


def includes(path):
    for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
        match = INCLUDE.match(line)
        if match:
            yield number, match.group(1) == "<", match.group(2)


def platform_targets(layers):
    """The targets that publish pf/ headers: the platform, which defines the windows."""
    return {layers.owner[d] for dirs in layers.build.include_dirs.values() for d in dirs
            if d in layers.owner and (d / WINDOW.split("/")[0]).is_dir()}


def window_headers(layers, headers, platform):
    """pf/window.h and the platform's headers that include it, directly or not."""
    seed = layers.resolve(layers.build.root, WINDOW, True)
    found = {seed} if seed else set()
    graph = {h: {layers.resolve(h, w, a) for _, a, w in includes(h)} for h in headers
             if layers.owner_of(h) in platform}
    while True:
        more = {h for h, reached in graph.items() if reached & found} - found
        if not more:
            return found
        found |= more


def model_targets(layers, platform):
    """The targets in a folder named models or formats and those they link, but the platform."""
    build = layers.build
    models = {n for n in build.sources
              if MODEL_FOLDERS & set(layers.folder(n).relative_to(build.root).parts)}
    return (models.union(*(layers.reach[n] for n in models))) - platform


def offences(root):
    build = Build(root)
    layers = Layers(build)
    files = [p for p in root.rglob("*")
             if p.suffix in SUFFIXES and not outside_the_tree(p.relative_to(root))]
    headers = [p for p in files if p.suffix in (".h", ".hpp")]
    platform = platform_targets(layers)
    windows, models = window_headers(layers, headers, platform), model_targets(layers, platform)
    checked = {n: set(sources) for n, sources in build.sources.items()}
    for header in headers:
        if layers.owner_of(header):
            checked[layers.owner_of(header)].add(header)
    found = {}
    for name in sorted(checked):
        own_folders = {f.parent for f in build.sources[name]}
        for path in sorted(checked[name]):
            for number, angled, written in includes(path):
                target = layers.resolve(path, written, angled)
                if target is None:
                    continue
                other = layers.owner_of(target)
                if angled:
                    why = f"is a project header (library {other}): write it with quotes"
                elif other is None:
                    why = "reaches a file of no library"
                elif other != name and target.parent not in own_folders \
                        and other not in layers.reach[name]:
                    why = f"reaches library {other} (level {layers.levels[other]}), " \
                          "which it does not link"
                elif name in models and target in windows:
                    why = "reaches a window header from a model or format library"
                else:
                    continue
                shown = f"<{written}>" if angled else f'"{written}"'
                found.setdefault((path, number), f"{path.relative_to(root)}:{number}: include "
                                 f"{shown} (library {name}, level {layers.levels[name]}) {why}")
    return layers, [found[key] for key in sorted(found)]


def main():
    args = sys.argv[1:]
    root = pathlib.Path(([a for a in args if a != "--levels"] or ["."])[0]).resolve()
    layers, bad = offences(root)
    if "--levels" in args:
        for name in sorted(layers.levels, key=lambda n: (layers.levels[n], n)):
            print(f"{layers.levels[name]}  {name:24} {layers.folder(name).relative_to(root)}")
    for line in bad:
        print(line)
    print(f"layers: {len(bad)} include(s) beyond the build's links" if bad
          else "layers: every include stays within what its library links")
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
