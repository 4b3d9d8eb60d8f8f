#!/usr/bin/python3
"""Cross-check of the WAVE files the program writes against two other readers.

Runs the writing test of formats_tests (given as the one argument) with
VOSTRANE_WAVE_OUT set, then reads each file back with python's `wave` module and with
`sox --i`: 8-bit mono at 22050 samples/s, the number of samples written, the same bytes.
"""
import os
import pathlib
import subprocess
import sys
import tempfile
import wave

EXPECTED = {"tone22050.wav": 22050, "odd3.wav": 3, "empty.wav": 0}


def main():
    tests = sys.argv[1]
    with tempfile.TemporaryDirectory() as tmp:
        env = dict(os.environ, VOSTRANE_WAVE_OUT=tmp)
        subprocess.run([tests, "--gtest_filter=WaveFileTest.WrittenFiles*"], check=True, env=env,
                       stdout=subprocess.DEVNULL)
        failures = 0
        for name, samples in EXPECTED.items():
            path = pathlib.Path(tmp) / name
            with wave.open(str(path), "rb") as w:
                frames = w.readframes(w.getnframes() + 10)
                got = (w.getnchannels(), w.getsampwidth(), w.getframerate(), w.getnframes())
            want_bytes = bytes((128 + (i % 64) - 32) for i in range(samples))
            if got != (1, 1, 22050, samples) or frames != want_bytes:
                print(f"{name}: python wave reads {got}, {len(frames)} bytes")
                failures += 1
            info = {}
            for key in ("-c", "-r", "-s", "-b"):
                out = subprocess.run(["sox", "--i", key, str(path)], check=True,
                                     capture_output=True, text=True).stdout.strip()
                info[key] = out
            if info != {"-c": "1", "-r": "22050", "-s": str(samples), "-b": "8"}:
                print(f"{name}: sox --i reads {info}")
                failures += 1
        print(f"WAVE files read back by python wave and sox: {len(EXPECTED) - failures // 2}"
              f" of {len(EXPECTED)} agree")
        return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
