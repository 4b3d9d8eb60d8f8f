#!/usr/bin/python3
"""Each instrument of a circuit runs in turn while the others idle, on both roads (the built-in
simulator and SPICE through VosSpice.exe), and every run is held to a deck written here from
the circuit's values and run by ngspice.

`vostrane-cli ui-script` draws, in a scratch folder and as a user would, three small
resistive/capacitive circuits that together hold a generator of every kind and the network
analyser, each with a voltmeter:
  A  an RC chain with the analyser's ports on two of its nodes, a signal generator, a pulse
     generator and a DC supply, each behind a resistor of the chain;
  B  the same chain with a data generator (pattern 1011001110001011, 10 kbit/s, 64 samples)
     and an oscilloscope in place of the analyser;
  T  tape_rc.vqe (the audio source, which the element bar does not place, and tape.wav) with a
     signal generator, a pulse generator and an oscilloscope added to its node;
  Q  a common-emitter stage on a fixed 9 V supply, drawn by app/cli/tests/ui/supply_bias.txt
     (its transistor on a model of the circuit's library bias.lib), with a signal generator, a
     pulse generator, the voltmeter and the oscilloscope on the collector and the spectrum
     analyser behind 10 kohm: SPICE only.
  M  a diode mixer drawn by app/cli/tests/ui/spice_mixer.txt: two pulse generators (the LO, 1 V
     at 100 kHz about 0.2 V, and the RF, 50 mV at 110 kHz) each through 100 ohm into a diode of
     the circuit's library mixer.lib, an IF filter (10 nF, 1 kohm) with the voltmeter and the
     oscilloscope, the spectrum analyser behind 10 kohm, a signal generator and a swept supply
     on the diode's anode: SPICE only.
The placement rules decide the split: the analyser needs no other instrument active and the
data generator none at all, while generators are active from the start, so each is placed
first in a circuit of its own; the audio source comes with its circuit, active too. The
transient analysis runs the first active data or pulse generator, so the pulse generator's
transient is A's and T's, the data generator's B's.

Runs, each in its own copy of tools/spice: the small-signal analysis, the transient and the DC
sweep under SPICE (the multimeter's readings, the oscilloscope read point by point with its
marker, the raw file); the analyser's sweep (its data copy) and the built-in runs of the signal
generator, the data generator and the audio source (MultiMeter.dat, the oscilloscope). A and B
with a diode added run the supply's built-in steps (MultiMeter.dat, and `simulate` on the
netlist the run put on the clipboard) and its DC sweep. Q, saved by its script (whose readings
of the operating point and the small signal are held to the decks too) and opened again, runs
the operating point, the small-signal analysis and the transient under SPICE (the readings, the
raw file, the oscilloscope; the spectrum analyser's read-outs of the small signal's lines and of
the transient's spectrum). M, saved by its script (whose readings of the transient, the small
signal and the DC sweep are held to the decks too) and opened again, runs its transient (the
readings, the mean over time, the raw file, the oscilloscope, the spectrum analyser's lines), the
small-signal analysis and the DC sweep under SPICE. In each deck every idle generator is a 0 V
source behind its resistance (the pulse generator a short), except that in a SPICE transient
every pulse and data generator drives its waveform, running or not (M's two sources, B's pulse
generator beside the data generator); the idle analyser's ports are 50 ohm to ground and a
supply holds its value (the chain's 2 V, the start of its sweep; Q's 9 V) wherever it does not
sweep: under SPICE the total, bias included, while on the built-in road, which computes the
small signal, it is its resistance.

Tolerances: full-precision values (every node of the raw files, `simulate`'s diode currents)
within 1e-4 relative; printed ones (4 significant digits: MultiMeter.dat, the readings, the
analyser's copy, the oscilloscope's marker) within that plus half a unit of their 4th digit,
at most 6e-4 as in spice_road.py. Near zero the floor is 1e-4 of the largest magnitude of the
same curve. The diode's voltage from `simulate` within 1 mV. The meter's mean over a transient
within 1 % of the trapezoid mean of the run's raw file and of the deck's.

Where the roads' models differ, each road has its deck ("built-in", "SPICE"), or the circuit
keeps the difference below the tolerance:
  - the supply has 0.1 ohm in series on the built-in road and none under SPICE (without its
    resistor flag); through the chain's 10 kohm that is 1e-5;
  - a capacitor has a 1 Gohm leak under SPICE only, which the SPICE deck has too (it sets the
    node of a coupling capacitor that is otherwise 0 V);
  - the spectrum analyser's read-outs of a transient are the levels of the single-sided
    spectrum of the deck's node resampled as the analyser resamples (scope_runs.py), within the
    full precision's and the printed 4 digits' share of a decibel;
  - the built-in road solves a circuit with a diode only at DC (its sweeps refuse it), so the
    diode is added for the supply's runs only; it is the ideal exponential at UT = 25 mV,
    without RS and GMIN, while ngspice's runs at 27 degC: the built-in deck sets the temperature
    that makes kT/q 25 mV and GMIN to nothing, the card has no RS;
  - the data generator's and the audio source's built-in runs are periodic steady states of
    spectral lines, the SPICE transients start from rest: the meter's readings are |H X| at
    the lines fed (X != 0) and the oscilloscope's samples the inverse transform of H X, with H
    the deck's small-signal transfer at the lines and X the samples' DFT over their count (the
    pattern's bits; the recording's first bytes, the larger excursion from 128 scaled to the
    amplitude), while the transients meet the deck's transient of the same card.

Usage: tools/crosscheck/two_roads.py [path/to/vostrane-cli]   (default build/release/...)
Exit status 1 on any failure.
"""

import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import wave

import numpy

from readings import amount, tables
from scope_runs import hermitian_inverse, resampled
from spectrum_runs import readouts
from spice_road import read_raw, time_mean

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parent.parent
FULL = 1e-4
DIODE_VOLTS = 1e-3
# kT/q = 25 mV with ngspice's constants (tools/crosscheck/diode_sweep.cir).
BUILT_IN_TEMP = "16.963051510025196"
LIBRARY = "* the cross-check's diode\n.MODEL DX D(IS=1e-14 N=1)\n"
PATTERN = "1011001110001011"
BIT_RATE = 10e3
SAMPLES = 64         # the data generator's: 4 a bit
TAPE_SAMPLES = 256   # the audio source's
TAPE_RATE = 8000.0   # tape.wav's

