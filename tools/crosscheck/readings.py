"""The instruments' reading texts as numbers: a value, an optional SI prefix and the unit."""

PREFIX = {"f": 1e-15, "p": 1e-12, "n": 1e-9, "u": 1e-6, "m": 1e-3, "k": 1e3, "M": 1e6,
          "G": 1e9}


def volts(text):
    """'834.1mV' -> 0.8341."""
    text = text.strip()
    assert text.endswith("V"), text
    number = text[:-1]
    factor = 1.0
    if number and number[-1] in PREFIX:
        factor = PREFIX[number[-1]]
        number = number[:-1]
    return float(number) * factor
