#!/usr/bin/env python3
"""Derives the constants of the single-precision natural logarithm kernel
(Ln32f in src/pixel/arith_math.cpp): the eight intervals of the mantissa,
their inverse centres and logarithm tables, and the polynomial for
(ln(1 + r) - r) / r^2. Needs python3-mpmath."""
import struct

import mpmath as mp

mp.mp.dps = 50


def f32(x):
    return struct.unpack('f', struct.pack('f', float(x)))[0]


def from_bits(b):
    return struct.unpack('f', struct.pack('I', b))[0]


# Intervals are 2^20 apart in the bit pattern: 1/16 wide below 1 and 1/8
# above. 1 sits at the middle of interval 4 (2^21 / 3 patterns below it,
# twice that distance in value above it), four intervals lie below it.
OFF = 0x3F800000 - 0xAAAAB - 4 * 0x100000
print('offset bits 0x%08X (%.9g)' % (OFF, from_bits(OFF)))

inv_c, ln_hi, ln_lo, r_max = [], [], [], mp.mpf(0)
for i in range(8):
    lo = mp.mpf(from_bits(OFF + i * 0x100000))
    hi = mp.mpf(from_bits(OFF + (i + 1) * 0x100000)) if i < 7 else 2 * mp.mpf(from_bits(OFF))
    c = mp.mpf(1) if i == 4 else (lo + hi) / 2
    ic = f32(1 / c)
    ln_c = -mp.log(mp.mpf(ic))  # ln of the centre actually used: -ln(1/c)
    head = mp.nint(ln_c * 2**16) / 2**16
    inv_c.append(ic)
    ln_hi.append(float(head))
    ln_lo.append(f32(ln_c - head))
    r_max = max(r_max, abs(lo * ic - 1), abs(hi * ic - 1))

R = float(r_max) * 1.001
g = lambda r: (mp.log1p(r) - r) / r**2 if r != 0 else mp.mpf(-0.5)
coeffs = mp.chebyfit(g, [-R, R], 4)  # highest degree first

print('|r| <= %.4f' % float(r_max))
print('1/c:     ' + ', '.join('%.9ef' % v for v in inv_c))
print('ln c hi: ' + ', '.join(repr(v) + 'f' for v in ln_hi))
print('ln c lo: ' + ', '.join('%.9ef' % v for v in ln_lo))
print('P (c3 c2 c1 c0): ' + ', '.join('%.10ef' % f32(v) for v in coeffs))
