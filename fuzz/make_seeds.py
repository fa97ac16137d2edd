#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets: the boundary values, each as one small file.

Run from anywhere; it rewrites corpus/fuzz_number_text, corpus/fuzz_report, corpus/fuzz_cli,
corpus/fuzz_move_file and corpus/fuzz_csv beside itself.
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


# Command lines, one argument per line, then 0xFF and a move file for --move.
def command(args, move=None):
    data = "\n".join(args).encode()
    return data if move is None else data + b"\xff" + move.encode()


first_move = ["--mass", "1", "--stroke", "500", "--accel-g", "1", "--velocity", "1"]
move_file = ('{"format":"brivane-move","version":1,"move":{"loadMass":1,"distanceMm":500,"accelMode":"g",'
             '"accelValue":1,"peakVelocity":1,"dwellMs":0,"frictionCoefficient":0.1,"safetyFactor":1.3},'
             '"ratedLimit":70,"peakLimit":null,"ambient":"20","model":"CL-01","show":[true,true,true]}')
cli = {
    "empty": [], "help-all": ["--help-all"], "catalog": ["catalog", "--json"],
    "select": ["select", *first_move, "--json"], "check": ["check", "CL-01", *first_move],
    "report": ["report", "--nickname", "kim", "--include", "1,3", "--at", "2020-03-05T14:07:09", *first_move,
               "--json"],
    "bounds": ["select", "--peak", "2147483648", "--rated", "1e10", "--velocity", "3.4028235e38", "--json"],
    "refusals": ["report", "--nickname", "a\tb", "--stroke", "-2147483649", "--mass", "3.4028236e38"],
    "options": ["select", "-mass", "--json=1", "--bogus", "--", "--mass"],
}
for name, args in cli.items():
    write("fuzz_cli", name, command(args))
write("fuzz_cli", "rank-move-file", command(["rank", "--move", "x", "--sort", "headroom", "--json"], move_file))
write("fuzz_cli", "check-move-file", command(["check", "--move", "x", "--ambient", "25.6"], move_file))


# Move files: the worked example, each refusal's corner, a key twice, a huge version, a BOM.
write("fuzz_move_file", "worked", move_file.encode())
write("fuzz_move_file", "empty", b"")
write("fuzz_move_file", "bom", b"\xef\xbb\xbf" + move_file.encode())
write("fuzz_move_file", "duplicate-key", move_file.replace('"version":1', '"version":1,"version":1').encode())
write("fuzz_move_file", "huge-version", move_file.replace('"version":1', '"version":99999999999999999999').encode())
write("fuzz_move_file", "not-finite", move_file.replace('"loadMass":1', '"loadMass":NaN').encode())
write("fuzz_move_file", "nested", ("[" * 1000 + "]" * 1000).encode())
write("fuzz_move_file", "bad-utf8", move_file.replace('"CL-01"', '"CL-\xc0\xaf"').encode("latin-1"))

# CSV fields separated by 0xFF: plain, quotes, commas, line ends, empty fields, Hangul.
for name, fields in {"plain": ["CL-01", "1", "29.3"], "quote": ['a"b', '""'], "comma": ["1,5", ","],
                     "line-ends": ["a\r\nb", "\n", "\r"], "empty": [""], "fields-empty": ["", "", ""],
                     "hangul": ["모델", "적합", "코일부온도(℃)"]}.items():
    write("fuzz_csv", name, b"\xff".join(f.encode() for f in fields))
