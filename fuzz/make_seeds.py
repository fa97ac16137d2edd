#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets: the boundary values, each as one small file.

Run from anywhere; it rewrites corpus/fuzz_number_text and corpus/fuzz_report beside itself.
"""
import pathlib
import struct

HERE = pathlib.Path(__file__).resolve().parent
FLT_MAX = struct.unpack("<f", struct.pack("<I", 0x7F7FFFFF))[0]


def write(target, name, data):
    d = HERE / "corpus" / target
    d.mkdir(parents=True, exist_ok=True)
    (d / name).write_bytes(data)


# Texts of numbers: the limits, the float and int bounds, blanks, nothing, and a huge one.
texts = {
    "empty": "", "zero": "0", "minus-zero": "-0", "limit-25": "25", "limit-70": "70",
    "limit-100": "100", "near-70-below": "69.999999", "near-70-above": "70.000001",
    "flt-max": "3.4028235e38", "flt-max-written": "3.4028235e+38", "flt-max-next": "3.4028236e38",
    "flt-overflow": "1e39", "flt-min": "1.17549435e-38", "flt-true-min": "1e-45",
    "int-max": "2147483647", "int-max-next": "2147483648", "int-min": "-2147483648",
    "int-min-next": "-2147483649", "blanks": " \t25 \n", "plus": "+7", "plus-minus": "+-1",
    "hex": "0x1p-149", "nan": "nan", "inf": "-inf", "comma": "1,5", "exponent-only": "1e",
    "huge": "9" * 4000, "huge-fraction": "0." + "0" * 400 + "1",
}
for name, text in texts.items():
    write("fuzz_number_text", name, text.encode())
# Raw values with a precision after them (bits of a double, then a 16-bit precision).
for name, bits, precision in [
    ("dbl-max-p3", 0x7FEFFFFFFFFFFFFF, 3 + 3), ("dbl-max-p100", 0x7FEFFFFFFFFFFFFF, 100 + 3),
    ("dbl-true-min-p1074", 0x0000000000000001, 1074 + 3), ("half-p0", 0x3FE0000000000000, 3),
    ("neg-precision", 0x3FF8000000000000, 0), ("flt-max-bits", 0x000000007F7FFFFF, 4),
]:
    write("fuzz_number_text", name, struct.pack("<QH", bits, precision))


def report(series, floats, ints, flags, when, texts):
    head = b"".join(struct.pack("<iff", *s) for s in series)
    head += struct.pack("<7f", *floats) + struct.pack("<3i", *ints) + bytes([flags])
    head += struct.pack("<6i", *when)
    return head + b"\xff".join(t.encode() for t in texts)


first = [(1, 29.298, 23.643), (3, 60.1, 40.1), (1, 54.0, 47.9)]
move = (1.0, 102.04082, 1.0, 1.0, 0.0, 0.1, 1.3)
write("fuzz_report", "first-selection", report(first, move, (500, 70, 80), 7, (2020, 3, 5, 14, 7, 9),
                                               ["홍길동", "CL-01", "IC-03", "VC-01"]))
write("fuzz_report", "no-model", report([(0, 0, 0)] * 3, move, (500, 25, 100), 7, (1999, 12, 31, 0, 0, 0),
                                        ["", "", "", ""]))
write("fuzz_report", "last-numbers", report([(23, 99.9, 99.9), (25, 0, 0), (21, 0, 0)], move, (1, 70, 80), 7,
                                            (2024, 1, 10, 23, 59, 59), ["a", "CL-23", "IC-25", "VC-21"]))
write("fuzz_report", "out-of-range", report([(24, FLT_MAX, -FLT_MAX), (-1, 0, 0), (2**31 - 1, 0, 0)],
                                            (FLT_MAX, -FLT_MAX, 1e-45, 0, FLT_MAX, 0, 0),
                                            (-2**31, 2**31 - 1, -1), 7, (-2**31, 0, 2**31 - 1, -1, 60, 61),
                                            ["100%s", "CL-24", "", "VC-00"]))
write("fuzz_report", "refused-nicknames", report(first, move, (500, 70, 80), 1, (2020, 3, 5, 14, 7, 9),
                                                 ["../x", "CL-01", "IC-03", "VC-01"]))
write("fuzz_report", "not-cp949", report(first, move, (500, 70, 80), 1, (2020, 3, 5, 14, 7, 9),
                                         ["홍😀", "CL-01\r\nx", "IC-03", "VC-01"]))
write("fuzz_report", "empty", b"")
write("fuzz_report", "long-nickname", report(first, move, (500, 70, 80), 7, (2020, 3, 5, 14, 7, 9),
                                             ["가" * 90, "CL-01", "IC-03", "VC-01"]))
