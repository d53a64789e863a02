# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads a NIST-JANAF table (tab separated) into rows of ideal-gas properties."""

from dataclasses import dataclass


@dataclass(frozen=True)
class Row:
    """One temperature of a property table, in JANAF units."""

    t: float  # K
    cp: float  # J/mol/K
    s: float  # J/mol/K
    h_minus_h298: float  # kJ/mol


@dataclass(frozen=True)
class Table:
    rows: list  # of Row, ascending T
    dfh298: float  # standard enthalpy of formation at 298.15 K, kJ/mol
    s298: float  # standard entropy at 298.15 K, J/mol/K


def read_janaf(path):
    """Columns: T, Cp, S, -[G-H(Tr)]/T, H-H(Tr), delta-f H, delta-f G, log Kf.

    The first two lines are the title and the column names. Rows at 0 K carry "+inf" and are
    never inside a fitting range, so they are skipped.
    """
    rows = []
    dfh298 = s298 = None
    with open(path, encoding="ascii") as f:
        lines = f.read().splitlines()[2:]
    for line in lines:
        fields = line.split("\t")
        if len(fields) < 6 or float(fields[0]) == 0.0:
            continue
        t, cp, s, _, dh, dfh = (float(x) for x in fields[:6])
        rows.append(Row(t, cp, s, dh))
        if t == 298.15:
            dfh298, s298 = dfh, s
    if dfh298 is None:
        raise ValueError(f"{path}: no row at 298.15 K")
    return Table(rows, dfh298, s298)
