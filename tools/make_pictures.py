#!/usr/bin/env python3
"""Renders the manual's pictures of the program's windows, docs/pictures/*.png, by playing the
ui-script files of tools/pictures/ headless in a scratch copy of examples/.

Usage: tools/make_pictures.py [--cli PATH] [--check FOLDER]
  --cli PATH      vostrane-cli to play them (default: build/release/app/cli/vostrane-cli)
  --check FOLDER  render into FOLDER and compare pixel by pixel with the committed pictures
                  (exit 1 when one differs, is missing or is not made any more)

The scripts run with SOURCE_DATE_EPOCH=0, so the time stamps of the instruments' runs are the
same in every rendering.
"""
import argparse
import os
import pathlib
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
SCRIPTS = ROOT / "tools" / "pictures"
PICTURES = ROOT / "docs" / "pictures"


def render(cli, out):
    """Plays every script in a fresh copy of the examples; true when one failed."""
    env = dict(os.environ, TZ="UTC", SOURCE_DATE_EPOCH="0", LC_ALL="C.UTF-8")
    failed = False
    out.mkdir(parents=True, exist_ok=True)
    for script in sorted(SCRIPTS.glob("*.txt")):
        with tempfile.TemporaryDirectory() as scratch:
            for example in (ROOT / "examples").iterdir():
                shutil.copy(example, scratch)
            run = subprocess.run([str(cli), "ui-script", str(script)], cwd=scratch, env=env,
                                 capture_output=True, text=True, check=False)
            if run.returncode != 0:
                print(f"{script.name}: exit {run.returncode}\n{run.stdout}{run.stderr}")
                failed = True
            for picture in pathlib.Path(scratch).glob("*.png"):
                shutil.copy(picture, out / picture.name)
    return failed


def pixels(path):
    """Width, height and rows of RGB(A) bytes of an 8-bit, non-interlaced PNG."""
    data = path.read_bytes()
    pos, packed = 8, b""
    while pos < len(data):
        size, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + size]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if depth != 8 or colour not in (2, 6) or interlace:
                raise ValueError(f"{path.name}: not 8-bit RGB(A) without interlace")
        elif kind == b"IDAT":
            packed += body
        pos += 12 + size
    step = 3 if colour == 2 else 4
    raw, stride, rows = zlib.decompress(packed), width * step, []
    above = bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, row = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = row[i - step] if i >= step else 0
            corner = above[i - step] if i >= step else 0
            if kind == 1:
                row[i] = (row[i] + left) & 255
            elif kind == 2:
                row[i] = (row[i] + above[i]) & 255
            elif kind == 3:
                row[i] = (row[i] + (left + above[i]) // 2) & 255
            elif kind == 4:
                guess = left + above[i] - corner
                near = min((abs(guess - left), 0, left), (abs(guess - above[i]), 1, above[i]),
                           (abs(guess - corner), 2, corner))
                row[i] = (row[i] + near[2]) & 255
        rows.append(bytes(row))
        above = row
    return width, height, step, rows


def differs(made, kept):
    if made.read_bytes() == kept.read_bytes():
        return None
    width, height, step, new = pixels(made)
    old_width, old_height, old_step, old = pixels(kept)
    if (width, height, step) != (old_width, old_height, old_step):
        return f"{width}x{height} instead of {old_width}x{old_height}"
    count = sum(new[y][x * step:(x + 1) * step] != old[y][x * step:(x + 1) * step]
                for y in range(height) for x in range(width))
    return f"{count} pixels differ" if count else None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", default=ROOT / "build/release/app/cli/vostrane-cli")
    parser.add_argument("--check", type=pathlib.Path)
    args = parser.parse_args()
    out = args.check or PICTURES
    if args.check:
        shutil.rmtree(out, ignore_errors=True)
    failed = render(pathlib.Path(args.cli).resolve(), out)
    if not args.check:
        return 1 if failed else 0
    made = {p.name for p in out.glob("*.png")}
    kept = {p.name for p in PICTURES.glob("*.png")}
    for name in sorted(made | kept):
        if name not in kept:
            print(f"{name}: made but not in docs/pictures")
        elif name not in made:
            print(f"{name}: in docs/pictures but no script makes it")
        else:
            reason = differs(out / name, PICTURES / name)
            if reason is None:
                continue
            print(f"{name}: {reason}; run tools/make_pictures.py")
        failed = True
    if not failed:
        print(f"{len(kept)} pictures up to date")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
