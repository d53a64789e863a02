# SPDX-License-Identifier: GPL-3.0-or-later
"""Ideal-gas property tables from statistical mechanics, for species without a JANAF table.

Translation (Sackur-Tetrode at 1 bar), electronic levels, a rigid linear rotor and harmonic
vibrations. Results are in the units of a JANAF table so both kinds of source fit the same way.
"""

import math
from dataclasses import dataclass, field

from janaf import Row, Table

# Exact SI values (2019 redefinition).
PLANCK = 6.62607015e-34  # J s
BOLTZMANN = 1.380649e-23  # J/K
AVOGADRO = 6.02214076e23  # 1/mol
R = BOLTZMANN * AVOGADRO  # 8.314462618... J/mol/K
SECOND_RADIATION = 1.438776877  # hc/k in cm K: turns a wavenumber (1/cm) into a temperature
STANDARD_PRESSURE = 1.0e5  # Pa
T298 = 298.15


@dataclass(frozen=True)
class Species:
    name: str
    molar_mass: float  # g/mol
    dfh298: float  # kJ/mol
    levels: list = field(default_factory=lambda: [(1, 0.0)])  # (degeneracy, energy in 1/cm)
    rotor: tuple = None  # linear molecule: (rotational constant B in 1/cm, symmetry number)
    vibrations: list = field(default_factory=list)  # one wavenumber (1/cm) per mode


def _translation(sp, t):
    """Returns (Cp/R, (H-H0)/R in K, S/R)."""
    m = sp.molar_mass * 1e-3 / AVOGADRO
    q = (2 * math.pi * m * BOLTZMANN * t / PLANCK**2) ** 1.5 * BOLTZMANN * t / STANDARD_PRESSURE
    return 2.5, 2.5 * t, math.log(q) + 2.5


def _electronic(sp, t):
    thetas = [(g, SECOND_RADIATION * e) for g, e in sp.levels]
    q = sum(g * math.exp(-th / t) for g, th in thetas)
    mean = sum(g * th * math.exp(-th / t) for g, th in thetas) / q
    mean_sq = sum(g * th * th * math.exp(-th / t) for g, th in thetas) / q
    return (mean_sq - mean * mean) / (t * t), mean, math.log(q) + mean / t


def _rotation(sp, t):
    if sp.rotor is None:
        return 0.0, 0.0, 0.0
    b, sigma = sp.rotor
    return 1.0, t, math.log(t / (sigma * SECOND_RADIATION * b)) + 1.0


def _vibration(sp, t):
    cp = h = s = 0.0
    for nu in sp.vibrations:
        x = SECOND_RADIATION * nu / t
        em1 = math.expm1(x)
        cp += x * x * math.exp(x) / (em1 * em1)
        h += x * t / em1
        s += x / em1 - math.log(-math.expm1(-x))
    return cp, h, s


def properties(sp, t):
    """(Cp/R, (H-H0)/R in K, S/R) of the species at t kelvin and 1 bar."""
    parts = [f(sp, t) for f in (_translation, _electronic, _rotation, _vibration)]
    return tuple(sum(p[i] for p in parts) for i in range(3))


def table(sp, temperatures):
    """A property table on the given grid, in JANAF units."""
    _, h298, s298 = properties(sp, T298)
    rows = []
    for t in temperatures:
        cp, h, s = properties(sp, t)
        rows.append(Row(t, cp * R, s * R, (h - h298) * R / 1000.0))
    return Table(rows, sp.dfh298, s298 * R)
