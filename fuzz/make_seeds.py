#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets: the boundary values, each as one small file.

Run from anywhere; it rewrites corpus/fuzz_number_text, corpus/fuzz_report, corpus/fuzz_cli,
corpus/fuzz_move_file, corpus/fuzz_csv, corpus/fuzz_motor_file and corpus/fuzz_cycle_file beside
itself.
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


# Motor files: the documented examples, the corners of CSV, and one refusal of each kind of check.
examples = HERE.parent / "docs" / "examples"
motor_json = (examples / "own-motors.brivane-motors").read_text(encoding="utf-8")
motor_csv = (examples / "own-motors.csv").read_text(encoding="utf-8")
write("fuzz_motor_file", "example-json", motor_json.encode())
write("fuzz_motor_file", "example-csv", motor_csv.encode())
header, first_row, second_row = motor_csv.splitlines()
motor_files = {
    "csv-crlf-bom": "\ufeff" + "\r\n".join([header, first_row, second_row]) + "\r\n",
    "csv-quotes": header + "\n" + first_row.replace("CL rewound for 400 V", '"a ""b"",\r\nc"') + "\n\n",
    "csv-no-family": "\n".join(line.replace(",CL rewound for 400 V", "").replace(',"Second source, ironcore"', "")
                               for line in [header.replace(",family", ""), first_row, second_row]),
    "csv-blank-number": header + "\n" + first_row.replace(",0.25,", ", 0.25 ,") + "\n",
    "csv-not-a-number": header + "\n" + first_row.replace(",24,", ",24 mm,") + "\n",
    "csv-field-count": header + "\n" + first_row + ",extra\n",
    "json-minimal": '{"format":"brivane-motors","version":1,"motors":[]}',
    "json-extras": motor_json.replace('"version": 1,', '"version": 1, "about": {"x": [1, [2, {"y": null}]]},'),
    "json-built-in-name": motor_json.replace('"CL-01-HV"', '"cl-01"'),
    "json-duplicate-name": motor_json.replace('"LX-150"', '"cl-01-hv"'),
    "json-below-rated": motor_json.replace('"peakForce": 420', '"peakForce": 149.99'),
    "json-not-finite": motor_json.replace('"maxPower": 690', '"maxPower": NaN'),
    "json-beyond-float": motor_json.replace('"maxPower": 690', '"maxPower": 3.4028236e38'),
    "json-largest-float": motor_json.replace('"maxPower": 690', '"maxPower": 3.4028235e38'),
    "json-attraction-fraction": motor_json.replace('"attractionForce": 950', '"attractionForce": 950.5'),
    "json-attraction-int-max": motor_json.replace('"attractionForce": 950', '"attractionForce": 2147483647'),
    "json-zero": motor_json.replace('"polePitch": 32', '"polePitch": -0'),
    "json-key-twice": motor_json.replace('"polePitch": 32', '"polePitch": 32, "polePitch": 33'),
    "json-control": motor_json.replace('"LX-150"', '"LX\\u001b150"'),
    "json-newer": motor_json.replace('"version": 1', '"version": 2'),
    "json-huge-version": motor_json.replace('"version": 1', '"version": 99999999999999999999'),
    "json-not-object": "[" + motor_json + "]",
    "json-long-name": motor_json.replace('"LX-150"', '"' + "가" * 65 + '"'),
}
for name, text in motor_files.items():
    write("fuzz_motor_file", name, text.encode())