# --- the circuits' elements and values: (kind, name, nodes..., values) ---------------------
# "meter" and "scope" (oscilloscope, speaker) load their node with 1 Mohm, "specana" with 50 ohm;
# a supply is (node, internal resistance, value).

CHAIN = [
    ("R", "R1", "a", "b", 1e3), ("R", "R2", "b", "c", 1e3), ("R", "R3", "c", "e", 2.2e3),
    ("R", "R4", "c", "d", 10e3), ("C", "C1", "b", "0", 100e-9), ("meter", "Mu1", "c"),
    ("siggen", "SigGen1", "a", 100.0, 1.0), ("pulse", "ImpGen1", "e", 0.2, 1.0, 1e3),
    ("supply", "VDc1", "d", 0.1, 2.0),
]
CIRCUITS = {
    "A": [("vna", "VNA1", "b", "c")] + CHAIN,
    "B": [("datagen", "DatG1", "p", 75.0, 1.0), ("R", "R5", "p", "c", 470.0),
          ("scope", "Oszi1", "c")] + CHAIN,
    "T": [("tape", "Tape1", "t", 50.0, 1.0), ("R", "R1", "t", "o", 1e3),
          ("C", "C1", "o", "0", 100e-9), ("meter", "Mu1", "o"), ("scope", "SPK1", "o"),
          ("R", "R2", "o", "s", 1e3), ("siggen", "SigGen1", "s", 100.0, 1.0),
          ("R", "R3", "o", "e", 2.2e3), ("pulse", "ImpGen1", "e", 0.2, 1.0, 1e3),
          ("scope", "Oszi1", "o")],
    # In the order supply_bias.txt draws them, which names them.
    "Q": [("npn", "QT1", "c", "b", "e"), ("R", "R1", "vcc", "b", 47e3),
          ("R", "R2", "b", "0", 10e3), ("R", "R3", "vcc", "c", 4.7e3), ("R", "R4", "e", "0", 1e3),
          ("R", "R5", "in", "p", 1e3), ("R", "R6", "c", "o", 10e3),
          ("C", "C1", "in", "b", 10e-6), ("supply", "VDc1", "vcc", 0.1, 9.0),
          ("siggen", "SigGen1", "in", 50.0, 0.01), ("pulse", "ImpGen1", "p", 0.0, 0.01, 1e3),
          ("meter", "Mu1", "c"), ("scope", "Oszi1", "c"), ("specana", "Spec1", "o")],
    # In the order spice_mixer.txt draws them; the diode carries its library's card.
    "M": [("pulse", "ImpGen1", "lo", 0.2, 1.0, 100e3), ("pulse", "ImpGen2", "rf", 0.0, 0.05, 110e3),
          ("R", "R1", "lo", "m", 100.0), ("R", "R2", "rf", "m", 100.0),
          ("R", "R3", "if", "0", 1e3), ("R", "R4", "if", "o", 10e3), ("R", "R5", "m", "v", 10e3),
          ("diode", "D1", "m", "if", ".MODEL DM D(IS=1e-8 N=1.05 RS=5)"),
          ("C", "C1", "if", "0", 10e-9), ("meter", "Mu1", "if"), ("scope", "Oszi1", "if"),
          ("specana", "Spec1", "o"), ("siggen", "SigGen1", "m", 1e3, 0.01),
          ("supply", "VDc1", "v", 0.1, 0.2)],
}
# The stem of a circuit's files where it is not the circuit's letter.
STEMS = {"Q": "bias", "M": "mixer"}
BIAS_SCRIPT = ROOT / "app/cli/tests/ui/supply_bias.txt"
BIAS_LIBRARY = ROOT / "app/cli/tests/ui/bias.lib"
MIXER_SCRIPT = ROOT / "app/cli/tests/ui/spice_mixer.txt"
MIXER_LIBRARY = ROOT / "app/cli/tests/ui/mixer.lib"
# What the mixer's script sets for its transient (five periods of the IF), and its sweep.
MIXER_TIMES = ["  set 1057 500uSec", "  set 1058 1uSec", "  set 1059 1uSec"]
MIXER_TRANSIENT = ".tran 1u 500u 0 1u"
MIXER_SWEEP = ".dc VVDc1 0.2 1 0.1"
MIXER_LINES = 110  # the spectral lines read past the DC line: up to LO + RF

DIODE = [("diode", "D1", "c", "0")]
# What the generators' dialogs set: the signal generator's sweep, the supply's steps.
SMALL_SIGNAL = ".ac dec 10 1k 100k"
SWEEP = ".dc VVDc1 2 20 1"
ANALYSER = ".ac lin 21 1k 100k"

# --- drawing them as a user does -----------------------------------------------------------

SPICE_ON = 'menu "Analyse/Simulator/Spice"'
SPICE_OFF = 'menu "Analyse/Simulator/Ravilone"'


def part(element, x1, y1, x2, y2, dialog=None, fields=()):
    lines = [f"element {element}"]
    if dialog is not None:
        lines += [f"dialog {dialog}"] + [f"  {f}" for f in fields] + ["ok"]
    return lines + [f"drag {x1} {y1} {x2} {y2}"]


def resistor(value, *points):
    return part(4, *points, dialog=201, fields=[f"set 1116 {value}"])


def wires(*segments):
    return ["element 0"] + [f"drag {x1} {y1} {x2} {y2}" for x1, y1, x2, y2 in segments]


def ground(x, y):
    return part(1, x, y, x, y + 25)


def home(folder):
    """Points "SpiceHome" at a copy of tools/spice (settings live as long as the session)."""
    return ["dialog 251", f"set 1206 {folder}/VosSpice.exe", "ok",
            'menu "Analyse/Spice Simulator einstellen ..."']


SIGGEN_FIELDS = ["set 1021 1kHz", "set 1010 100kHz", "set 1011 21", "click 1161",
                 "set 1022 1V", "set 1023 100ohm"]
