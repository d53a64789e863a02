# SPDX-License-Identifier: GPL-3.0-or-later
"""NASA seven-coefficient polynomials: a constrained least-squares fit, the tool's evaluation
formulas and the 80-column record layout.

Cp/R  = a1 + a2 T + a3 T^2 + a4 T^3 + a5 T^4
H/RT  = a1 + a2 T/2 + a3 T^2/3 + a4 T^3/4 + a5 T^4/5 + a6/T
S/R   = a1 ln T + a2 T + a3 T^2/2 + a4 T^3/3 + a5 T^4/4 + a7
"""

import math
from dataclasses import dataclass, replace
from decimal import Decimal, getcontext

R = 8.314462618  # J/mol/K, for the J-based tables
T298 = 298.15
SCALE = 1000.0  # the fit works in t = T/1000 so that the powers of t stay near 1


@dataclass(frozen=True)
class Polynomials:
    t_low: float
    t_mid: float
    t_high: float
    high: tuple  # a1..a7, valid from t_mid to t_high
    low: tuple  # a'1..a'7, valid from t_low to t_mid
    dfh298: float  # kJ/mol, written as Hf/R in the last field of line 4


def cp_r(a, t):
    return a[0] + a[1] * t + a[2] * t**2 + a[3] * t**3 + a[4] * t**4


def h_rt(a, t):
    return a[0] + a[1] * t / 2 + a[2] * t**2 / 3 + a[3] * t**3 / 4 + a[4] * t**4 / 5 + a[5] / t


def s_r(a, t):
    return (
        a[0] * math.log(t) + a[1] * t + a[2] * t**2 / 2 + a[3] * t**3 / 3 + a[4] * t**4 / 4 + a[6]
    )


def set_for(p, t):
    return p.low if t < p.t_mid else p.high


# Rows of the linear model in the scaled unknowns b1..b5 (b_k = a_k 1000^(k-1)), c6 = a6/1000, a7.
def _cp_row(t):
    x = t / SCALE
    return [1.0, x, x**2, x**3, x**4, 0.0, 0.0]


def _dcp_row(t):
    x = t / SCALE
    return [0.0, 1.0, 2 * x, 3 * x**2, 4 * x**3, 0.0, 0.0]


def _h_row(t):
    x = t / SCALE
    return [1.0, x / 2, x**2 / 3, x**3 / 4, x**4 / 5, 1 / x, 0.0]


def _s_row(t):
    x = t / SCALE
    return [math.log(t), x, x**2 / 2, x**3 / 3, x**4 / 4, 0.0, 1.0]


def _unscale(b):
    return tuple([b[k] / SCALE**k for k in range(5)] + [b[5] * SCALE, b[6]])


def _solve(matrix, rhs):
    """Gaussian elimination with partial pivoting in 60-digit decimals: the normal equations of
    the fit are ill-conditioned in double precision, and exact-enough arithmetic keeps the
    result the same on every machine."""
    getcontext().prec = 60
    n = len(rhs)
    m = [[Decimal(v) for v in row] + [Decimal(r)] for row, r in zip(matrix, rhs)]
    for col in range(n):
        pivot = max(range(col, n), key=lambda r: abs(m[r][col]))
        m[col], m[pivot] = m[pivot], m[col]
        for r in range(col + 1, n):
            f = m[r][col] / m[col][col]
            if f:
                for c in range(col, n + 1):
                    m[r][c] -= f * m[col][c]
    x = [Decimal(0)] * n
    for r in reversed(range(n)):
        x[r] = (m[r][n] - sum(m[r][c] * x[c] for c in range(r + 1, n))) / m[r][r]
    return [float(v) for v in x]


def _table_rows(table, t_from, t_to):
    """The model rows and targets of Cp/R, H/RT and S/R at every table temperature from t_from
    to t_to, for one set of 7 unknowns."""
    rows, targets = [], []
    for row in table.rows:
        if not t_from <= row.t <= t_to:
            continue
        h_target = (table.dfh298 + row.h_minus_h298) * 1000.0 / (R * row.t)
        for model, target in ((_cp_row, row.cp / R), (_h_row, h_target), (_s_row, row.s / R)):
            rows.append(model(row.t))
            targets.append(target)
    return rows, targets


def _constrained_least_squares(rows, targets, constraints):
    """The unknowns that minimise the squared residuals of rows against targets while every
    (row, value) constraint holds exactly: one KKT system with a Lagrange multiplier each."""
    n, k = len(rows[0]), len(constraints)
    kkt = [[0.0] * (n + k) for _ in range(n + k)]
    rhs = [0.0] * (n + k)
    for i in range(n):
        for j in range(n):
            kkt[i][j] = sum(r[i] * r[j] for r in rows)
        rhs[i] = sum(r[i] * y for r, y in zip(rows, targets))
    for c, (row, value) in enumerate(constraints):
        for j in range(n):
            kkt[n + c][j] = kkt[j][n + c] = row[j]
        rhs[n + c] = value
    return _solve(kkt, rhs)[:n]


