#!/usr/bin/env python3
"""The layer check on a copy of the tree with includes planted into real library files: each
offending one is reported at its file and line, and a legal one beside them is not."""
import pathlib
import shutil
import subprocess
import sys
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
CHECK = ROOT / "tools" / "check_layers.py"
KEPT = {".h", ".hpp", ".cpp", ".cc"}


def copy_tree(target):
    def ignore(folder, names):
        top = pathlib.Path(folder) == ROOT
        return [n for n in names if (top and n.startswith(("build", ".")))
                or (pathlib.Path(folder, n).is_file()
                    and n != "CMakeLists.txt" and pathlib.Path(n).suffix not in KEPT)]
    shutil.copytree(ROOT, target, ignore=ignore)


def first(root, folder, pattern):
    """The first file of a folder (and its subfolders for **/ patterns), tests left out."""
    return sorted(p for p in (root / folder).glob(pattern) if "tests" not in p.parts)[0]


def run_check(root):
    done = subprocess.run([sys.executable, str(CHECK), str(root)], capture_output=True, text=True)
    return done.returncode, [line for line in done.stdout.splitlines() if ": include " in line]


class PlantedIncludes(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.TemporaryDirectory()
        root = pathlib.Path(cls.scratch.name) / "tree"
        copy_tree(root)
        _, cls.before = run_check(root)
        header = lambda folder: first(root, folder, "*.h").relative_to(root).as_posix()
        # (file planted into, the include line, a word of the reason; None: legal)
        cases = [
            (first(root, "basics", "*.cpp"), f'#include "{header("basics/ui")}"', "does not link"),
            (first(root, "platform/core", "*.cpp"), '#include "pf/headless.h"', "pf_headless"),
            (first(root, "simulator", "*.cpp"), f'#include <{header("basics")}>', "quotes"),
            (first(root, "lines/models", "*.h"), '#include "pf/window.h"', "window header"),
            (first(root, "instruments/models", "*.cpp"),
             f'#include "{first(root, "editor", "**/*.h").relative_to(root).as_posix()}"',
             "does not link"),
            (first(root, "lines/models", "*.cpp"), f'#include "{header("basics")}"', None),
        ]
        cls.planted = []
        for path, line, reason in cases:
            lines = path.read_text().splitlines(keepends=True)
            at = next(i for i, text in enumerate(lines) if text.startswith("#include")) + 1
            path.write_text("".join(lines[:at] + [line + "\n"] + lines[at:]))
            cls.planted.append((f"{path.relative_to(root).as_posix()}:{at + 1}:", line, reason))
        cls.code, cls.after = run_check(root)

    @classmethod
    def tearDownClass(cls):
        cls.scratch.cleanup()

    def test_each_planted_line_is_reported_and_the_legal_one_is_not(self):
        for where, line, reason in self.planted:
            with self.subTest(where=where, include=line):
                reported = [r for r in self.after if r.startswith(where)]
                if reason is None:
                    self.assertEqual(reported, [])
                else:
                    self.assertEqual(len(reported), 1, self.after)
                    self.assertIn(reason, reported[0])

    def test_only_the_planted_offences_are_added(self):
        offending = sum(1 for _, _, reason in self.planted if reason)
        self.assertEqual(self.code, 1)
        self.assertEqual(len(self.after), len(self.before) + offending)


if __name__ == "__main__":
    unittest.main()
