#!/usr/bin/env python3
"""Checks what the program sent to the switch simulator and what it wrote to
a settings file, against the satellite data set it was given.

  check-plan.py sent LOG START SQL OUT.json [--static UB=SATELLITE/TP[/lnb2]]... [--line UB=LINE]...
      The simulator log holds, after its first START lines, exactly the four
      queries of the backup, the four lines of a transfer and the four queries
      of its read-back; the code words sent are decoded into OUT.json. Each
      --static UB must be a static word for that transponder, each --line UB a
      dynamic word on that line (UB and LINE count from 0, as on the wire).
  check-plan.py queries LOG START
      After START lines, exactly the four queries of a read from the device.
  check-plan.py file PATH SQL PLAN.json LNB1 LNB2
      The settings file is complete and holds the plan that was sent.
  check-plan.py same PLAN_A.json PLAN_B.json
      Two transfers carry the same plan (the random part of dynamic words aside).
"""
import json
import re
import struct
import sys

TRANSFER = [":CONF:LTEFILT OFF", ":CONF:STBY OFF", ":CONF:TERRAMP OFF"]
QUERIES = [":CONF:LTEFILT?", ":CONF:STBY?", ":CONF:TERRAMP?", ":CONF:ALL?"]


def fail(message):
    print("check-plan: FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def load_sql(path):
    """{satellite name: {tp: (frequency, horizontal, oscillator, satId)}}"""
    satellites = {}
    current = None
    row = re.compile(r"\(\s*(\d+),\s*(\d+),\s*'([HV])',\s*(\d+),\s*(\d+)\)")
    with open(path, encoding="utf-8") as sql:
        for text in sql:
            start = re.match(r"INSERT INTO `([^`]+)`", text)
            if start:
                current = satellites.setdefault(start.group(1), {})
                continue
            if current is not None:
                for m in row.finditer(text):
                    tp, freq, pol, osc, sat = m.groups()
                    current[int(tp)] = (int(freq), pol == "H", int(osc), int(sat))
                if text.rstrip().endswith(";"):
                    current = None
    if not satellites:
        fail("no satellites in " + path)
    return satellites


def expected_static(satellites, name, tp, lnb2, ub):
    if name not in satellites or tp not in satellites[name]:
        fail("%s has no transponder %d in the data set" % (name, tp))
    freq, horizontal, osc, sat = satellites[name][tp]
    high = osc == max(r[2] for r in satellites[name].values())
    return {"ub": ub, "static": True, "satId": sat, "f": freq - osc - 100, "lnb2": lnb2,
            "horizontal": horizontal, "highBand": high}


def decode(word, position):
    if word >> 31:
        return {"ub": (word >> 19) & 0x1F, "static": True, "satId": (word >> 24) & 0x7F,
                "f": (word >> 8) & 0x7FF, "lnb2": bool(word & 4), "horizontal": bool(word & 2),
                "highBand": bool(word & 1)}
    r, line, b, k = word & 0xFF, (word >> 8) & 0xFF, (word >> 16) & 0xFF, word >> 24
    if not 1 <= r <= 15:
        fail("UB %d: random part %d not in 1..15 (word %d)" % (position, r, word))
    if b != position * 8 % 256:
        fail("UB %d: band part %d, expected %d (word %d)" % (position, b, position * 8 % 256, word))
    if k != (r + line + b) // 2 & 0xFF:
        fail("UB %d: check byte %d, expected %d (word %d)" % (position, k, (r + line + b) // 2, word))
    return {"ub": position, "static": False, "line": line}


def log_after(path, start):
    with open(path, encoding="utf-8") as log:
        lines = [l.rstrip("\n").split("\t", 1)[-1] for l in log]
    return lines[start:]


def sent(args):
    log, start, sql, out = args[0], int(args[1]), args[2], args[3]
    satellites = load_sql(sql)
    lines = log_after(log, start)
    # The switch's plan is read for its backup before anything is sent, and
    # read back after.
    if len(lines) != 12 or lines[:4] != QUERIES or lines[8:] != QUERIES:
        fail("%d lines after line %d of %s, expected 4 queries, 4 lines sent and 4 queries: %r"
             % (len(lines), start, log, lines))
    lines = lines[4:8]
    if lines[:3] != TRANSFER:
        fail("first three lines %r, expected %r" % (lines[:3], TRANSFER))
    if not lines[3].startswith(":CONF:ALL "):
        fail("fourth line %r is no :CONF:ALL" % lines[3])
    fields = lines[3][len(":CONF:ALL "):].split(",")
    if len(fields) != 24 or not all(re.fullmatch(r"\d+", f) and int(f) < 2**32 for f in fields):
        fail("%d code words, or not all numbers: %r" % (len(fields), lines[3]))
    plan = [decode(int(f), i) for i, f in enumerate(fields)]
    for i, entry in enumerate(plan):
        if entry["ub"] != i:
            fail("word %d names UB %d" % (i, entry["ub"]))
    options = args[4:]
    for option, value in zip(options[::2], options[1::2]):
        ub, what = value.split("=", 1)
        ub = int(ub)
        if option == "--static":
            parts = what.split("/")
            want = expected_static(satellites, parts[0], int(parts[1]), parts[2:] == ["lnb2"], ub)
            if plan[ub] != want:
                fail("UB %d sent as %r, expected %r" % (ub, plan[ub], want))
        elif option == "--line":
            if plan[ub] != {"ub": ub, "static": False, "line": int(what)}:
                fail("UB %d sent as %r, expected a dynamic UB on line %s" % (ub, plan[ub], what))
        else:
            fail("unknown option " + option)
    with open(out, "w", encoding="utf-8") as f:
        json.dump(plan, f, indent=1)
    print("check-plan: %s: four queries, four lines, four queries, %d static and %d dynamic UBs" % (
        log, sum(e["static"] for e in plan), sum(not e["static"] for e in plan)))


def queries(args):
    lines = log_after(args[0], int(args[1]))
    if lines != QUERIES:
        fail("after line %s: %r, expected %r" % (args[1], lines, QUERIES))


class Reader:
    def __init__(self, data):
        self.data, self.at = data, 0

    def take(self, n):
        if self.at + n > len(self.data):
            fail("settings file ends early at byte %d" % self.at)
        piece = self.data[self.at:self.at + n]
        self.at += n
        return piece

    def u32(self):
        return struct.unpack(">I", self.take(4))[0]

    def i32(self):
        return struct.unpack(">i", self.take(4))[0]

    def boolean(self):
        return self.take(1) != b"\0"

    def string(self):
        n = self.u32()
        if n == 0xFFFFFFFF:
            return ""
        if n % 2:
            fail("odd string length %d" % n)
        return self.take(n).decode("utf-16-be")


def settings_file(args):
    path, sql, plan_path, lnb1, lnb2 = args
    satellites = load_sql(sql)
    with open(plan_path, encoding="utf-8") as f:
        plan = json.load(f)
    with open(path, "rb") as f:
        data = f.read()
    # A version text, then the list: the file starts with the text's length.
    if data[:4] not in (b"\0\0\0\x06", b"\0\0\0\x08", b"\0\0\0\x0a"):
        fail("%s starts with %r, not with a short version text" % (path, data[:4]))
    reader = Reader(data)
    version = reader.string()
    count = reader.u32()
    if count != 24:
        fail("%d records in %s, expected 24" % (count, path))
    records = []
    for _ in range(count):
        ub, line, local_ub, freq = reader.u32(), reader.u32(), reader.u32(), reader.u32()
        kind = reader.string()
        lnb, tp = reader.u32(), reader.i32()
        records.append({"ub": ub, "line": line, "freq": freq, "type": kind, "lnb": lnb, "tp": tp})
    lte, standby, terrestrial = reader.boolean(), reader.boolean(), reader.boolean()
    names = [reader.string(), reader.string()]
    # Then each static UB's polarisation: a tag, a count, (UB, letter) bytes.
    if reader.string() != "polarisations":
        fail("no polarisations after the settings in %s" % path)
    polarisations = {}
    for _ in range(reader.u32()):
        ub, letter = reader.take(1)[0], chr(reader.take(1)[0])
        polarisations[ub] = letter
    if reader.at != len(data):
        fail("%d bytes after the polarisations in %s" % (len(data) - reader.at, path))
    if names != [lnb1, lnb2]:
        fail("satellites %r in %s, expected %r" % (names, path, [lnb1, lnb2]))
    if (lte, standby, terrestrial) != (False, False, False):
        fail("options %r in %s, expected all off" % ((lte, standby, terrestrial), path))
    by_ub = {r["ub"]: r for r in records}
    if sorted(by_ub) != list(range(24)):
        fail("UB numbers %r in %s" % (sorted(by_ub), path))
    for entry in plan:
        record = by_ub[entry["ub"]]
        if entry["static"]:
            want = expected_static(satellites, names[record["lnb"]], record["tp"], record["lnb"] == 1,
                                   entry["ub"])
            if record["type"] != "static" or want != entry:
                fail("UB %d in the file %r does not match what was sent %r" % (entry["ub"], record, entry))
            freq, horizontal = satellites[names[record["lnb"]]][record["tp"]][:2]
            if record["freq"] != freq:
                fail("UB %d: frequency %d in the file" % (entry["ub"], record["freq"]))
            if (polarisations.get(entry["ub"]) in ("H", "L")) != horizontal:
                fail("UB %d: polarisation %r in the file" % (entry["ub"], polarisations.get(entry["ub"])))
        elif record["type"] != "dynamic" or record["line"] != entry["line"]:
            fail("UB %d in the file %r does not match what was sent %r" % (entry["ub"], record, entry))
    print("check-plan: %s: %d bytes, version %s, the plan that was sent" % (path, len(data), version))


def same(args):
    with open(args[0], encoding="utf-8") as a, open(args[1], encoding="utf-8") as b:
        first, second = json.load(a), json.load(b)
    if first != second:
        diff = [(x, y) for x, y in zip(first, second) if x != y]
        fail("%s and %s differ: %r" % (args[0], args[1], diff))


if __name__ == "__main__":
    commands = {"sent": sent, "queries": queries, "file": settings_file, "same": same}
    if len(sys.argv) < 2 or sys.argv[1] not in commands:
        fail("usage: see the head of " + sys.argv[0])
    commands[sys.argv[1]](sys.argv[2:])