def _reference_state(table):
    """H(298.15) = dfH(298.15) and S(298.15) = S(298.15) of the table, on the low set."""
    return [
        (_h_row(T298), table.dfh298 * 1000.0 / (R * T298)),
        (_s_row(T298), table.s298 / R),
    ]


def fit(table, t_low, t_mid, t_high):
    """Least squares on Cp/R, H/RT and S/R at every table temperature of each range, with exact
    constraints: H(298.15) = dfH(298.15) and S(298.15) = S(298.15) of the table, and Cp, dCp/dT,
    H and S continuous at t_mid. Solved as one KKT system in the 14 coefficients."""
    if max(r.cp for r in table.rows) - min(r.cp for r in table.rows) < 1e-9:
        return _constant_cp(table, t_low, t_mid, t_high)
    zero = [0.0] * 7
    low_rows, low_targets = _table_rows(table, t_low, t_mid)
    high_rows, high_targets = _table_rows(table, t_mid, t_high)
    rows = [r + zero for r in low_rows] + [zero + r for r in high_rows]
    neg = lambda r: [-v for v in r]
    constraints = [(row + zero, value) for row, value in _reference_state(table)]
    constraints += [(f(t_mid) + neg(f(t_mid)), 0.0) for f in (_cp_row, _dcp_row, _h_row, _s_row)]
    b = _constrained_least_squares(rows, low_targets + high_targets, constraints)
    return Polynomials(t_low, t_mid, t_high, _unscale(b[7:14]), _unscale(b[0:7]), table.dfh298)


def fit_separately(table, t_low, t_mid, t_high):
    """The way many older records were made: the low set fitted on its own (with the reference
    state held), then the high set on its own, held only to the low set's H and S at t_mid. Cp
    and its slope are left free there, so the two sets meet with a small jump in Cp."""
    low = _constrained_least_squares(*_table_rows(table, t_low, t_mid), _reference_state(table))
    at_mid = lambda f: sum(x * y for x, y in zip(f(t_mid), low))
    joins = [(_h_row(t_mid), at_mid(_h_row)), (_s_row(t_mid), at_mid(_s_row))]
    high = _constrained_least_squares(*_table_rows(table, t_mid, t_high), joins)
    return Polynomials(t_low, t_mid, t_high, _unscale(high), _unscale(low), table.dfh298)


def _constant_cp(table, t_low, t_mid, t_high):
    """Cp independent of T (a monatomic gas without low electronic levels): a1 = Cp/R, the other
    Cp terms vanish and a6, a7 come straight from H and S at 298.15 K."""
    a1 = table.rows[0].cp / R
    a6 = table.dfh298 * 1000.0 / R - a1 * T298
    a7 = table.s298 / R - a1 * math.log(T298)
    a = (a1, 0.0, 0.0, 0.0, 0.0, a6, a7)
    return Polynomials(t_low, t_mid, t_high, a, a, table.dfh298)


def rounded(p, digits):
    """The same polynomials with every coefficient rounded to `digits` significant digits."""
    r = lambda a: tuple(float(f"{v:.{digits - 1}e}") for v in a)
    return replace(p, high=r(p.high), low=r(p.low))


def _field(v):
    return f"{v:15.8E}"


def record(name, source, elements, p):
    """The four lines of one species, 80 columns each, without line ends: name in 1-18, source
    tag in 19-24, element counts in 25-44, phase G in 45, T low in 46-55, T high in 56-65,
    T common in 66-73 and the line number in 80; then 5, 5 and 4 coefficients of 15 characters,
    and Hf(298 K)/R in columns 61-75 of line 4."""
    elems = "".join(f"{sym:<2}{count:>3}" for sym, count in elements)
    line1 = f"{name:<18}{source:<6}{elems:<20}G{p.t_low:10.3f}{p.t_high:10.3f}{p.t_mid:8.2f}"
    a, b = p.high, p.low
    hf_r = p.dfh298 * 1000.0 / R
    return [
        f"{line1:<79}1",
        "".join(map(_field, a[0:5])) + "    2",
        "".join(map(_field, a[5:7] + b[0:3])) + "    3",
        "".join(map(_field, b[3:7] + (hf_r,))) + "    4",
    ]


def parse_record(lines):
    """The limits and coefficients as written in a record (what a reader of the file gets)."""
    tokens = lines[0].split()
    t_low, t_high, t_mid = (float(x) for x in tokens[-4:-1])
    cut = [line[i : i + 15] for line in lines[1:4] for i in range(0, 75, 15)]
    fields = [float(f) for f in cut if f.strip()]
    return t_low, t_high, t_mid, tuple(fields[0:7]), tuple(fields[7:14])
