#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes examples/therm_a.dat and examples/therm_b.dat, and prints how well each record fits
its source table.

Usage: make_examples.py [--janaf DIR] [--out DIR]
Defaults: DIR = ../shared/corpus/janaf beside the repository, out = examples/.
"""

import argparse
import dataclasses
import os
import struct
import sys

sys.dont_write_bytecode = True  # keep the source folder free of __pycache__

import ideal_gas  # noqa: E402
import nasa7  # noqa: E402
from ideal_gas import Species  # noqa: E402
from janaf import read_janaf  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))

# Species with a JANAF table: (name, table file, elements).
JANAF_SPECIES = {
    "CH4": ("C-067_CH4_g.txt", [("C", 1), ("H", 4)]),
    "H2O": ("H-064_H2O_g.txt", [("H", 2), ("O", 1)]),
    "CO2": ("C-095_CO2_g.txt", [("C", 1), ("O", 2)]),
    "O2": ("O-029_O2_ref.txt", [("O", 2)]),
    "N2": ("N-023_N2_ref.txt", [("N", 2)]),
    "OH": ("H-038_OH_g.txt", [("O", 1), ("H", 1)]),
    "H2": ("H-050_H2_ref.txt", [("H", 2)]),
    "CO": ("C-093_CO_g.txt", [("C", 1), ("O", 1)]),
}

# Species built from molecular constants: molar mass (g/mol), dfH(298.15) in kJ/mol, electronic
# levels (degeneracy, 1/cm), linear rotor (B in 1/cm, symmetry number), vibrations (1/cm).
STAT_MECH_SPECIES = {
    "H": (Species("H", 1.00794, 217.998, [(2, 0.0)]), [("H", 1)]),
    "O": (
        Species("O", 15.9994, 249.18,
                [(5, 0.0), (3, 158.265), (1, 226.977), (5, 15867.862), (1, 33792.583)]),
        [("O", 1)],
    ),
    "N": (
        Species("N", 14.0067, 472.68,
                [(4, 0.0), (6, 19224.464), (4, 19233.177), (2, 28838.920), (4, 28839.306)]),
        [("N", 1)],
    ),
    "AR": (Species("AR", 39.948, 0.0), [("AR", 1)]),
    "HE": (Species("HE", 4.002602, 0.0), [("HE", 1)]),
    "NE": (Species("NE", 20.1797, 0.0), [("NE", 1)]),
    "KR": (Species("KR", 83.798, 0.0), [("KR", 1)]),
    "XE": (Species("XE", 131.293, 0.0), [("XE", 1)]),
    "NO": (
        Species("NO", 30.0061, 91.12, [(2, 0.0), (2, 119.8)], (1.6720, 1), [1876.0]),
        [("N", 1), ("O", 1)],
    ),
    "N2O": (
        Species("N2O", 44.0128, 82.05, [(1, 0.0)], (0.41901, 1), [1284.9, 588.8, 588.8, 2223.8]),
        [("N", 2), ("O", 1)],
    ),
}

# The JANAF temperature grid, used for the species built from molecular constants too.
GRID = [200.0, 250.0, 298.15, 300.0, 350.0, 400.0, 450.0, 500.0]
GRID += [float(t) for t in range(600, 6001, 100)]

WIDE = (200.0, 1000.0, 5000.0)  # the ranges of database A
NARROW = (300.0, 1000.0, 3500.0)  # the refits of database B


def source_table(name, janaf_dir):
    """The property table of a species and the source tag written into its record."""
    if name in JANAF_SPECIES:
        return read_janaf(os.path.join(janaf_dir, JANAF_SPECIES[name][0])), "JANAF"
    return ideal_gas.table(STAT_MECH_SPECIES[name][0], GRID), "MOLEC"


def elements(name):
    return (JANAF_SPECIES.get(name) or STAT_MECH_SPECIES[name])[1]


class Entry:
    """One record of an example database and the table it was fitted to."""

    def __init__(self, name, janaf_dir, ranges=WIDE, dfh298=None, digits=None, fit=nasa7.fit):
        table, self.tag = source_table(name, janaf_dir)
        if dfh298 is not None:
            table = dataclasses.replace(table, dfh298=dfh298)
        p = fit(table, *ranges)
        if digits is not None:
            p = nasa7.rounded(p, digits)
        self.name, self.table = name, table
        self.lines = nasa7.record(name, self.tag, elements(name), p)


def database_a(janaf_dir):
    names = "AR HE NE H O N H2 O2 N2 OH H2O CO CO2 CH4 NO".split()
    return [Entry(n, janaf_dir) for n in names]


def database_b(janaf_dir):
    return [
        Entry("H2", janaf_dir),
        Entry("O2", janaf_dir),
        Entry("H", janaf_dir),
        Entry("O", janaf_dir),
        # A later evaluation of the heat of formation of OH, and a narrower fit.
        Entry("OH", janaf_dir, NARROW, dfh298=37.49),
        # An older fit: the two ranges fitted one after the other, so Cp jumps at 1000 K.
        Entry("H2O", janaf_dir, fit=nasa7.fit_separately),
        Entry("CO", janaf_dir),
        Entry("CO2", janaf_dir, NARROW),
        Entry("CH4", janaf_dir, NARROW),
        # Same fit as database A, written with six significant digits.
        Entry("N2", janaf_dir, digits=6),
        Entry("N", janaf_dir),
        Entry("N2O", janaf_dir),
        Entry("AR", janaf_dir),
        Entry("KR", janaf_dir),
        Entry("XE", janaf_dir),
    ]


def write_database(path, defaults, header_comments, entries, tail, newline):
    """The THERMO line, the default temperatures (T low, T common, T high), the records, END."""
    lines = ["THERMO", "".join(f"{t:10.3f}" for t in defaults)] + header_comments
    for e in entries:
        lines += e.lines
    lines += tail + ["END"]
    with open(path, "w", encoding="ascii", newline="") as f:
        f.write(newline.join(lines) + newline)


def residuals(entry):
    """Largest deviations of the written record from its table over the record's range, and the
    jumps of Cp/R, H/RT and S/R at the common temperature."""
    t_low, t_high, t_mid, high, low = nasa7.parse_record(entry.lines)
    dcp = dh = ds = 0.0
    for row in entry.table.rows:
        if not t_low <= row.t <= t_high:
            continue
        a = low if row.t < t_mid else high
        dcp = max(dcp, abs(nasa7.cp_r(a, row.t) * nasa7.R - row.cp))
        h = (entry.table.dfh298 + row.h_minus_h298) * 1000.0
        dh = max(dh, abs(nasa7.h_rt(a, row.t) * nasa7.R * row.t - h) / 1000.0)
        ds = max(ds, abs(nasa7.s_r(a, row.t) * nasa7.R - row.s))
    jumps = [abs(f(low, t_mid) - f(high, t_mid)) for f in (nasa7.cp_r, nasa7.h_rt, nasa7.s_r)]
    return dcp, dh, ds, max(jumps)


def value_text(x):
    """The tool's display rounding: four significant digits."""
    return float(f"{x:.3E}")


