#!/usr/bin/env python3
"""Finds ramp channel values where rounding each operation first to a 64-bit
significand and then to a double gives another value than plain double
arithmetic. Exact rational arithmetic (fractions) models the first; Python
floats are IEEE doubles and model the second. Prints C++ table rows
{start, end, count, t, value, plainValue} for tests/generator.

Usage: find_ramp_cases.py [MAX_COUNT] [HOW_MANY]
"""
import math
import sys
from fractions import Fraction


def round_bits(x: Fraction, bits: int) -> Fraction:
    """x rounded to `bits` significant bits, to nearest, ties to even."""
    if x == 0:
        return x
    sign = -1 if x < 0 else 1
    x = abs(x)
    e = x.numerator.bit_length() - x.denominator.bit_length()
    # Make 2^(bits-1) <= x / 2^e < 2^bits.
    while x / Fraction(2) ** e >= 2 ** bits:
        e += 1
    while x / Fraction(2) ** e < 2 ** (bits - 1):
        e -= 1
    m = x / Fraction(2) ** e
    whole = m.numerator // m.denominator
    rest = m - whole
    if rest > Fraction(1, 2) or (rest == Fraction(1, 2) and whole % 2 == 1):
        whole += 1
    return sign * Fraction(whole) * Fraction(2) ** e


def stored(x: Fraction) -> Fraction:
    return round_bits(round_bits(x, 64), 53)


def extended_value(s: int, e: int, n: int, t: int) -> int:
    step = stored(Fraction(e - s, n))
    total = stored(s + stored(step * t))
    return math.trunc(total)


def plain_value(s: int, e: int, n: int, t: int) -> int:
    step = float(e - s) / float(n)
    return math.trunc(float(s) + step * float(t))


def main() -> None:
    max_count = int(sys.argv[1]) if len(sys.argv) > 1 else 6000
    how_many = int(sys.argv[2]) if len(sys.argv) > 2 else 12
    found = 0
    for n in range(2049, max_count + 1):
        for d in range(-255, 256):
            if d == 0:
                continue
            g = math.gcd(abs(d), n)
            if g == 1:
                continue  # the exact value is never a whole number: no room to differ
            if stored(Fraction(d, n)) == Fraction(float(d) / float(n)):
                continue  # same step; products then agree to the same integer
            s = 0 if d > 0 else -d
            e = s + d
            for k in range(1, g):
                t = k * n // g
                a, b = extended_value(s, e, n, t), plain_value(s, e, n, t)
                if a != b:
                    print(f"    {{{s}, {e}, {n}, {t}, {a}, {b}}},")
                    found += 1
                    if found >= how_many:
                        return
                    break


if __name__ == "__main__":
    main()