PULSE_FIELDS = ["set 1056 1V", "set 1019 1kHz", "set 1211 0.2V"]
# a (100,200) -R1- b -R2- c (300,200) -wire- (400,200) -wire- (500,200) -R4- d (600,200); C1 and
# Mu1 below b and c, R3 from (400,200) down to the pulse generator's e.
CHAIN_PASSIVE = (
    resistor("1kohm", 100, 200, 200, 200) + resistor("1kohm", 200, 200, 300, 200)
    + resistor("2.2kohm", 400, 200, 400, 300) + resistor("10kohm", 500, 200, 600, 200)
    + wires((300, 200, 400, 200), (400, 200, 500, 200))
    + part(5, 200, 200, 200, 300, dialog=202, fields=["set 1119 100nF"]) + ground(200, 300)
    + part(33, 300, 200, 300, 300, dialog=144) + ground(300, 300))
# SPICE's sources come free once SPICE is chosen, which needs its program set.
CHAIN_SOURCES = (
    home("spice") + [SPICE_ON]
    + part(34, 100, 200, 50, 200, dialog=145, fields=SIGGEN_FIELDS)
    + part(52, 400, 300, 450, 300, dialog=253, fields=PULSE_FIELDS)
    + part(38, 600, 200, 600, 300, dialog=153,
           fields=["click 1180", "set 1035 2V", "set 1036 20V", "set 1041 1V"])
    + ground(600, 300))
DRAW = {
    "A": (part(31, 200, 100, 300, 100) + wires((200, 100, 200, 200), (300, 100, 300, 200))
          + CHAIN_PASSIVE + CHAIN_SOURCES),
    # The data generator from (200,100) through 470 ohm to c; the oscilloscope, which opens
    # its window when placed, on (400,200).
    "B": (part(39, 200, 100, 150, 100, dialog=164,
               fields=[f"set 1063 {PATTERN}", "set 1062 10kBit/s", "set 1055 75ohm",
                       "set 1056 1V", "spin 1058 down", "spin 1058 down"])
          + CHAIN_PASSIVE + resistor("470ohm", 200, 100, 300, 100)
          + wires((300, 100, 300, 200)) + part(41, 400, 200, 400, 150, dialog=170)
          + CHAIN_SOURCES),
    # tape_rc.vqe's node of C, (400,100), on to (500,100): the oscilloscope, R2 to the signal
    # generator, R3 down to the pulse generator.
    "T": (["open tape_rc.vqe"] + wires((400, 100, 500, 100))
          + resistor("1kohm", 500, 100, 600, 100) + resistor("2.2kohm", 500, 100, 500, 200)
          + part(41, 500, 100, 500, 50, dialog=170) + home("spice") + [SPICE_ON]
          + part(34, 600, 100, 650, 100, dialog=145, fields=SIGGEN_FIELDS)
          + part(52, 500, 200, 550, 200, dialog=253, fields=PULSE_FIELDS)),
}
# A model library, and the diode from c, where the supply's 10 kohm ends, to ground.
ADD_DIODE = (home("spice") + [SPICE_ON, "element 50", "file two_roads.lib",
                              "drag 100 500 150 500"]
             + part(37, 500, 200, 500, 300, dialog=250, fields=["select 1205 DX"])
             + ground(500, 300))

# --- the runs ------------------------------------------------------------------------------


def readings():
    return ["dialog 243", "  show", "ok", "edit Mu1"]


def ui_operating_point(folder):
    return home(folder) + [SPICE_ON, "answer Yes", 'menu "Analyse/Spice Dc Op-Analyse..."',
                           "wait"] + readings()


def ui_small_signal(folder):
    return home(folder) + [SPICE_ON, "answer Yes", 'menu "Analyse/Spice Kleinsignal-Analyse ..."',
                           "wait"] + readings()


def ui_transient(folder, times=()):
    return home(folder) + [SPICE_ON, "dialog 256", *times, "ok",
                           'menu "Analyse/Spice Transient-Analyse..."', "wait"] + readings()


def ui_mean():
    """The readings dialog once more, showing the mean."""
    return ["dialog 243", "  click 1243", "  show", "ok", "edit Mu1"]


def ui_dc_sweep(folder):
    return home(folder) + [SPICE_ON, "dialog 255", "  select 1212 VDc1", "ok",
                           'menu "Analyse/Spice Dc Sweep..."', "wait"] + readings()


def ui_scope(points):
    """The oscilloscope's marker on each of its points in turn; steps past the last point
    show it again."""
    lines = ["dialog 170", "  click 1079"]
    for _ in range(points):
        lines += ["  screen", "  spin 1080 up"]
    return lines + ["ok", "edit Oszi1"]


def ui_specana(lines):
    """The spectrum analyser's marker on its first line, then on each of the next `lines`."""
    return (["dialog 167", "  click 1018", "  screen"] + ["  spin 1070 up", "  screen"] * lines
            + ["ok", "edit Spec1"])


UI_ANALYSER = [SPICE_OFF, "edit VNA1", "window 132", "  dialog FREQDIAG",
               "    set 2140 0.001MHz", "    set 2141 0.1MHz", "    set 2142 21",
               "    click 2144", "  ok",
               "  click 1019", "  click 1017", "  click 1023", "  clipboard vna.txt", "end"]


def ui_built_in(dialog, start, name, ticks, period):
    """Start in the generator's dialog, then the view's timer to the run's end; the netlist
    the run built is on the clipboard."""
    return [SPICE_OFF, f"dialog {dialog}", f"  click {start}", "end", f"edit {name}",
            "clipboard run.net", f"advance {period} {ticks}"]