# The gas constant as the tool holds it: 1.9872 cal/mol/K in single precision.
R_CAL = struct.unpack("f", struct.pack("f", 1.9872))[0]


def shown(a, t):
    """Cp, H and S of one coefficient set at t as the tool shows them (cal/mol/K, kcal/mol)."""
    cp = nasa7.cp_r(a, t) * R_CAL
    h = nasa7.h_rt(a, t) * t * R_CAL / 1000.0
    s = nasa7.s_r(a, t) * R_CAL
    return tuple(value_text(x) for x in (cp, h, s))


def check_ch4(entry):
    """Cp and H of CH4 at 298.15 K as the tool computes them."""
    _, _, _, _, low = nasa7.parse_record(entry.lines)
    return shown(low, 298.15)[:2]


def check_common_temperature(entry):
    """Cp, H and S at the common temperature from the high and from the low set: the tool's
    main and second boxes, red where they differ."""
    _, _, t_mid, high, low = nasa7.parse_record(entry.lines)
    return t_mid, shown(high, t_mid), shown(low, t_mid)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--janaf", default=os.path.join(REPO, "..", "shared", "corpus", "janaf"))
    parser.add_argument("--out", default=os.path.join(REPO, "examples"))
    args = parser.parse_args()

    a = database_a(args.janaf)
    b = database_b(args.janaf)
    b_comments = [
        "! Tabulon example database B: fitted to NIST-JANAF tables and to molecular constants.",
        "! CH4, CO2 and OH refitted over 300-3500 K; N2 written with six significant digits.",
        "! H2O from an older fit whose two ranges were fitted separately: Cp jumps at 1000 K.",
    ]
    co2_old = Entry("CO2", args.janaf, (300.0, 1000.0, 3000.0))
    b_tail = ["! An older CO2 fit (300-3000 K), kept for reference; readers use the first CO2."]
    b_tail += co2_old.lines
    write_database(os.path.join(args.out, "therm_a.dat"), (200.0, 1000.0, 5000.0), [], a, [], "\n")
    b_defaults = (300.0, 1000.0, 5000.0)
    write_database(os.path.join(args.out, "therm_b.dat"), b_defaults, b_comments, b, b_tail, "\r\n")

    heads = ("max dCp", "max dH", "max dS", "jump")
    print(f"{'file':<12}{'species':<8}{'source':<8}" + "".join(f"{h:>10}" for h in heads))
    print(f"{'':<28}{'J/mol/K':>10}{'kJ/mol':>10}{'J/mol/K':>10}{'at Tmid':>10}")
    for file, entries in (("therm_a.dat", a), ("therm_b.dat", b + [co2_old])):
        for e in entries:
            dcp, dh, ds, jump = residuals(e)
            print(f"{file:<12}{e.name:<8}{e.tag:<8}{dcp:10.4f}{dh:10.4f}{ds:10.4f}{jump:10.1e}")
    cp, h = check_ch4(next(e for e in a if e.name == "CH4"))
    print(f"CH4 at 298.15 K in therm_a.dat: Cp = {cp} cal/mol/K, H = {h} kcal/mol")
    for file, entries in (("therm_a.dat", a), ("therm_b.dat", b)):
        t_mid, high, low = check_common_temperature(next(e for e in entries if e.name == "H2O"))
        pairs = ", ".join(f"{q} = {x}/{y}" for q, x, y in zip(("Cp", "H", "S"), high, low))
        print(f"H2O at {t_mid:g} K in {file}, high/low set: {pairs}")


if __name__ == "__main__":
    main()
