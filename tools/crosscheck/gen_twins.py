#!/usr/bin/python3
"""Writes the netlist/SPICE twins of the lumped cross-check circuits.

Each circuit below becomes circuits/NAME.net (the workbench's netlist) and circuits/NAME.cir
(an ngspice deck of the same circuit that writes its S parameters to result.txt). The models'
values are read in single precision, so the SPICE values are derived from the float32 values
the workbench reads, with the workbench's own formulas for the derived elements.

Two-ports run ngspice's `sp` analysis with one port source per port; one-ports, which `sp`
cannot run, use `ac` with a source resistor equal to the reference: S11 = 2 V(port)/V(src) - 1.

Run with Debian's /usr/bin/python3 (numpy installed) from the repository root; the output is
committed, run.py compares the twins.
"""

import math
import pathlib
import re

import numpy as np

OUT = pathlib.Path(__file__).resolve().parent / "circuits"

PREFIX = {"T": 1e12, "G": 1e9, "M": 1e6, "K": 1e3, "k": 1e3, "m": 1e-3, "u": 1e-6,
          "n": 1e-9, "p": 1e-12, "f": 1e-15}
TWO_PI = 6.28318530717958  # as the models derive their parasitics
PI = 3.14159265358979


def value(text, unit=""):
    """The float32 number the workbench reads from a value text such as 12.88nH."""
    number, prefix = re.fullmatch(r"([-+0-9.]+)([A-Za-z]?)" + re.escape(unit), text).groups()
    factor = np.float32(PREFIX[prefix]) if prefix else np.float32(1.0)
    return float(np.float32(np.float32(float(number)) * factor))


def s(x):
    return repr(float(x))


class Deck:
    """The SPICE lines of one circuit, with fresh internal node names."""

    def __init__(self):
        self.lines = []
        self.count = 0

    def node(self):
        self.count += 1
        return f"x{self.count}"

    def add(self, kind, a, b, v):
        self.count += 1
        self.lines.append(f"{kind}{self.count} {a} {b} {s(v)}")


def spice_element(deck, keyword, a, b, keys):
    """Expands one lumped element between nodes a and b into SPICE primitives."""
    if keyword == "RES":
        r = value(keys["R"], "ohm")
        if r == 0 and "LS" not in keys and "CP" not in keys:
            # A source of 0 V: an exact short in ngspice's own equations.
            deck.add("V", a, b, 0.0)
            return
        if "LS" in keys:
            m = deck.node()
            deck.add("R", a, m, r)
            deck.add("L", m, b, value(keys["LS"], "H"))
        else:
            deck.add("R", a, b, r)
        if "CP" in keys:
            deck.add("C", a, b, value(keys["CP"], "F"))
    elif keyword == "CAP":
        c = value(keys["C"], "F")
        if "FS" not in keys:
            deck.add("C", a, b, c)
            return
        ws = value(keys["FS"], "Hz") * TWO_PI
        qm = float(np.float32(float(keys["QM"])))
        ls, gp, rs = 1 / (ws * (ws * c)), 0.5 * (ws * c) / qm, 1 / ((ws * c) * 2 * qm)
        m1, m2 = deck.node(), deck.node()
        deck.add("L", a, m1, ls)
        deck.add("R", m1, m2, rs)
        deck.add("C", m2, b, c)
        deck.add("R", m2, b, 1 / gp)
    elif keyword == "IND":
        l = value(keys["L"], "H")
        rs = 0.001
        if "FP" in keys:
            wp = value(keys["FP"], "Hz") * TWO_PI
            qm = float(np.float32(float(keys["QM"])))
            cp, rs, gp = 1 / (wp * (wp * l)), 0.5 * (wp * l) / qm, 1 / ((wp * l) * 2 * qm)
            deck.add("C", a, b, cp)
            deck.add("R", a, b, 1 / gp)
        m = deck.node()
        deck.add("L", a, m, l)
        deck.add("R", m, b, rs)
    elif keyword in ("SRLC", "PRLC", "QUARZ"):
        f0 = value(keys["F0" if keyword != "QUARZ" else "FS"], "Hz")
        zk = value(keys["ZK"], "ohm")
        q = float(np.float32(float(keys["Q"])))
        l, c = zk / (2 * math.pi * f0), 1 / (2 * math.pi * f0 * zk)
        if keyword == "PRLC":
            deck.add("R", a, b, q * zk)
            deck.add("L", a, b, l)
            deck.add("C", a, b, c)
            return
        m1, m2 = deck.node(), deck.node()
        deck.add("R", a, m1, zk / q)
        deck.add("L", m1, m2, l)
        deck.add("C", m2, b, c)
        if keyword == "QUARZ":
            deck.add("C", a, b, 1 / (2 * math.pi * (zk + zk) * value(keys["FD"], "Hz")))
    else:
        raise ValueError(keyword)


