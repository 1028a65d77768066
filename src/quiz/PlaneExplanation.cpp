// Why a plane is of its type, in one short sentence from its points: the shared
// coordinate, the two points whose projections coincide, or where its traces lie.
#include <cstdint>
#include <string>
#include <utility>

#include "classify/Classification.h"
#include "classify/Planes.h"
#include "quiz/PlaneExercise.h"
#include "scene/PlaneGeometry.h"

namespace quiz {

namespace {

using scene::DecimalText;
using scene::Int128;
using scene::MakeFraction;

std::string N(std::int32_t v) {
  return std::to_string(v);
}

struct Named {
  const char* letter;
  const DihedralPoint* p;
};

// The first two of A, B, C that agree by same(), or null letters when none do.
template <typename Same>
std::pair<Named, Named> PairWhere(const Named (&points)[3], Same same) {
  for (int i = 0; i < 3; ++i)
    for (int j = i + 1; j < 3; ++j)
      if (same(*points[i].p, *points[j].p)) return {points[i], points[j]};
  return {{nullptr, nullptr}, {nullptr, nullptr}};
}

// "a y c", or with mark "'" "a' y c'": the projections of two of the points.
std::string Projections(const Named& p, const Named& q, const char* mark) {
  const auto lower = [](const Named& n) {
    return std::string(1, static_cast<char>(n.letter[0] - 'A' + 'a'));
  };
  return lower(p) + mark + " y " + lower(q) + mark;
}

// "-3/2" or "2": the exact ratio num / den.
std::string Ratio(Int128 num, Int128 den) {
  const scene::ExactFraction f = MakeFraction(num, den);
  const auto text = [](Int128 v) {
    // |v| stays far below 2^127: a normal's components are below 2^66.
    const bool negative = v < 0;
    Int128 m = negative ? -v : v;
    std::string digits;
    do {
      digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(m % 10)));
      m /= 10;
    } while (m != 0);
    return negative ? "-" + digits : digits;
  };
  return f.den == 1 ? text(f.num) : text(f.num) + "/" + text(f.den);
}

std::string Aligned(const Named (&points)[3]) {
  const auto [p, q] =
      PairWhere(points, [](const DihedralPoint& u, const DihedralPoint& v) { return u == v; });
  if (p.letter != nullptr) {
    const DihedralPoint& at = *p.p;
    return std::string(p.letter) + " y " + q.letter + " coinciden en (" + N(at.abscissa) + "," +
           N(at.alejamiento) + "," + N(at.cota) + "): no definen un plano.";
  }
  // C - A = t (B - A), t read from the first coordinate in which A and B differ.
  const DihedralPoint& A = *points[0].p;
  const DihedralPoint& B = *points[1].p;
  const DihedralPoint& C = *points[2].p;
  Int128 num = Int128{C.abscissa} - A.abscissa, den = Int128{B.abscissa} - A.abscissa;
  if (den == 0) {
    num = Int128{C.alejamiento} - A.alejamiento;
    den = Int128{B.alejamiento} - A.alejamiento;
  }
  if (den == 0) {
    num = Int128{C.cota} - A.cota;
    den = Int128{B.cota} - A.cota;
  }
  return "C - A = " + Ratio(num, den) + " (B - A): A, B y C están alineados, no hay plano.";
}

}  // namespace

std::string PlaneFact(const DihedralPoint& A, const DihedralPoint& B, const DihedralPoint& C) {
  const std::int32_t classCode = classify::ClassCode;
  const std::string name = classify::PlaneType(A, B, C);
  const std::int32_t code = classify::ClassCode;
  classify::ClassCode = classCode;

  const Named points[3] = {{"A", &A}, {"B", &B}, {"C", &C}};
  const scene::PlaneEquation plane = scene::PlaneThrough(A, B, C);
  // Where α1 or α2 meets L.T., for a trace perpendicular to it.
  const auto groundLineX = [&] { return DecimalText(MakeFraction(plane.d, plane.nx)); };
  switch (code) {
    case 1:
      return "A, B y C tienen la misma cota (" + N(A.cota) + "): el plano es horizontal.";
    case 2:
      return "A, B y C tienen el mismo alejamiento (" + N(A.alejamiento) +
             "): el plano es frontal.";
    case 3:
      return "A, B y C tienen la misma abscisa (" + N(A.abscissa) + "): el plano es de perfil.";
    case 4: {
      const auto [p, q] = PairWhere(points, [](const DihedralPoint& u, const DihedralPoint& v) {
        return u.abscissa == v.abscissa && u.alejamiento == v.alejamiento;
      });
      if (p.letter == nullptr)
        return "α2 es perpendicular a L.T. en x = " + groundLineX() + ": proyectante horizontal.";
      return Projections(p, q, "") + " coinciden en (" + N(p.p->abscissa) + "," +
             N(p.p->alejamiento) + "): el plano es proyectante horizontal.";
    }
    case 5: {
      const auto [p, q] = PairWhere(points, [](const DihedralPoint& u, const DihedralPoint& v) {
        return u.abscissa == v.abscissa && u.cota == v.cota;
      });
      if (p.letter == nullptr)
        return "α1 es perpendicular a L.T. en x = " + groundLineX() + ": proyectante vertical.";
      return Projections(p, q, "'") + " coinciden en (" + N(p.p->abscissa) + "," + N(p.p->cota) +
             "): el plano es proyectante vertical.";
    }
    case 6: {
      const auto [p, q] = PairWhere(points, [](const DihedralPoint& u, const DihedralPoint& v) {
        return u.alejamiento == v.alejamiento && u.cota == v.cota;
      });
      if (p.letter == nullptr)
        return "α1 (alejamiento " + DecimalText(MakeFraction(plane.d, plane.ny)) + ") y α2 (cota " +
               DecimalText(MakeFraction(plane.d, plane.nz)) + ") son paralelas a L.T.";
      return std::string(p.letter) + " y " + q.letter + " tienen alejamiento " +
             N(p.p->alejamiento) + " y cota " + N(p.p->cota) + ": el plano es paralelo a L.T.";
    }
    case 7: {
      // ny y + nz z = 0: every point has the cota -ny / nz times its alejamiento.
      if (plane.ny == -plane.nz)
        return "A, B y C tienen cota = alejamiento: es el primer bisector, por L.T.";
      if (plane.ny == plane.nz)
        return "A, B y C tienen cota = -alejamiento: es el segundo bisector, por L.T.";
      return "A, B y C tienen cota = " + Ratio(-plane.ny, plane.nz) +
             " × alejamiento: el plano pasa por L.T.";
    }
    case 8:
      return "α1 y α2 cortan a L.T. en x = " + groundLineX() + ", oblicuas: el plano es oblicuo.";
    case 9:
      return name == "ES EL PLANO H" ? "A, B y C tienen cota 0: es el plano H."
                                     : "A, B y C tienen alejamiento 0: es el plano V.";
    default:
      return Aligned(points);
  }
}

}  // namespace quiz
