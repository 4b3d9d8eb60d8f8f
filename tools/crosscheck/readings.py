"""The instruments' reading texts as numbers: a value, an optional SI prefix and the unit."""

PREFIX = {"f": 1e-15, "p": 1e-12, "n": 1e-9, "u": 1e-6, "m": 1e-3, "k": 1e3, "M": 1e6,
          "G": 1e9, "T": 1e12}
# The units the readings carry, tried in this order when the caller names none.
UNITS = ("Sec", "Hz", "V", "A")


def amount(text, unit=None):
    """'834.1mV' -> 0.8341. With a unit the text must end with it; without one, a unit of the
    readings' is left out where it stands. ValueError for what is no number."""
    text = text.strip()
    for u in (unit,) if unit else UNITS:
        if text.endswith(u):
            text = text[:-len(u)]
            break
    else:
        if unit:
            raise ValueError(f"keine Zahl in {unit}: {text!r}")
    factor = 1.0
    if text and text[-1] in PREFIX:
        factor = PREFIX[text[-1]]
        text = text[:-1]
    return float(text) * factor


def volts(text):
    """'834.1mV' -> 0.8341."""
    return amount(text, "V")


def tables(out):
    """Every readings dialog of a session: its rows as (abscissa text, value text)."""
    found = []
    for block in out.split("1196\t")[1:]:
        rows = []
        for line in block.split("\n"):
            if not line.strip():
                break
            rows.append(tuple(line.rstrip("\r").split("\t\t")[:2]))
        found.append(rows)
    return found
