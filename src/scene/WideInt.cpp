#include "scene/WideInt.h"

#include <cmath>
#include <cstddef>
#include <stdexcept>

namespace scene {

namespace {

__extension__ typedef unsigned __int128 UInt128;
using Limbs = Int256::Limbs;
constexpr std::size_t kLimbs = 4;

// Unsigned arithmetic on the limbs, modulo 2^256.

int Compare(const Limbs& a, const Limbs& b) {
  for (std::size_t i = kLimbs; i-- > 0;)
    if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
  return 0;
}

Limbs Add(const Limbs& a, const Limbs& b) {
  Limbs r{};
  std::uint64_t carry = 0;
  for (std::size_t i = 0; i < kLimbs; ++i) {
    const UInt128 s = UInt128{a[i]} + b[i] + carry;
    r[i] = static_cast<std::uint64_t>(s);
    carry = static_cast<std::uint64_t>(s >> 64);
  }
  return r;
}

Limbs Subtract(const Limbs& a, const Limbs& b) {
  Limbs r{};
  std::uint64_t borrow = 0;
  for (std::size_t i = 0; i < kLimbs; ++i) {
    r[i] = a[i] - b[i] - borrow;
    borrow = (a[i] < b[i] || (a[i] == b[i] && borrow != 0)) ? 1 : 0;
  }
  return r;
}

bool Fits128(const Limbs& a) {
  return a[2] == 0 && a[3] == 0;
}
UInt128 To128(const Limbs& a) {
  return (UInt128{a[1]} << 64) | a[0];
}
Limbs From128(UInt128 v) {
  return {static_cast<std::uint64_t>(v), static_cast<std::uint64_t>(v >> 64), 0, 0};
}

bool Bit(const Limbs& a, std::size_t bit) {
  return ((a[bit / 64] >> (bit % 64)) & 1) != 0;
}

std::size_t BitLength(const Limbs& a) {
  for (std::size_t i = kLimbs; i-- > 0;)
    for (std::size_t bit = 64; bit-- > 0;)
      if (((a[i] >> bit) & 1) != 0) return 64 * i + bit + 1;
  return 0;
}

Limbs ShiftRight(const Limbs& a, std::size_t bits) {
  Limbs r{};
  const std::size_t limbs = bits / 64, rest = bits % 64;
  for (std::size_t i = 0; i + limbs < kLimbs; ++i) {
    r[i] = a[i + limbs] >> rest;
    if (rest != 0 && i + limbs + 1 < kLimbs) r[i] |= a[i + limbs + 1] << (64 - rest);
  }
  return r;
}

// q = a / b and r = a % b, b != 0, for magnitudes (at most 2^255): natively when both
// fit 64 or 128 bits, else by shift and subtract over the bits of a below b's length, where
// r < b <= 2^255 keeps 2 r + 1 in range.
void Divide(const Limbs& a, const Limbs& b, Limbs* q, Limbs* r) {
  if (Fits128(a) && Fits128(b) && a[1] == 0 &&
      b[1] == 0) {  // the quickest division, and the commonest
    *q = {a[0] / b[0], 0, 0, 0};
    *r = {a[0] % b[0], 0, 0, 0};
    return;
  }
  if (Fits128(a) && Fits128(b)) {
    *q = From128(To128(a) / To128(b));
    *r = From128(To128(a) % To128(b));
    return;
  }
  *q = Limbs{};
  const std::size_t la = BitLength(a), lb = BitLength(b);
  if (la < lb) {
    *r = a;
    return;
  }
  *r = ShiftRight(a, la - lb + 1);  // a's top lb - 1 bits: below b
  for (std::size_t bit = la - lb + 1; bit-- > 0;) {
    *r = Add(*r, *r);
    (*r)[0] |= Bit(a, bit) ? 1 : 0;
    if (Compare(*r, b) >= 0) {
      *r = Subtract(*r, b);
      (*q)[bit / 64] |= std::uint64_t{1} << (bit % 64);
    }
  }
}

// Divides a by a small d in place; returns the remainder.
std::uint64_t DivideSmall(Limbs* a, std::uint64_t d) {
  UInt128 rest = 0;
  for (std::size_t i = kLimbs; i-- > 0;) {
    const UInt128 current = (rest << 64) | (*a)[i];
    (*a)[i] = static_cast<std::uint64_t>(current / d);
    rest = current % d;
  }
  return static_cast<std::uint64_t>(rest);
}

void RequireDivisor(const Int256& b) {
  if (b.IsZero()) throw std::domain_error("division entera por cero");
}

}  // namespace

Int256::Int256(Int128 v) {
  const auto bits = static_cast<UInt128>(v);  // modulo 2^128: two's complement
  const std::uint64_t fill = v < 0 ? ~std::uint64_t{0} : 0;
  limbs_ = {static_cast<std::uint64_t>(bits), static_cast<std::uint64_t>(bits >> 64), fill, fill};
}

Int256::Limbs Int256::Magnitude() const {
  return IsNegative() ? Subtract(Limbs{}, limbs_) : limbs_;
}

Int256 Int256::Signed(const Limbs& magnitude, bool negative) {
  const Limbs least{0, 0, 0, std::uint64_t{1} << 63};  // 2^255
  const int size = Compare(magnitude, least);
  if (size > 0 || (size == 0 && !negative))
    throw std::overflow_error("entero de 256 bits desbordado");
  return Int256(negative ? Subtract(Limbs{}, magnitude) : magnitude);
}

Int256 operator-(const Int256& a) {
  return Int256::Signed(a.Magnitude(), !a.IsNegative());
}

Int256 operator+(const Int256& a, const Int256& b) {
  const Int256 r(Add(a.limbs_, b.limbs_));
  if (a.IsNegative() == b.IsNegative() && r.IsNegative() != a.IsNegative())
    throw std::overflow_error("entero de 256 bits desbordado");
  return r;
}

Int256 operator-(const Int256& a, const Int256& b) {
  const Int256 r(Subtract(a.limbs_, b.limbs_));
  if (a.IsNegative() != b.IsNegative() && r.IsNegative() != a.IsNegative())
    throw std::overflow_error("entero de 256 bits desbordado");
  return r;
}

Int256 operator*(const Int256& a, const Int256& b) {
  const Limbs x = a.Magnitude(), y = b.Magnitude();
  // Schoolbook, into eight limbs: x_i y_j + p + carry <= (2^64 - 1)^2 + 2 (2^64 - 1) < 2^128.
  std::array<std::uint64_t, 2 * kLimbs> p{};
  for (std::size_t i = 0; i < kLimbs; ++i) {
    std::uint64_t carry = 0;
    for (std::size_t j = 0; j < kLimbs; ++j) {
      const UInt128 t = UInt128{x[i]} * y[j] + p[i + j] + carry;
      p[i + j] = static_cast<std::uint64_t>(t);
      carry = static_cast<std::uint64_t>(t >> 64);
    }
    p[i + kLimbs] = carry;
  }
  for (std::size_t i = kLimbs; i < 2 * kLimbs; ++i)
    if (p[i] != 0) throw std::overflow_error("entero de 256 bits desbordado");
  return Int256::Signed({p[0], p[1], p[2], p[3]}, a.IsNegative() != b.IsNegative());
}

Int256 operator/(const Int256& a, const Int256& b) {
  RequireDivisor(b);
  Limbs q{}, r{};
  Divide(a.Magnitude(), b.Magnitude(), &q, &r);
  return Int256::Signed(q, a.IsNegative() != b.IsNegative());
}

Int256 operator%(const Int256& a, const Int256& b) {
  RequireDivisor(b);
  Limbs q{}, r{};
  Divide(a.Magnitude(), b.Magnitude(), &q, &r);
  return Int256::Signed(r, a.IsNegative());
}

bool operator<(const Int256& a, const Int256& b) {
  if (a.IsNegative() != b.IsNegative()) return a.IsNegative();
  return Compare(a.limbs_, b.limbs_) < 0;  // one sign: two's complement orders as unsigned
}

Int256 Gcd(const Int256& a, const Int256& b) {
  Limbs x = a.Magnitude(), y = b.Magnitude();
  while (y != Limbs{}) {
    Limbs q{}, r{};
    Divide(x, y, &q, &r);
    x = y;
    y = r;
  }
  return Int256::Signed(x, false);
}

std::string Int256::ToString() const {
  constexpr std::uint64_t kChunk = 10'000'000'000'000'000'000u;  // 10^19 < 2^64
  Limbs rest = Magnitude();
  std::string digits;
  do {
    std::uint64_t chunk = DivideSmall(&rest, kChunk);
    for (int i = 0; i < 19 && (chunk != 0 || rest != Limbs{}); ++i, chunk /= 10)
      digits.insert(digits.begin(), static_cast<char>('0' + chunk % 10));
  } while (rest != Limbs{});
  if (digits.empty()) digits = "0";
  return IsNegative() ? "-" + digits : digits;
}

double Int256::ToDouble() const {
  const Limbs m = Magnitude();
  double v = 0;
  for (std::size_t i = kLimbs; i-- > 0;) v = std::ldexp(v, 64) + static_cast<double>(m[i]);
  return IsNegative() ? -v : v;
}

std::int64_t Int256::ToInt64() const {
  const Limbs m = Magnitude();
  const bool small = m[1] == 0 && m[2] == 0 && m[3] == 0;
  const std::uint64_t limit = std::uint64_t{1} << 63;  // the size of the least int64
  if (!small || m[0] > limit || (m[0] == limit && !IsNegative()))
    throw std::overflow_error("entero fuera del rango de 64 bits");
  if (!IsNegative()) return static_cast<std::int64_t>(m[0]);
  return -static_cast<std::int64_t>(m[0] - 1) - 1;  // m[0] >= 1, up to 2^63
}

WideFraction WideFraction::Of(Int256 num, Int256 den) {
  RequireDivisor(den);
  if (den.IsNegative()) {
    num = -num;
    den = -den;
  }
  const Int256 g = Gcd(num, den);  // >= 1, for den != 0
  WideFraction f;
  f.num_ = num / g;
  f.den_ = den / g;
  return f;
}

std::string WideFraction::Text() const {
  return den_ == 1 ? num_.ToString() : num_.ToString() + "/" + den_.ToString();
}

std::string WideFraction::DecimalCommaText() const {
  const bool negative = num_.IsNegative();
  const Int256 size = negative ? -num_ : num_;
  const Int256 hundredths = (size * 200 / den_ + 1) / 2;  // half away from zero
  const std::int64_t cents = (hundredths % 100).ToInt64();
  std::string text = (hundredths / 100).ToString();
  if (negative && !hundredths.IsZero()) text.insert(text.begin(), '-');
  if (cents != 0) {
    text += ',';
    text += static_cast<char>('0' + cents / 10);
    if (cents % 10 != 0) text += static_cast<char>('0' + cents % 10);
  }
  return text;
}

}  // namespace scene
