#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <stdexcept>

#include "scene/PlaneGeometry.h"
#include "scene/WideInt.h"

namespace {

using scene::Int256;
using scene::WideFraction;

Int256 Pow(std::int64_t base, int exponent) {
  Int256 r = 1;
  for (int i = 0; i < exponent; ++i) r = r * base;
  return r;
}

TEST(Int256, ArithmeticAcrossLimbsMatchesKnownValues) {
  const Int256 a = Pow(3, 100), b = Pow(7, 30);  // 159 and 85 bits
  EXPECT_EQ(a.ToString(), "515377520732011331036461129765621272702107522001");
  EXPECT_NEAR(a.ToDouble() / 5.15377520732011331e47, 1.0, 1e-15);
  // Division and remainder truncate towards zero, as for built-in integers.
  EXPECT_EQ((-(a * b) - 5) / b, -a);
  EXPECT_EQ((-(a * b) - 5) % b, -5);
  EXPECT_EQ(Int256(7) % -2, 1);
  EXPECT_EQ(Gcd(a * b * 14, -(b * 21)), b * 21);
  EXPECT_TRUE(-a < -b && -b < b && b < a && !(a < a));
}

TEST(Int256, LeavingTheRangeThrowsInsteadOfWrapping) {
  const Int256 half = Pow(2, 254);
  const Int256 least = -half - half;  // -2^255 is in range
  EXPECT_EQ(least.ToString(),
            "-57896044618658097711785492504343953926634992332820282019728792003956564819968");
  EXPECT_THROW(half + half, std::overflow_error);
  EXPECT_THROW(least - 1, std::overflow_error);
  EXPECT_THROW(least / -1, std::overflow_error);
  EXPECT_THROW(Pow(2, 128) * Pow(2, 128), std::overflow_error);
  EXPECT_THROW(Int256(1) / 0, std::domain_error);
  EXPECT_THROW((Int256(std::numeric_limits<std::int64_t>::max()) + 1).ToInt64(),
               std::overflow_error);
}

TEST(WideFraction, LowestTermsAndTexts) {
  EXPECT_EQ(WideFraction::Of(50, -4).Text(), "-25/2");
  EXPECT_EQ(WideFraction::Of(0, -5), WideFraction());
  EXPECT_THROW(WideFraction::Of(1, 0), std::domain_error);
  // The panel's rounding is DecimalText's, half away from zero included (1/8, 1/40).
  for (int num = -250; num <= 250; ++num)
    for (int den = 1; den <= 40; ++den)
      ASSERT_EQ(WideFraction::Of(num, den).DecimalCommaText(),
                scene::DecimalText(scene::MakeFraction(num, den)))
          << num << "/" << den;
  EXPECT_EQ(WideFraction::Of(-1, 8).DecimalCommaText(), "-0,13");
  EXPECT_EQ(WideFraction::Of(-Pow(2, 150) - Pow(2, 149), Pow(2, 120)).DecimalCommaText(),
            "-1610612736");
}

}  // namespace