# Cycle files: the model page's three kinds, every profile, the refusals' neighbours.
cycle_head = '{"format":"brivane-cycle","version":1,'
cycles = {
    "pick-and-place": cycle_head + '"axis":{"dragForce":5,"extraMovingMass":0.3},"segments":['
    '{"type":"move","distanceMm":400,"velocity":2,"accel":20,"payload":1.5},{"type":"dwell","timeMs":150,"payload":0},'
    '{"type":"move","distanceMm":-400,"velocity":2,"accel":20,"payload":0},{"type":"dwell","timeMs":250,"payload":1.5}]}',
    "vertical": cycle_head + '"axis":{"inclinationDeg":90,"frictionCoefficient":0.05,"counterbalanceForce":20},'
    '"segments":[{"type":"move","distanceMm":150,"velocity":1,"accel":10,"payload":3},'
    '{"type":"dwell","timeMs":400,"payload":3}]}',
    "press": cycle_head + '"segments":[{"type":"move","distanceMm":100,"velocity":0.1,"accel":2,"payload":2,'
    '"force":500,"forceDuring":"constant"},{"type":"dwell","timeMs":300,"payload":2,"force":500}]}',
    "s-curves": cycle_head + '"ratedLimit":25,"peakLimit":100,"segments":['
    '{"type":"move","distanceMm":10,"velocity":5,"accel":9.8,"decel":3,"jerk":500,"payload":0},'
    '{"type":"move","distanceMm":-300,"velocity":1,"accel":10,"jerk":200,"payload":0},'
    '{"type":"move","distanceMm":0.001,"velocity":30,"accel":490,"jerk":1e-3,"payload":3000}]}',
    "edges": cycle_head + '"axis":{"inclinationDeg":-90,"frictionCoefficient":10,"safetyFactor":20},'
    '"segments":[{"type":"move","distanceMm":-100000,"velocity":30,"accel":490,"decel":1e-300,"payload":0},'
    '{"type":"dwell","timeMs":10000000,"payload":3000}]}',
    "refusals": cycle_head + '"version":99999999999999999999,"axis":{"dragForce":1,"dragForce":2},'
    '"segments":[{"type":"jump","velocity":NaN,"forceDuring":"sometimes"}]}',
    "drive": cycle_head + '"drive":{"busVoltage":48,"peakCurrent":5,"continuousCurrent":2},"segments":['
    '{"type":"move","distanceMm":400,"velocity":2,"accel":20,"jerk":400,"payload":1.5},'
    '{"type":"move","distanceMm":-400,"velocity":2,"accel":20,"payload":0,"force":-30}]}',
    "drive-edges": cycle_head + '"drive":{"busVoltage":1e-300,"peakCurrent":10000,"continuousCurrent":1e-300},'
    '"segments":[{"type":"move","distanceMm":1,"velocity":30,"accel":490,"jerk":1e9,"payload":0}]}',
}
for name, text in cycles.items():
    write("fuzz_cycle_file", name, text.encode())
write("fuzz_cli", "cycle-file", command(["cycle", "./move.brivane", "--sort", "headroom", "--json"], cycles["s-curves"]))
write("fuzz_cli", "cycle-trace", command(["cycle", "move.brivane", "--trace", "CL-01", "--step", "7"], cycles["press"]))
write("fuzz_cli", "cycle-from-move", command(["cycle", "--from-move", "x/y", "--mass", "2"], move_file))
write("fuzz_cli", "cycle-drive", command(["cycle", "./move.brivane", "--bus-voltage", "48", "--model", "cl-07"], cycles["drive"]))
write("fuzz_cli", "envelope", command(["envelope", "VC-21", "--bus-voltage", "560", "--points", "7", "--json"], ""))

# batch: requests a line in the tail (which is also the move file), good ones among refusals and
# lines that cannot be read, JSON Lines and CSV, on one and on two threads.
batch_lines = "\n".join([
    '{"mass":1,"stroke":500,"accel-g":1,"velocity":1}',
    '{"mass":0,"stroke":500,"accel-g":1,"velocity":1,"rated":72}',
    '{"mass":"abc","accel-g":1,"accel-ms":2}',
    '{"move":"move.brivane","lang":"en","bogus":[1,{"a":null}]}',
    '{"mass":1,"mass":2}',
    'not json',
    '',
    '["mass"]',
]) + "\n"
write("fuzz_cli", "batch-select", command(["batch", "select", "--jobs", "2"], batch_lines))
write("fuzz_cli", "batch-check", command(["batch", "check"], batch_lines.replace('"mass":1,', '"model":"cl-07","mass":1,')))
write("fuzz_cli", "batch-rank-csv", command(["batch", "rank", "--csv"],
                                            "mass,stroke,accel-g,velocity,fitting,series\r\n1,500,1,1,true,2\r\n"
                                            '"x",1,1,1,maybe,\r\n1,2\r\n'))
write("fuzz_cli", "batch-cycle", command(["batch", "cycle"], '{"cycle":' + cycles["press"].replace("\n", "") +
                                         ',"model":"CL-21"}\n{"cycle":"move.brivane","json":true}\n'))
write("fuzz_cli", "batch-envelope", command(["batch", "envelope", "--csv"], "model,bus-voltage,points\nVC-21,560,3\ncl-07,-1,\n"))
