// Exact integers and fractions wide enough for belonging and intersections of points
// with 32-bit coordinates. Those need values up to 2^172 (Incidence.cpp bounds each
// one); a 256-bit integer holds them with room to spare, and every operation checks
// its range, so a fault could only ever show as an exception, never as a wrong answer.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "scene/PlaneGeometry.h"

namespace scene {

// A signed 256-bit integer: two's complement in four 64-bit limbs, lowest first.
// +, -, * and / throw std::overflow_error rather than leave the range; / and %
// truncate towards zero as for built-in integers, and throw std::domain_error for a
// zero divisor.
class Int256 {
 public:
  using Limbs = std::array<std::uint64_t, 4>;

  Int256() = default;
  Int256(Int128 v);  // implicit, as a built-in integer widens

  bool IsZero() const { return limbs_ == Limbs{}; }
  bool IsNegative() const { return (limbs_[3] >> 63) != 0; }
  std::string ToString() const;  // decimal, "-" for a negative value
  double ToDouble() const;       // nearest double, for drawing
  std::int64_t ToInt64() const;  // throws std::overflow_error out of range

  friend Int256 operator-(const Int256& a);
  friend Int256 operator+(const Int256& a, const Int256& b);
  friend Int256 operator-(const Int256& a, const Int256& b);
  friend Int256 operator*(const Int256& a, const Int256& b);
  friend Int256 operator/(const Int256& a, const Int256& b);
  friend Int256 operator%(const Int256& a, const Int256& b);
  friend bool operator==(const Int256& a, const Int256& b) { return a.limbs_ == b.limbs_; }
  friend bool operator<(const Int256& a, const Int256& b);
  friend Int256 Gcd(const Int256& a, const Int256& b);  // >= 0; Gcd(0, 0) = 0

 private:
  explicit Int256(const Limbs& limbs) : limbs_(limbs) {}
  // The size of the value, as an unsigned number (2^255 for the least value).
  Limbs Magnitude() const;
  // The value of that size and sign; throws when it is out of range.
  static Int256 Signed(const Limbs& magnitude, bool negative);

  Limbs limbs_{};
};

inline bool operator!=(const Int256& a, const Int256& b) {
  return !(a == b);
}
inline bool operator>(const Int256& a, const Int256& b) {
  return b < a;
}
inline bool operator<=(const Int256& a, const Int256& b) {
  return !(b < a);
}
inline bool operator>=(const Int256& a, const Int256& b) {
  return !(a < b);
}

// num / den in lowest terms with den > 0: equal values are equal members.
class WideFraction {
 public:
  WideFraction() = default;                           // 0
  WideFraction(const Int256& whole) : num_(whole) {}  // implicit: whole / 1
  // Throws std::domain_error when den is zero.
  static WideFraction Of(Int256 num, Int256 den);

  const Int256& num() const { return num_; }
  const Int256& den() const { return den_; }
  int Sign() const { return num_.IsZero() ? 0 : (num_.IsNegative() ? -1 : 1); }
  double ToDouble() const { return num_.ToDouble() / den_.ToDouble(); }

  // Lowest terms, for scripts: "25/2", "-3", "0".
  std::string Text() const;
  // The panel's text, as DecimalText writes an ExactFraction: rounded half away from
  // zero to hundredths, decimal comma, no trailing zero: "12,5", "-0,13", "3".
  std::string DecimalCommaText() const;

 private:
  Int256 num_;
  Int256 den_{1};
};

inline bool operator==(const WideFraction& a, const WideFraction& b) {
  return a.num() == b.num() && a.den() == b.den();
}
inline bool operator!=(const WideFraction& a, const WideFraction& b) {
  return !(a == b);
}

}  // namespace scene
