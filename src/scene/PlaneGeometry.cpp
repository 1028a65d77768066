#include "scene/PlaneGeometry.h"

#include <cstdint>

namespace scene {

namespace {

Int128 Abs(Int128 v) {
  return v < 0 ? -v : v;
}

// Every value here is below 2^100 in size, so negation is always defined.
Int128 Gcd(Int128 a, Int128 b) {
  a = Abs(a);
  b = Abs(b);
  while (b != 0) {
    const Int128 r = a % b;
    a = b;
    b = r;
  }
  return a;
}

// The trace a x + b q = c, divided by the gcd of its coefficients so that
// converting them to double for drawing loses as little as possible.
PlaneTrace TraceLine(Int128 a, Int128 b, Int128 c) {
  PlaneTrace t;
  if (a == 0 && b == 0) return t;
  const Int128 g = Gcd(Gcd(a, b), c);
  t.exists = true;
  t.a = a / g;
  t.b = b / g;
  t.c = c / g;
  return t;
}

}  // namespace

ExactFraction MakeFraction(Int128 num, Int128 den) {
  if (den < 0) {
    num = -num;
    den = -den;
  }
  const Int128 g = Gcd(num, den);
  if (g > 1) {
    num /= g;
    den /= g;
  }
  return {num, den};
}

PlaneEquation PlaneThrough(const DihedralPoint& A, const DihedralPoint& B, const DihedralPoint& C) {
  // Differences of 32-bit values fit 33 bits; their products 66, the normal 67.
  const Int128 ux = Int128{B.abscissa} - A.abscissa, uy = Int128{B.alejamiento} - A.alejamiento,
               uz = Int128{B.cota} - A.cota;
  const Int128 wx = Int128{C.abscissa} - A.abscissa, wy = Int128{C.alejamiento} - A.alejamiento,
               wz = Int128{C.cota} - A.cota;
  PlaneEquation p;
  p.nx = uy * wz - uz * wy;
  p.ny = uz * wx - ux * wz;
  p.nz = ux * wy - uy * wx;
  p.d = p.nx * A.abscissa + p.ny * A.alejamiento + p.nz * A.cota;
  return p;
}

PlaneTraces TracesOf(const PlaneEquation& plane) {
  PlaneTraces t;
  if (!plane.Defined()) return t;
  t.horizontal = TraceLine(plane.nx, plane.ny, plane.d);
  t.vertical = TraceLine(plane.nx, plane.nz, plane.d);
  if (plane.nx != 0) {
    t.meetGroundLine = true;
    t.groundLineAbscissa = MakeFraction(plane.d, plane.nx);
  } else {
    t.throughGroundLine = plane.d == 0;
  }
  return t;
}

std::string DecimalText(const ExactFraction& f) {
  // Hundredths, rounded half away from zero, exactly.
  const bool negative = f.num < 0;
  const Int128 hundredths = (Abs(f.num) * 200 / f.den + 1) / 2;
  const Int128 whole = hundredths / 100;
  int cents = static_cast<int>(hundredths % 100);
  std::string digits;
  Int128 w = whole;
  do {
    digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(w % 10)));
    w /= 10;
  } while (w != 0);
  std::string text = (negative && hundredths != 0) ? "-" + digits : digits;
  if (cents != 0) {
    text += ',';
    text += static_cast<char>('0' + cents / 10);
    if (cents % 10 != 0) text += static_cast<char>('0' + cents % 10);
  }
  return text;
}

}  // namespace scene
