#!/usr/bin/env python3
"""Writes data/sample_session.log: a made-up contest session for the demo (fixed seed).

Line forms (fields separated by blanks, "-" for an empty text):
  QSO yyyy-mm-dd hhmm freqHz mode call rstSent exchSent rstRcvd exchRcvd prefix continent band
  DEL call band
"""
import random

random.seed(63)
ENTITIES = [("DL", "EU"), ("OK", "EU"), ("OM", "EU"), ("HA", "EU"), ("YO", "EU"), ("LZ", "EU"), ("UR", "EU"),
            ("UA", "EU"), ("ES", "EU"), ("YL", "EU"), ("LY", "EU"), ("OH", "EU"), ("SM", "EU"), ("LA", "EU"),
            ("OZ", "EU"), ("PA", "EU"), ("ON", "EU"), ("F", "EU"), ("EA", "EU"), ("CT", "EU"), ("I", "EU"),
            ("9A", "EU"), ("S5", "EU"), ("OE", "EU"), ("HB", "EU"), ("G", "EU"), ("EI", "EU"), ("W", "NA"),
            ("VE", "NA"), ("JA", "AS"), ("UA9", "AS"), ("VK", "OC"), ("PY", "SA"), ("LU", "SA"), ("ZS", "AF"),
            ("4X", "AS"), ("CN", "AF"), ("EA8", "AF")]
PROVINCES = "BCDFGJKLMOPRSUWZ"
BANDS = [("80m", 3580000), ("40m", 7040000), ("20m", 14070000), ("15m", 21070000), ("10m", 28070000)]


def call_for(prefix):
    return f"{prefix}{random.randint(1, 9)}{''.join(random.choice('ABCDEFGHIJKLMNOPQRSTUVWXYZ') for _ in range(3))}"


REGULARS = [("DL5XYZ", "DL", "EU"), ("OK2RTY", "OK", "EU"), ("SP9KAT", "SP", "EU")]
lines = ["# Polska WW BPSK63 Contest, a made-up session of SP7QQA (demo data)"]
regulars_worked = set()
worked = []
serial = 0
minute = 12 * 60
for n in range(330):
    minute += random.randint(1, 4)
    day = 5 + minute // 1440
    hhmm = f"{(minute % 1440) // 60:02d}{minute % 60:02d}"
    if n == 0 or random.random() < 0.06:  # the operator changes band now and then
        dial_band, base = random.choices(BANDS, weights=[3, 4, 4, 2, 1])[0]
    band = dial_band
    freq = base + random.randint(0, 2500) * 10 + random.randint(0, 9)
    mode = "BPSK63"
    serial += 1
    sent = f"{serial:03d}"
    regular = random.choice(REGULARS)
    if (regular[0], band) not in regulars_worked and random.random() < 0.15:  # a station met on every band
        regulars_worked.add((regular[0], band))
        call, prefix, cont = regular
        rcvd = "K" if prefix == "SP" else f"{random.randint(1, 400):03d}"
    elif worked and random.random() < 0.03:  # a dupe: the same station again on its band
        call, prefix, cont, band, freq, rcvd = random.choice(worked)
    elif random.random() < 0.2:
        prefix, cont = "SP", "EU"
        call = call_for("SP")
        rcvd = random.choice(PROVINCES) if random.random() < 0.95 else random.choice(["5", "X", "-"])
        if random.random() < 0.3:
            rcvd = rcvd.lower()
    else:
        prefix, cont = random.choice(ENTITIES)
        call = call_for(prefix)
        rcvd = f"{random.randint(1, 400):03d}"
    if random.random() < 0.015:
        band, freq = "160m", 1838000 + random.randint(0, 500) * 10
    if random.random() < 0.01:
        mode = "BPSK31"
    if band != "160m" and mode == "BPSK63" and rcvd != "-":
        worked.append((call, prefix, cont, band, freq, rcvd))
    lines.append(f"QSO 2026-12-{day:02d} {hhmm} {freq} {mode} {call} 599 {sent} 599 {rcvd} {prefix} {cont} {band}")
    if n in (120, 250):  # the operator deletes a QSO logged a moment ago
        c = worked[-2]
        lines.append(f"DEL {c[0]} {c[3]}")

with open("data/sample_session.log", "w", newline="\n") as f:
    f.write("\n".join(lines) + "\n")
