#include "quiz/PlaneExercise.h"

#include <algorithm>

#include "classify/Planes.h"
#include "classify/Vocabulary.h"
#include "scene/PlaneGeometry.h"

namespace quiz {

namespace {

// Tries before a drawing that keeps missing its type is taken as it is; with test
// mode's bounds nearly every first try hits.
constexpr int kTries = 200;

// Uniform in -(bound - 1) .. bound - 1.
std::int32_t Coordinate(const RandomSource& random, std::int32_t bound) {
  if (bound <= 1) return 0;
  return random(2 * bound - 1) - (bound - 1);
}

// As Coordinate, never 0 (0 when the bound leaves no other choice).
std::int32_t NonZero(const RandomSource& random, std::int32_t bound) {
  if (bound <= 1) return 0;
  const std::int32_t v = random(bound - 1) + 1;
  return random(2) == 1 ? -v : v;
}

GeneratedExercise Candidate(const RandomSource& random, ExerciseBounds bounds, std::int32_t code) {
  const std::int32_t X = bounds.abscissa;
  const std::int32_t D = bounds.distance;
  const auto any = [&] {
    return DihedralPoint{Coordinate(random, X), Coordinate(random, D), Coordinate(random, D)};
  };
  GeneratedExercise e;
  e.figure = scene::Figure::kPlane;
  DihedralPoint& a = e.a;
  DihedralPoint& b = e.b;
  DihedralPoint& c = e.c;
  a = any();
  b = any();
  c = any();
  switch (code) {
    case 1:  // one cota
      b.cota = c.cota = a.cota = NonZero(random, D);
      break;
    case 2:  // one alejamiento
      b.alejamiento = c.alejamiento = a.alejamiento = NonZero(random, D);
      break;
    case 3:  // one abscissa
      b.abscissa = c.abscissa = a.abscissa;
      break;
    case 4:  // C above A: the plane holds the vertical through A
      c.abscissa = a.abscissa;
      c.alejamiento = a.alejamiento;
      break;
    case 5:  // C in front of A: the plane holds the line de punta through A
      c.abscissa = a.abscissa;
      c.cota = a.cota;
      break;
    case 6:  // AB parallel to L.T.
      b.alejamiento = a.alejamiento;
      b.cota = a.cota;
      break;
    case 7:  // A on L.T., C opposite B across it
      a.alejamiento = a.cota = 0;
      c.alejamiento = -b.alejamiento;
      c.cota = -b.cota;
      break;
    case 9:  // all in H or all in V
      if (random(2) == 1) {
        a.cota = b.cota = c.cota = 0;
      } else {
        a.alejamiento = b.alejamiento = c.alejamiento = 0;
      }
      break;
    case 10:  // two points the same
      c = a;
      break;
    default:  // 8: any three points
      break;
  }
  return e;
}

}  // namespace

std::int32_t DrawPlaneTypeCode(const RandomSource& random) {
  // Three chances in 26 each for 1..8, one each for 9 and 10.
  const std::int32_t r = random(26);
  if (r < 24) return r / 3 + 1;
  return r == 24 ? 9 : 10;
}

GeneratedExercise DrawPlaneExercise(const RandomSource& random, ExerciseBounds bounds,
                                    std::int32_t code) {
  GeneratedExercise e;
  for (int k = 0; k < kTries; ++k) {
    e = Candidate(random, bounds, code);
    if (classify::PlaneType(e.a, e.b, e.c).code == code) break;
  }
  return e;
}

GeneratedExercise DrawPlaneExercise(const RandomSource& random, ExerciseBounds bounds) {
  return DrawPlaneExercise(random, bounds, DrawPlaneTypeCode(random));
}

}  // namespace quiz