LONG = 600  # marker steps: more than a transient's points
SPECTRUM_LINES = 12  # the transient's spectral lines read: DC and up to twice the sine's
SESSIONS = [
    ("A1", DRAW["A"] + ["save a.vqe"] + ui_small_signal("a_ac") + ui_transient("a_tran")
     + ui_dc_sweep("a_dc") + UI_ANALYSER + ui_built_in(145, 1020, "SigGen1", 22, 500)),
    ("A2", ["open a.vqe"] + ADD_DIODE + ["save ad.vqe"] + ui_dc_sweep("ad_dc")
     + ui_built_in(153, 3, "VDc1", 22, 500)),
    ("B1", DRAW["B"] + ["save b.vqe"] + ui_small_signal("b_ac") + ui_transient("b_tran")
     + ui_scope(LONG) + ui_dc_sweep("b_dc") + ui_built_in(145, 1020, "SigGen1", 22, 500)),
    ("B2", ["open b.vqe"] + ui_built_in(164, 1069, "DatG1", SAMPLES // 2 + 2, 10)
     + ui_scope(SAMPLES)),
    ("B3", ["open b.vqe"] + ADD_DIODE + ["save bd.vqe"] + ui_dc_sweep("bd_dc")
     + ui_built_in(153, 3, "VDc1", 22, 500)),
    ("T1", DRAW["T"] + ["save t.vqe"] + ui_small_signal("t_ac") + ui_transient("t_tran")
     + ui_scope(LONG) + ui_built_in(145, 1020, "SigGen1", 22, 500)),
    # Four halvings: 256 samples, 128 lines, one a millisecond.
    ("T2", ["open t.vqe", SPICE_OFF, "dialog 226"] + ["  spin 1058 down"] * 4
     + ["  click 1155", "end", "edit Tape1", f"advance 1 {TAPE_SAMPLES // 2 + 2}"]),
    # The script draws and saves bias.vqe (with the program in spice/) and runs its three
    # analyses; each is run again on the circuit opened anew, the spectrum analyser read apart.
    ("Q0", BIAS_SCRIPT.read_text().splitlines()),
    ("Q1", ["open bias.vqe"] + ui_operating_point("bias_op") + ui_small_signal("bias_ac")
     + ui_transient("bias_tran") + ui_scope(LONG)),
    ("Q2", ["open bias.vqe"] + ui_small_signal("bias_ac") + ui_specana(20)),
    ("Q3", ["open bias.vqe"] + ui_transient("bias_tran") + ui_specana(SPECTRUM_LINES - 1)),
    # The mixer's script draws and saves mixer.vqe and runs its three analyses (with the
    # program in spice/); each is run again on the circuit opened anew.
    ("M0", MIXER_SCRIPT.read_text().splitlines()),
    ("M1", ["open mixer.vqe"] + ui_transient("mixer_tran", MIXER_TIMES) + ui_mean()
     + ui_scope(LONG)),
    ("M2", ["open mixer.vqe"] + ui_transient("mixer_tran", MIXER_TIMES) + ui_specana(MIXER_LINES)),
    ("M3", ["open mixer.vqe"] + ui_small_signal("mixer_ac") + ui_dc_sweep("mixer_dc")),
]
# How many readings dialogs each session shows.
TABLES = {"A1": 3, "A2": 1, "B1": 3, "B3": 1, "T1": 2, "Q0": 3, "Q1": 3, "Q2": 1, "Q3": 1,
          "M0": 3, "M1": 2, "M2": 1, "M3": 2}

# --- playing and reading -------------------------------------------------------------------


def play(work, name, lines):
    (work / f"{name}.txt").write_text("\n".join(lines) + "\n")
    # The speaker's file goes to the drive root: the scratch folder.
    run = subprocess.run([CLI, "ui-script", f"{name}.txt"], cwd=work, capture_output=True,
                         text=True, timeout=120,
                         env=dict(os.environ, VOSTRANE_DRIVE_ROOT=str(work)))
    out = run.stdout
    # The analyser's data copy says where its results went; every other message is a fault.
    if run.returncode != 0 or re.search(r"Fehler|Achtung: (?!Resultate)|gesperrt|kein Element",
                                        out):
        raise RuntimeError(f"ui-script {name}: exit {run.returncode}\n{out[-2000:]}{run.stderr}")
    return out


def play_all(work):
    """Every session in turn; each one's MultiMeter.dat and clipboard netlist are kept under
    its name."""
    for name in ("tape_rc.vqe", "tape.wav"):
        shutil.copy(ROOT / "examples" / name, work)
    (work / "two_roads.lib").write_text(LIBRARY)
    shutil.copy(BIAS_LIBRARY, work)
    shutil.copy(MIXER_LIBRARY, work)
    for line in (text for _, lines in SESSIONS for text in lines):
        match = re.match(r"set 1206 (\w+)/VosSpice.exe", line)
        if match:
            shutil.copytree(ROOT / "tools/spice", work / match.group(1), dirs_exist_ok=True)
    outputs = {}
    for name, lines in SESSIONS:
        outputs[name] = play(work, name, lines)
        for kept, suffix in (("MultiMeter.dat", "dat"), ("run.net", "net")):
            if (work / kept).exists():
                (work / kept).rename(work / f"{name}.{suffix}")
        found = len(tables(outputs[name]))
        if found != TABLES.get(name, 0):
            raise RuntimeError(f"{name}: {found} readings dialogs, not {TABLES.get(name, 0)}")
    return outputs


def marker_points(out):
    """The oscilloscope's marker read-outs: (time text, voltage text) per screen."""
    return re.findall(r"^(\S+Sec)\t\d+\t\d+\n(\S+V)\t\d+\t\d+$", out, re.MULTILINE)


def logged(work, session):
    return (work / f"{session}.dat").read_text().split()


def node_map(cir, elements):
    """The SPICE netlist's node numbers named as the deck names them, through the names of
    the elements both write."""
    ours = {}
    for kind, name, *rest in elements:
        if kind in ("R", "C"):
            ours[name] = rest[:2]
        elif kind == "meter":
            ours["R" + name] = [rest[0], "0"]
    mapping = {"0": "0"}
    for line in cir:
        words = line.split()
        if words and words[0] in ours:
            for number, node in zip(words[1:3], ours[words[0]]):
                if mapping.setdefault(number, node) != node:
                    raise RuntimeError(f"node {number} is {mapping[number]} and {node}: {line}")
    return mapping


# --- the hand-written deck -----------------------------------------------------------------


def source_of(element):
    """A generator's source in the deck while it drives."""
    kind, name, *rest = element
    if kind == "siggen":
        return f"AC {rest[2]!r}"
    if kind == "pulse":
        return f"SIN({rest[1]!r} {rest[2]!r} {rest[3]!r})"
    if kind == "datagen":
        return pwl(rest[2])
    return "DC 0"


def deck(elements, road, card, running=None, source=None, ports=None):
    """An ngspice deck of the elements as `road` ("built-in" or "SPICE") models them:
    `running` names the generator that drives (by `source`, else its own), every other
    generator is 0 V behind its resistance, but in a SPICE transient every pulse and data
    generator drives its own waveform; a supply holds its value (a ".dc" card sweeps it);
    `ports` (analyser, driven port) puts the analyser's ports in, the driven one a 1 V source
    behind 50 ohm."""
    built_in = road == "built-in"
    in_time = not built_in and card.lower().startswith(".tran")
    lines = [f"* two roads: the {road} road's deck"]
    for element in elements:
        kind, name, *rest = element
        drive = "DC 0"
        if name == running:
            drive = source or source_of(element)
        elif in_time and kind in ("pulse", "datagen"):
            drive = source_of(element)
        if kind in ("R", "C"):
            lines.append(f"{name} {rest[0]} {rest[1]} {rest[2]!r}")
            if kind == "C" and not built_in:
                lines.append(f"R{name} {rest[0]} {rest[1]} 1e9")
        elif kind in ("meter", "scope"):
            lines.append(f"R{name} {rest[0]} 0 1e6")
        elif kind == "specana":
            lines.append(f"R{name} {rest[0]} 0 50")
        elif kind in ("siggen", "datagen", "tape"):
            lines += [f"V{name} {name}_i 0 {drive}", f"R{name} {rest[0]} {name}_i {rest[1]!r}"]
        elif kind == "pulse":
            lines.append(f"V{name} {rest[0]} 0 {drive}")
        elif kind == "supply":
            inner = f"{name}_i" if built_in else "0"
            lines.append(f"V{name} {rest[0]} {inner} DC {rest[2]!r}")
            if built_in:
                lines.append(f"R{name} {inner} 0 {rest[1]!r}")
        elif kind == "vna":
            driven = ports[1] if ports and ports[0] == name else 0
            for k, node in ((1, rest[0]), (2, rest[1])):
                if k == driven:
                    lines += [f"V{name}_{k} {name}_{k} 0 DC 0 AC 1",
                              f"R{name}_{k} {node} {name}_{k} 50"]
                else:
                    lines.append(f"R{name}_{k} {node} 0 50")
        elif kind == "diode":
            model = rest[2] if len(rest) > 2 else LIBRARY.splitlines()[1]
            lines += [f"{name} {rest[0]} {rest[1]} {model.split()[1]}", model,
                      f".save all @{name}[id]"]
        elif kind == "npn":
            model = next(line for line in BIAS_LIBRARY.read_text().splitlines()
                         if line.upper().startswith(".MODEL"))
            lines += [f"{name} {rest[0]} {rest[1]} {rest[2]} {model.split()[1]}", model]
    if built_in:
        # The built-in diode's 25 mV without GMIN; its Newton steps go to the end.
        lines += [f".options temp={BUILT_IN_TEMP} tnom={BUILT_IN_TEMP}",
                  ".options reltol=1e-9 vntol=1e-12 abstol=1e-18 gmin=1e-30"]
    return "\n".join(lines + [card, ".end"]) + "\n"


def ngspice(work, name, text):
    """ngspice on the deck: its scale, and its vectors by name (node voltages by node)."""
    folder = work / "hand"
    folder.mkdir(exist_ok=True)
    (folder / f"{name}.cir").write_text(text)
    run = subprocess.run(["ngspice", "-b", "-r", f"{name}.raw", f"{name}.cir"], cwd=folder,
                         env=dict(os.environ, SPICE_ASCIIRAWFILE="1"), capture_output=True,
                         text=True, timeout=60)
    log = run.stdout + run.stderr
    if run.returncode != 0 or re.search(r"warning|error", log, re.IGNORECASE):
        raise RuntimeError(f"ngspice on {name}.cir:\n{log[-2000:]}")
    vectors = {}
    for key, values in read_raw(folder / f"{name}.raw").items():
        key = key.lower()
        vectors[key[2:-1] if key.startswith("v(") else key] = numpy.array(values)
    return numpy.real(next(iter(vectors.values()))), vectors


def pwl(amplitude):
    """The pattern with edges of a tenth of a bit, rising ones from a bit's start, falling
    ones to its end, 0 V around it."""
    tb = 1.0 / BIT_RATE
    bits = [0] + [int(b) for b in PATTERN] + [0]
    points = [(0.0, 0.0)]
    for k in range(len(PATTERN) + 1):
        before, after = bits[k], bits[k + 1]
        if after and not before:
            points += [(k * tb, 0.0), (k * tb + tb / 10, amplitude)]
        elif before and not after:
            points += [(k * tb - tb / 10, amplitude), (k * tb, 0.0)]
    unique = [p for i, p in enumerate(points) if i == 0 or p != points[i - 1]]
    return "PWL(" + " ".join(f"{t!r} {v!r}" for t, v in unique) + ")"


def pattern_samples(amplitude):
    return numpy.repeat([amplitude * int(b) for b in PATTERN], SAMPLES // len(PATTERN))


def tape_samples(amplitude):
    with wave.open(str(ROOT / "examples/tape.wav"), "rb") as w:
        data = numpy.frombuffer(w.readframes(TAPE_SAMPLES), dtype=numpy.uint8).astype(float)
    return (data - 128) * amplitude / max(data.max() - 128, 128 - data.min())


# --- comparing -----------------------------------------------------------------------------


def half_step(x):
    """Half a unit of the 4th significant digit of printed numbers."""
    x = numpy.abs(numpy.asarray(x, dtype=float))
    exponent = numpy.floor(numpy.log10(numpy.where(x > 0, x, 1.0)))
    return numpy.where(x > 0, 0.5 * 10.0 ** (exponent - 3), 0.0)


class Report:
    def __init__(self):
        self.rows = []  # (what, points, worst, precision, verdict)
        self.failures = []

    def check(self, what, curves, precision="1e-4"):
        """Each curve (got, want, printed rounding) point by point within FULL relative plus
        the rounding; the floor near zero is FULL of the curve's largest magnitude."""
        worst, count, bad = 0.0, 0, []
        for got, want, rounding in curves:
            got, want = numpy.asarray(got), numpy.asarray(want)
            if got.shape != want.shape or got.size == 0:
                return self.fail(what, f"{got.shape} values against {want.shape}")
            floor = FULL * numpy.max(numpy.abs(want)) + 1e-15
            diff = numpy.abs(got - want)
            worst = max(worst, float(numpy.max(diff / numpy.maximum(numpy.abs(want), floor))))
            over = numpy.flatnonzero(diff > (FULL * numpy.abs(want) + floor + rounding)
                                     * (1 + 1e-9))
            bad += [f"point {count + i}: {got.flat[i]:.6g} against {want.flat[i]:.6g}"
                    for i in over[:1]]
            count += got.size
        self.rows.append((what, count, worst, precision, "FAIL" if bad else "ok"))
        if bad:
            self.failures.append(f"{what}: {bad[0]}")

    def printed(self, what, texts, want):
        values = numpy.array([amount(t) for t in texts])
        self.check(what, [(values, want, half_step(values))], "4 digits")

    def diode(self, what, got, want):
        got, want = numpy.asarray(got), numpy.asarray(want)
        if got.shape != want.shape or got.size == 0:
            return self.fail(what, f"{got.shape} values against {want.shape}")
        worst = float(numpy.max(numpy.abs(got - want)))
        ok = worst <= DIODE_VOLTS
        self.rows.append((what, got.size, worst, "1 mV", "ok" if ok else "FAIL"))
        if not ok:
            self.failures.append(f"{what}: {worst * 1e3:.3g} mV apart")

    def fail(self, what, error):
        self.rows.append((what, 0, float("nan"), "-", "FAIL"))
        self.failures.append(f"{what}: {error}")

    def show(self):
        width = max(len(r[0]) for r in self.rows)
        print(f"{'compared with ngspice':{width}}  points  worst diff  limit")
        for what, points, worst, precision, verdict in self.rows:
            unit = " V" if precision == "1 mV" else "  "
            print(f"{what:{width}}  {points:6d}  {worst:8.2e}{unit}  {precision:8s}  {verdict}")
        for precision, name in (("1e-4", "full precision"), ("4 digits", "printed")):
            worst = [r[2] for r in self.rows if r[3] == precision]
            if worst:
                print(f"worst relative difference, {name}: {max(worst):.2e}")


def check_road(report, label, work, folder, stem, elements, scale, nodes, table, node):
    """A SPICE run: its readings table (abscissa and meter) and every node of its raw file
    against the deck's `nodes` over `scale`; returns the run's scale and its {node: (road,
    deck)}."""
    cir = (work / folder / f"{stem}.cir").read_text().splitlines()
    raw = read_raw(work / folder / "rawspice.raw")
    road_scale = numpy.real(numpy.array(next(iter(raw.values()))))
    same = len(road_scale) == len(scale) and numpy.max(numpy.abs(road_scale - scale)) <= \
        1e-9 * numpy.max(numpy.abs(scale))
    pairs = {}
    for number, name in node_map(cir, elements).items():
        if name != "0" and f"V({number})" in raw:
            ours = nodes[name]
            # A transient of other steps: the deck's curve between its points.
            pairs[name] = (numpy.array(raw[f"V({number})"]),
                           ours if same else numpy.interp(road_scale, scale, ours.real))
    reference = pairs[node][1]
    report.printed(f"{label}: readings", [row[1] for row in table],
                   numpy.abs(reference) if numpy.iscomplexobj(reference) else reference)
    check_abscissa(report, f"{label}: readings' abscissa", [row[0] for row in table],
                   road_scale)
    report.check(f"{label}: raw file, {len(pairs)} nodes",
                 [(got, ours, 0.0) for got, ours in pairs.values()])
    return road_scale, pairs


def check_abscissa(report, what, texts, want):
    got = numpy.array([amount(t) for t in texts])
    if got.shape != want.shape or numpy.any(numpy.abs(got - want) > half_step(got) * 1.001
                                            + 1e-15):
        report.fail(what, f"{texts[:3]} ... against {want[:3]}")


def signal_generator(report, work, circuit, table, node):
    elements = CIRCUITS[circuit]
    stem = circuit.lower()
    f, v = ngspice(work, f"{stem}_ac", deck(elements, "SPICE", SMALL_SIGNAL, "SigGen1"))
    check_road(report, f"{circuit} signal generator, SPICE", work, f"{stem}_ac", stem, elements,
               f, v, table, node)
    _, v = ngspice(work, f"{stem}_ac_built_in",
                   deck(elements, "built-in", SMALL_SIGNAL, "SigGen1"))
    report.printed(f"{circuit} signal generator, built-in: MultiMeter.dat",
                   logged(work, f"{circuit}1"), numpy.abs(v[node]))


def transient(report, work, outputs, circuit, table, node, name, card, source=None):
    """The transient's run against its deck; returns the run's times and its {node: (road,
    deck)}."""
    elements = CIRCUITS[circuit]
    stem = STEMS.get(circuit, circuit.lower())
    t, v = ngspice(work, f"{stem}_tran", deck(elements, "SPICE", card, name, source))
    label = f"{circuit} {'data' if name.startswith('DatG') else 'pulse'} generator, SPICE"
    times, pairs = check_road(report, label, work, f"{stem}_tran", stem, elements, t, v, table,
                              node)
    if any(e[1] == "Oszi1" for e in elements):
        shown = marker_points(outputs[f"{circuit}1"])[: len(times)]
        report.printed(f"{label}: oscilloscope", [p[1] for p in shown], pairs[node][1])
        check_abscissa(report, f"{label}: oscilloscope's times", [p[0] for p in shown], times)
    return times, pairs


def operating_point(report, label, work, stem, elements, want, table, node):
    """The operating point's reading and every node of its raw file against the deck's."""
    cir = (work / f"{stem}_op" / f"{stem}.cir").read_text().splitlines()
    raw = read_raw(work / f"{stem}_op" / "rawspice.raw")
    pairs = [(numpy.array(raw[f"V({number})"]), want[name], 0.0)
             for number, name in node_map(cir, elements).items()
             if name != "0" and f"V({number})" in raw]
    report.printed(f"{label}: reading", [row[1] for row in table], want[node])
    report.check(f"{label}: raw file, {len(pairs)} nodes", pairs)


def specana(report, what, out, frequencies, amplitudes):
    """The spectrum analyser's marker read-outs (dBmV of the lines' amplitudes) against the
    deck's amplitudes at the lines' frequencies."""
    shown = readouts(out)
    if len(shown) != len(frequencies) or any(unit != "dBmV" for _, _, unit in shown):
        return report.fail(what, f"{len(shown)} read-outs {shown[:2]} ... against "
                                 f"{len(frequencies)} lines")
    got_f = numpy.array([f for f, _, _ in shown])
    levels = numpy.array([level for _, level, _ in shown])
    got = 1e-3 * 10.0 ** (levels / 20)
    rounding = got * (10.0 ** (half_step(levels) / 20) - 1)
    report.check(what, [(got, amplitudes, rounding)], "4 digits")
    if numpy.any(numpy.abs(got_f - frequencies) > half_step(got_f) * 1.001 + 1e-9):
        report.fail(f"{what}: frequencies", f"{got_f[:3]} ... against {frequencies[:3]}")


def biased_stage(report, work, outputs):
    """The common-emitter stage: its script's readings, then each analysis of the circuit
    opened again, with the bias on in the deck as in the road."""
    elements = CIRCUITS["Q"]
    _, op = ngspice(work, "bias_op", deck(elements, "SPICE", ".op"))
    f, ac = ngspice(work, "bias_ac", deck(elements, "SPICE", SMALL_SIGNAL, "SigGen1"))
    drawn = tables(outputs["Q0"])
    report.printed("Q script: operating point", [row[1] for row in drawn[0]], op["c"])
    report.printed("Q script: small signal", [row[1] for row in drawn[1]], numpy.abs(ac["c"]))
    check_abscissa(report, "Q script: small signal's abscissa", [row[0] for row in drawn[1]], f)
    op_table, ac_table, tran_table = tables(outputs["Q1"])
    operating_point(report, "Q operating point, SPICE", work, "bias", elements, op, op_table,
                    "c")
    check_road(report, "Q signal generator, SPICE", work, "bias_ac", "bias", elements, f, ac,
               ac_table, "c")
    specana(report, "Q signal generator, SPICE: spectrum analyser", outputs["Q2"], f,
            numpy.abs(ac["o"]))
    times, pairs = transient(report, work, outputs, "Q", tran_table, "c", "ImpGen1",
                             ".tran 50u 5m 0 50u")
    samples, dt = resampled(pairs["o"][1], times)
    lines = numpy.fft.fft(samples)[:SPECTRUM_LINES] / len(samples)
    lines[1:] *= 2
    specana(report, "Q pulse generator, SPICE: spectrum analyser", outputs["Q3"],
            numpy.arange(SPECTRUM_LINES) / (len(samples) * dt), numpy.abs(lines))


def mixer(report, work, outputs):
    """The diode mixer: its script's readings, then each analysis of the circuit opened again,
    both pulse generators driving the transient and 0 V in the small signal and the sweep."""
    elements = CIRCUITS["M"]
    t, tran = ngspice(work, "mixer_tran", deck(elements, "SPICE", MIXER_TRANSIENT, "ImpGen1"))
    f, ac = ngspice(work, "mixer_ac", deck(elements, "SPICE", SMALL_SIGNAL, "SigGen1"))
    s, dc = ngspice(work, "mixer_dc", deck(elements, "SPICE", MIXER_SWEEP, "VDc1"))
    drawn = tables(outputs["M0"])
    for (what, want, scale), rows in zip((("transient", tran["if"], t),
                                          ("small signal", numpy.abs(ac["if"]), f),
                                          ("DC sweep", dc["if"], s)), drawn):
        if len(rows) != len(want):
            # A transient of other steps: the deck's curve between its points.
            want = numpy.interp([amount(row[0]) for row in rows], scale, want)
        report.printed(f"M script: {what}", [row[1] for row in rows], want)
    tran_table, mean_table = tables(outputs["M1"])
    times, pairs = transient(report, work, outputs, "M", tran_table, "if", "ImpGen1",
                             MIXER_TRANSIENT)
    road, ours = pairs["if"]
    report.printed("M pulse generators, SPICE: mean over time", [mean_table[0][0].split()[-1]],
                   [time_mean(ours, times)])
    got = amount(mean_table[0][0].split()[-1])
    want = time_mean(road, times)
    if abs(got - want) > 0.01 * abs(want):
        report.fail("M pulse generators, SPICE: mean against the raw file",
                    f"{got:.6g} against {want:.6g}")
    samples, dt = resampled(pairs["o"][1], times)
    lines = numpy.fft.fft(samples)[:MIXER_LINES + 1] / len(samples)
    lines[1:] *= 2
    specana(report, "M pulse generators, SPICE: spectrum analyser", outputs["M2"],
            numpy.arange(MIXER_LINES + 1) / (len(samples) * dt), numpy.abs(lines))
    ac_table, dc_table = tables(outputs["M3"])
    check_road(report, "M signal generator, SPICE", work, "mixer_ac", "mixer", elements, f, ac,
               ac_table, "if")
    check_road(report, "M supply, SPICE", work, "mixer_dc", "mixer", elements, s, dc, dc_table,
               "if")


def supply(report, work, circuit, table, node):
    elements = CIRCUITS[circuit]
    stem = circuit.lower()
    s, v = ngspice(work, f"{stem}_dc", deck(elements, "SPICE", SWEEP, "VDc1"))
    check_road(report, f"{circuit} supply, SPICE", work, f"{stem}_dc", stem, elements, s, v,
               table, node)


def supply_with_diode(report, work, outputs, circuit, session):
    elements = CIRCUITS[circuit] + DIODE
    stem = f"{circuit.lower()}d"
    label = f"{circuit}+diode supply"
    s, v = ngspice(work, f"{stem}_dc", deck(elements, "SPICE", SWEEP, "VDc1"))
    check_road(report, f"{label}, SPICE", work, f"{stem}_dc", stem, elements, s, v,
               tables(outputs[session])[0], "c")
    _, v = ngspice(work, f"{stem}_dc_built_in", deck(elements, "built-in", SWEEP, "VDc1"))
    report.printed(f"{label}, built-in: MultiMeter.dat", logged(work, session), v["c"])
    # Per step: the supply's voltage, the diode's voltage and current.
    out = subprocess.run([CLI, "simulate", f"{session}.net"], cwd=work, capture_output=True,
                         text=True, check=True).stdout
    rows = numpy.array([[float(x) for x in line.split()] for line in out.splitlines()
                        if line.strip() and not line.startswith("*")])
    report.diode(f"{label}, built-in: simulate, diode", rows[:, 1], v["c"])
    report.check(f"{label}, built-in: simulate, diode current",
                 [(rows[:, 2], v["i(@d1[id])"], 0.0)])


def analyser(report, work):
    """The data copy (frequency in GHz, then magnitude and phase of S11, S12, S21, S22)
    against two decks, each with one port driven."""
    elements = CIRCUITS["A"]
    _, name, p1, p2 = elements[0]
    driven = [ngspice(work, f"vna{k}", deck(elements, "built-in", ANALYSER, ports=(name, k)))
              for k in (1, 2)]
    f = driven[0][0]
    one, two = driven[0][1], driven[1][1]
    want = [2 * one[p1] - 1, 2 * two[p1], 2 * one[p2], 2 * two[p2] - 1]
    rows = numpy.array([[float(x) for x in line.split("\t")]
                        for line in (work / "vna.txt").read_text().splitlines()
                        if line.strip() and not line.startswith("*")])
    magnitude, phase = rows[:, 1::2], rows[:, 2::2]
    got = magnitude * numpy.exp(1j * numpy.radians(phase))
    rounding = (half_step(magnitude)
                + (magnitude + half_step(magnitude)) * numpy.radians(half_step(phase)))
    check_abscissa(report, "A analyser: frequencies", [f"{g}GHz" for g in rows[:, 0]], f)
    report.check("A analyser, built-in: S11 S12 S21 S22",
                 [(got[:, i], want[i], rounding[:, i]) for i in range(4)], "4 digits")


def spectral_run(report, work, outputs, circuit, name, samples, rate, session, node):
    """A built-in run of the samples' lines X: the meter's |H X| at the lines fed, and where
    an oscilloscope is read, its samples."""
    elements = CIRCUITS[circuit]
    x = numpy.fft.fft(samples)[: len(samples) // 2] / len(samples)
    df = rate / len(samples)
    _, v = ngspice(work, f"{circuit.lower()}_lines",
                   deck(elements, "built-in", f".ac lin {len(x)} 0 {(len(x) - 1) * df!r}", name,
                        "AC 1"))
    y = v[node] * x
    label = f"{circuit} {'data generator' if circuit == 'B' else 'audio source'}, built-in"
    texts = logged(work, session)
    # A line of exactly nothing is not fed, so not read: which ones are is rounding's matter.
    fed = numpy.abs(x) > (1e-12 * numpy.max(numpy.abs(x)) if len(texts) < len(x) else -1.0)
    report.printed(f"{label}: MultiMeter.dat", texts, numpy.abs(y[fed]))
    shown = marker_points(outputs[session])
    if shown:
        report.printed(f"{label}: oscilloscope", [p[1] for p in shown], hermitian_inverse(y))
        check_abscissa(report, f"{label}: oscilloscope's times", [p[0] for p in shown],
                       numpy.arange(len(samples)) / rate)


def compare(report, work, outputs):
    a, b, t = (tables(outputs[s]) for s in ("A1", "B1", "T1"))
    pattern_volts = CIRCUITS["B"][0][4]
    tape_volts = CIRCUITS["T"][0][4]
    tb = 1.0 / BIT_RATE
    pattern_card = f".tran {tb / 20!r} {(len(PATTERN) + 1) * tb!r} 0 {tb / 20!r}"
    sine_card = ".tran 50u 5m 0 50u"  # five periods of the pulse generator's 1 kHz
    steps = [
        lambda: analyser(report, work),
        lambda: signal_generator(report, work, "A", a[0], "c"),
        lambda: transient(report, work, outputs, "A", a[1], "c", "ImpGen1", sine_card),
        lambda: supply(report, work, "A", a[2], "c"),
        lambda: supply_with_diode(report, work, outputs, "A", "A2"),
        lambda: signal_generator(report, work, "B", b[0], "c"),
        lambda: transient(report, work, outputs, "B", b[1], "c", "DatG1", pattern_card,
                          pwl(pattern_volts)),
        lambda: supply(report, work, "B", b[2], "c"),
        lambda: spectral_run(report, work, outputs, "B", "DatG1", pattern_samples(pattern_volts),
                             BIT_RATE * SAMPLES / len(PATTERN), "B2", "c"),
        lambda: supply_with_diode(report, work, outputs, "B", "B3"),
        lambda: signal_generator(report, work, "T", t[0], "o"),
        lambda: transient(report, work, outputs, "T", t[1], "o", "ImpGen1", sine_card),
        lambda: spectral_run(report, work, outputs, "T", "Tape1", tape_samples(tape_volts),
                             TAPE_RATE, "T2", "o"),
        lambda: biased_stage(report, work, outputs),
        lambda: mixer(report, work, outputs),
    ]
    for step in steps:
        try:
            step()
        except (RuntimeError, ValueError, KeyError, IndexError, OSError,
                subprocess.SubprocessError) as error:
            report.fail("a comparison", error)


def main():
    global CLI
    CLI = str(pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else
                           ROOT / "build/release/app/cli/vostrane-cli").resolve())
    report = Report()
    with tempfile.TemporaryDirectory() as folder:
        work = pathlib.Path(folder)
        try:
            compare(report, work, play_all(work))
        except (RuntimeError, OSError, subprocess.SubprocessError) as error:
            report.fail("the sessions", error)
    report.show()
    for failure in report.failures:
        print(failure, file=sys.stderr)
    return 1 if report.failures else 0


if __name__ == "__main__":
    sys.exit(main())