def parse_keys(text):
    return dict(re.findall(r"(\w+) = (\S+)", text))


def spice_lines(deck, elements, subckts, ground="0"):
    """Element lines: (keyword, node text, key text) or a sub-circuit instance; node 0 is
    written as `ground` (a sub-circuit's reference pin)."""
    for keyword, nodes, rest in elements:
        numbers = [ground if n == "0" else n for n in nodes.split()]
        if keyword in subckts:
            # Two port nodes above ground, or two pairs with a common reference.
            pins = numbers + [ground] if len(numbers) == 2 else [numbers[0], numbers[2], numbers[1]]
            deck.count += 1
            deck.lines.append(f"X{deck.count} {' '.join(pins)} {keyword}")
        elif keyword == "KTE":
            a, b, c = numbers
            for p, q in ((a, b), (a, c), (b, c)):
                deck.add("R", p, q, 0.01)
        else:
            a, b = (numbers + [ground])[:2]
            spice_element(deck, keyword, a, b, parse_keys(rest))


def write(name, title, ports, refs, sweep, elements, subckts=None):
    """ports: [(plus, minus)] of the top network; refs: reference resistances (ohm texts);
    sweep: (start, count, stop) texts; elements: (keyword, nodes, keys)."""
    subckts = subckts or {}
    net = [f"* {title}", "FREQ", f"FSTEP {sweep[0]} {sweep[1]} {sweep[2]}", "END", "OUT", "S",
           "END"]
    for sub, (sub_ports, sub_elements) in subckts.items():
        net += ["BLK", f"{sub}: 2POR {sub_ports} RG1 = 50ohm RG2 = 50ohm"]
        net += [f"{k} {n} {r}".rstrip() for k, n, r in sub_elements] + ["END"]
    port_nodes = " ".join(f"{p} {m}" if m else f"{p}" for p, m in ports)
    rg = " ".join(f"RG{k + 1} = {r}" for k, r in enumerate(refs))
    net += ["BLK", f"TOP: {len(ports)}POR {port_nodes} {rg}"]
    net += [f"{k} {n} {r}".rstrip() for k, n, r in elements] + ["END"]
    (OUT / f"{name}.net").write_text("\n".join(net) + "\n")

    deck = Deck()
    cir = [f"* {title}"]
    for sub, (sub_ports, sub_elements) in subckts.items():
        p1, p2 = sub_ports.split()
        inner = Deck()
        spice_lines(inner, sub_elements, {}, "ref")
        cir.append(f".subckt {sub} {p1} {p2} ref")
        cir += inner.lines + [".ends"]
    spice_lines(deck, elements, subckts)
    cir += deck.lines
    start, count, stop = value(sweep[0], "Hz"), int(sweep[1]), value(sweep[2], "Hz")
    z = [value(r, "ohm") for r in refs]
    control = [".control", "set wr_singlescale", "set wr_vecnames"]
    if len(ports) == 1:
        plus, minus = ports[0]
        cir += [f"VS src {minus or 0} dc 0 ac 1", f"RS src {plus} {s(z[0])}"]
        ratio = f"(v({plus})-v({minus}))/(v(src)-v({minus}))" if minus else f"v({plus})/v(src)"
        control += [f"ac lin {count} {s(start)} {s(stop)}", f"let s11 = 2*{ratio} - 1",
                    "wrdata result.txt s11"]
    else:
        for k, (plus, _) in enumerate(ports):
            cir.append(f"VP{k + 1} {plus} 0 dc 0 ac 1 portnum {k + 1} z0 {s(z[k])}")
        control += [f"sp lin {count} {s(start)} {s(stop)} 0",
                    "wrdata result.txt s_1_1 s_2_1 s_1_2 s_2_2"]
    cir += control + [".endc", ".end"]
    (OUT / f"{name}.cir").write_text("\n".join(cir) + "\n")


