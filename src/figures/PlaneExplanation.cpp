// Why a plane is of its type, in one short sentence from its points: the shared
// coordinate, the two points whose projections coincide, or where its traces lie;
// and why a wrong name is not, from the fact that rules that name out.
#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

#include "classify/Classification.h"
#include "classify/Planes.h"
#include "classify/Vocabulary.h"
#include "figures/Explanations.h"
#include "scene/PlaneGeometry.h"

namespace figures {

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

// Characters, not bytes: α and × count once.
std::size_t Length(const std::string& s) {
  std::size_t n = 0;
  for (const unsigned char c : s) n += (c & 0xC0u) != 0x80u;
  return n;
}

// The strip beside the title holds this many characters of the explanation's font.
constexpr std::size_t kExplanationChars = 70;

std::string Fitting(const std::string& wanted, const std::string& shorter) {
  return Length(wanted) <= kExplanationChars ? wanted : shorter;
}

// "A y C difieren en cota (20 y -5): ", the first two points that differ in it.
std::string Differ(const Named (&points)[3], std::int32_t DihedralPoint::*coordinate,
                   const char* name) {
  const auto [p, q] =
      PairWhere(points, [coordinate](const DihedralPoint& u, const DihedralPoint& v) {
        return u.*coordinate != v.*coordinate;
      });
  if (p.letter == nullptr) return {};  // all equal: then the name is not wrong
  return std::string(p.letter) + " y " + q.letter + " difieren en " + name + " (" +
         N(p.p->*coordinate) + " y " + N(q.p->*coordinate) + "): ";
}

// A point off H and a point off V, which neither H nor V can hold.
std::string NeitherHNorV(const Named (&points)[3]) {
  const Named* const end = points + 3;
  const Named* cota = std::find_if(points, end, [](const Named& n) { return n.p->cota != 0; });
  const Named* alejamiento =
      std::find_if(points, end, [](const Named& n) { return n.p->alejamiento != 0; });
  if (cota == end || alejamiento == end) return {};  // H or V after all
  if (cota == alejamiento)
    return std::string(cota->letter) + " tiene cota " + N(cota->p->cota) + " y alejamiento " +
           N(cota->p->alejamiento) + ": el plano no es H ni V.";
  return std::string(cota->letter) + " tiene cota " + N(cota->p->cota) + " y " +
         alejamiento->letter + " alejamiento " + N(alejamiento->p->alejamiento) +
         ": el plano no es H ni V.";
}

}  // namespace

std::string PlaneExplanation(const DihedralPoint& A, const DihedralPoint& B, const DihedralPoint& C,
                             std::int32_t chosen) {
  if (chosen < 1 || chosen > static_cast<std::int32_t>(classify::kPlaneTypes.size()))
    return "Falta elegir el tipo de plano.";
  const auto [code, name] = classify::PlaneType(A, B, C);

  const Named points[3] = {{"A", &A}, {"B", &B}, {"C", &C}};
  const scene::PlaneEquation plane = scene::PlaneThrough(A, B, C);
  const auto groundLineX = [&] { return DecimalText(MakeFraction(plane.d, plane.nx)); };
  // No plane, or a plane answered as none: whether the points are aligned decides.
  if (code == 10) return PlaneFact(A, B, C);
  if (chosen == 10) return "A, B y C no están alineados: definen un plano.";
  if (code == 9)
    return name == "ES EL PLANO H"
               ? "A, B y C tienen cota 0: es el plano H, sin α1; su α2 es L.T."
               : "A, B y C tienen alejamiento 0: es el plano V, sin α2; su α1 es L.T.";
  switch (chosen) {
    case 1:
      return Differ(points, &DihedralPoint::cota, "cota") + "el plano no es horizontal.";
    case 2:
      return Differ(points, &DihedralPoint::alejamiento, "alejamiento") + "el plano no es frontal.";
    case 3:
      return Differ(points, &DihedralPoint::abscissa, "abscisa") + "el plano no es de perfil.";
    case 4:
      // Perpendicular to H, the plane projects onto H as one line, α1.
      return "a, b y c no están alineados: el plano no es proyectante horizontal.";
    case 5:
      return "a', b' y c' no están alineados: el plano no es proyectante vertical.";
    case 6:
    case 7: {
      const bool parallel = chosen == 6;
      if (plane.nx != 0)
        return parallel
                   ? "El plano corta a L.T. en x = " + groundLineX() + ": no es paralelo a ella."
                   : "El plano corta a L.T. solo en x = " + groundLineX() + ": no la contiene.";
      if (code == 1)
        return "A, B y C tienen cota " + N(A.cota) +
               (parallel ? ": es paralelo a H, no solo a L.T." : ": el plano no llega a L.T.");
      if (code == 2)
        return "A, B y C tienen alejamiento " + N(A.alejamiento) +
               (parallel ? ": es paralelo a V, no solo a L.T." : ": el plano no llega a L.T.");
      // Parallel to L.T. answered as through it; through L.T. answered as parallel.
      if (code == 6)
        return Fitting("α1 (alejamiento " + DecimalText(MakeFraction(plane.d, plane.ny)) +
                           ") y α2 (cota " + DecimalText(MakeFraction(plane.d, plane.nz)) +
                           "): el plano no pasa por L.T.",
                       "α1 y α2 son paralelas a L.T., sin tocarla: no pasa por L.T.");
      return PlaneFact(A, B, C);
    }
    case 9:
      return NeitherHNorV(points);
    default:  // 8: the special fact, which no oblique plane has
      return PlaneFact(A, B, C);
  }
}

std::string PlaneFact(const DihedralPoint& A, const DihedralPoint& B, const DihedralPoint& C) {
  const auto [code, name] = classify::PlaneType(A, B, C);

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

}  // namespace figures