def ladder(sections, c, l):
    """Low-pass LC ladder: shunt C at every node 1..sections+1, series L between them."""
    elements = []
    for k in range(1, sections + 1):
        elements.append(("CAP", f"{k} 0", f"C = {c}"))
        elements.append(("IND", f"{k} {k + 1}", f"L = {l}"))
    elements.append(("CAP", f"{sections + 1} 0", f"C = {c}"))
    return elements


def main():
    OUT.mkdir(exist_ok=True)
    for old in OUT.glob("*"):
        old.unlink()
    ghz = ("100MHz", "60", "3GHz")
    write("lowpass5", "Butterworth low-pass, fifth order, 1 GHz", [("1", None), ("3", None)],
          ["50ohm", "50ohm"], ghz,
          [("CAP", "1 0", "C = 1.967pF"), ("IND", "1 2", "L = 12.88nH"),
           ("CAP", "2 0", "C = 6.366pF"), ("IND", "2 3", "L = 12.88nH"),
           ("CAP", "3 0", "C = 1.967pF")])
    write("highpass3", "T high-pass, third order, 1 GHz", [("1", None), ("3", None)],
          ["50ohm", "50ohm"], ghz,
          [("CAP", "1 2", "C = 1.592pF"), ("IND", "2 0", "L = 3.979nH"),
           ("CAP", "2 3", "C = 1.592pF")])
    write("ladder20", "LC ladder of 20 sections", [("1", None), ("21", None)],
          ["50ohm", "50ohm"], ("10MHz", "101", "2GHz"), ladder(20, "2pF", "5nH"))
    write("rc_ladder", "RC ladder of 8 sections", [("1", None), ("9", None)],
          ["50ohm", "50ohm"], ("1MHz", "51", "1GHz"),
          [e for k in range(1, 9) for e in
           (("RES", f"{k} {k + 1}", "R = 22ohm"), ("CAP", f"{k + 1} 0", "C = 4.7pF"))])
    write("lowpass_unequal", "Low-pass matching 50 ohm to 100 ohm", [("1", None), ("3", None)],
          ["50ohm", "100ohm"], ghz,
          [("IND", "1 2", "L = 5.6nH"), ("CAP", "2 0", "C = 2.2pF"),
           ("IND", "2 3", "L = 8.2nH"), ("CAP", "3 0", "C = 1.2pF")])
    write("pi_attenuator", "Resistive pi pad between 50 ohm and 75 ohm",
          [("1", None), ("2", None)], ["50ohm", "75ohm"], ("10MHz", "11", "1GHz"),
          [("RES", "1 0", "R = 120ohm"), ("RES", "1 2", "R = 43ohm"),
           ("RES", "2 0", "R = 220ohm")])
    write("bridged_t", "Bridged-T notch", [("1", None), ("2", None)], ["50ohm", "50ohm"],
          ("100MHz", "81", "2GHz"),
          [("CAP", "1 3", "C = 2pF"), ("CAP", "3 2", "C = 2pF"), ("RES", "1 2", "R = 200ohm"),
           ("IND", "3 0", "L = 6.8nH")])
    write("bridge_oneport", "Bridge with a detector between its inner nodes", [("1", None)],
          ["50ohm"], ("100MHz", "61", "3GHz"),
          [("RES", "1 2", "R = 33ohm"), ("CAP", "1 3", "C = 1.5pF"), ("IND", "2 0", "L = 4.7nH"),
           ("RES", "3 0", "R = 68ohm"), ("RES", "2 3", "R = 100ohm")])
    write("floating_port", "One-port between two nodes above ground", [("1", "2")], ["75ohm"],
          ("100MHz", "61", "3GHz"),
          [("RES", "1 2", "R = 150ohm"), ("CAP", "1 2", "C = 1pF"), ("IND", "1 0", "L = 10nH"),
           ("RES", "2 0", "R = 30ohm"), ("CAP", "2 0", "C = 3.3pF")])
    write("series_notch", "Series resonator to ground behind a series resistor",
          [("1", None), ("2", None)], ["50ohm", "50ohm"], ("800MHz", "81", "1.2GHz"),
          [("RES", "1 2", "R = 10ohm"), ("SRLC", "2 0", "F0 = 1GHz ZK = 100ohm Q = 80")])
    write("parallel_tank", "Parallel resonator", [("1", None)], ["50ohm"],
          ("900MHz", "101", "1.1GHz"), [("PRLC", "1 0", "F0 = 1GHz ZK = 20ohm Q = 150")])
    write("bandpass3", "Three coupled resonators", [("1", None), ("2", None)],
          ["50ohm", "50ohm"], ("800MHz", "81", "1.2GHz"),
          [("PRLC", "1 0", "F0 = 1GHz ZK = 5ohm Q = 200"),
           ("SRLC", "1 2", "F0 = 1GHz ZK = 500ohm Q = 200"),
           ("PRLC", "2 0", "F0 = 1GHz ZK = 5ohm Q = 200")])
    write("crystal", "Quartz crystal with a load resistor", [("1", None)], ["50ohm"],
          ("9.99MHz", "101", "10.04MHz"),
          [("QUARZ", "1 2", "FS = 10MHz FD = 25kHz ZK = 632kohm Q = 10000"),
           ("RES", "2 0", "R = 10ohm")])
    write("crystal_filter", "Crystal in series between two ports with shunt capacitors",
          [("1", None), ("2", None)], ["50ohm", "50ohm"], ("9.99MHz", "101", "10.04MHz"),
          [("CAP", "1 0", "C = 22pF"), ("QUARZ", "1 2", "FS = 10MHz FD = 20kHz ZK = 500kohm Q = 20000"),
           ("CAP", "2 0", "C = 22pF")])
    write("lossy_capacitor", "Capacitor with self-resonance and losses", [("1", None)],
          ["50ohm"], ("100MHz", "101", "3GHz"),
          [("CAP", "1 0", "C = 10pF FS = 1.2GHz QM = 40 FM = 1GHz")])
    write("lossy_inductor", "Inductor with self-resonance and losses", [("1", None)],
          ["50ohm"], ("100MHz", "101", "3GHz"),
          [("IND", "1 0", "L = 22nH FP = 1.5GHz QM = 30 FM = 1GHz")])
    write("resistor_parasitics", "Resistor with series inductance and parallel capacitance",
          [("1", None), ("2", None)], ["50ohm", "50ohm"], ("100MHz", "60", "6GHz"),
          [("RES", "1 2", "R = 100ohm LS = 1.5nH CP = 0.3pF"), ("RES", "2 0", "R = 200ohm CP = 0.2pF")])
    write("tee_junction", "Three branches joined by a tee junction", [("1", None), ("2", None)],
          ["50ohm", "50ohm"], ("100MHz", "61", "3GHz"),
          [("IND", "1 3", "L = 6nH"), ("IND", "4 2", "L = 6nH"), ("CAP", "5 0", "C = 2pF"),
           ("KTE", "3 4 5", "")])
    write("through_shunt", "Through link of 0 ohm between the ports, shunt C at port 2",
          [("1", None), ("2", None)], ["50ohm", "50ohm"], ghz,
          [("RES", "1 2", "R = 0ohm"), ("CAP", "2 0", "C = 10pF")])
    section = ("1 2", [("IND", "1 2", "L = 8nH"), ("CAP", "2 0", "C = 3.3pF"),
                       ("RES", "1 0", "R = 1kohm")])
    write("instances", "Sub-network cascaded, and embedded above ground",
          [("1", None), ("3", None)], ["50ohm", "50ohm"], ghz,
          [("SECTION", "1 2", ""), ("SECTION", "2 4 3 4", ""), ("RES", "4 0", "R = 5ohm"),
           ("IND", "4 0", "L = 1nH")],
          {"SECTION": section})


if __name__ == "__main__":
    main()
