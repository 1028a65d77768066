// Why a wrong answer is wrong: the first claim of the chosen names that the
// coordinates of the exercise contradict, in one short sentence.
#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "classify/TrueNames.h"
#include "classify/Vocabulary.h"
#include "figures/Explanations.h"

namespace figures {

namespace {

using classify::kContainedType;
using classify::kCutsGroundLineType;
using classify::kInGroundLineRelation;
using classify::kInHRelation;
using classify::kInVRelation;
using classify::kMeetsGroundLineRelation;
using classify::kSinglePointType;
using classify::Shares;

std::string N(std::int64_t v) {
  return std::to_string(v);
}

// ---------------------------------------------------------------------------
// Points: each location claims a side of H (by the cota) and of V (by the
// alejamiento).

std::string CotaOfPoint(std::int32_t cota) {
  const char* where = cota > 0 ? "encima de H" : cota < 0 ? "debajo de H" : "en H";
  return "La cota de A es " + N(cota) + ": el punto está " + where + ".";
}

std::string AlejamientoOfPoint(std::int32_t alejamiento) {
  const char* where = alejamiento > 0 ? "delante de V" : alejamiento < 0 ? "detrás de V" : "en V";
  return "El alejamiento de A es " + N(alejamiento) + ": el punto está " + where + ".";
}

// ---------------------------------------------------------------------------
// Lines: the eight base names each claim which coordinates A and B share.

enum Coordinate { kCota, kAlejamiento, kAbscissa };

std::int32_t ValueOf(const DihedralPoint& p, Coordinate c) {
  return c == kCota ? p.cota : c == kAlejamiento ? p.alejamiento : p.abscissa;
}

bool ClaimOf(const Shares& s, Coordinate c) {
  return c == kCota ? s.cota : c == kAlejamiento ? s.alejamiento : s.abscissa;
}

// "A y B difieren en cota (30 y -30): ", the start of a sentence.
std::string Differ(const Exercise& e, Coordinate c) {
  const char* name = c == kCota ? "cota" : c == kAlejamiento ? "alejamiento" : "abscisa";
  return std::string("A y B difieren en ") + name + " (" + N(ValueOf(e.A, c)) + " y " +
         N(ValueOf(e.B, c)) + "): ";
}

// The truth about one coordinate that a claim of sharing (or not sharing) it
// contradicts.
std::string SharedFact(const Exercise& e, Coordinate c) {
  const std::int32_t a = ValueOf(e.A, c);
  const std::int32_t b = ValueOf(e.B, c);
  if (a == b) {
    switch (c) {
      case kCota:
        if (a == 0) return "A y B tienen cota 0: la recta está contenida en H.";
        return "A y B tienen la misma cota (" + N(a) + "): la recta es paralela a H.";
      case kAlejamiento:
        if (a == 0) return "A y B tienen alejamiento 0: la recta está contenida en V.";
        return "A y B tienen el mismo alejamiento (" + N(a) + "): la recta es paralela a V.";
      case kAbscissa:
        return "A y B tienen la misma abscisa (" + N(a) + "): la recta es perpendicular a L.T.";
    }
  }
  const std::string differ = Differ(e, c);
  switch (c) {
    case kCota:
      return differ + "no es paralela a H.";
    case kAlejamiento:
      return differ + "no es paralela a V.";
    case kAbscissa:
      break;
  }
  return differ + "no es perpendicular a L.T.";
}

// The first coordinate, cota first, whose sharing the claim gets wrong.
std::string ContradictedClaim(const Exercise& e, const Shares& claim) {
  for (Coordinate c : {kCota, kAlejamiento, kAbscissa}) {
    const bool shared = ValueOf(e.A, c) == ValueOf(e.B, c);
    if (ClaimOf(claim, c) != shared) return SharedFact(e, c);
  }
  return {};
}

// "A" or "B", whichever first has a non-zero value of the coordinate.
const char* OffPlane(const Exercise& e, Coordinate c) {
  return ValueOf(e.A, c) != 0 ? "A" : "B";
}

std::string ValueText(const Exercise& e, const char* point, Coordinate c) {
  return N(ValueOf(point[0] == 'A' ? e.A : e.B, c));
}

// Decimal comma, at most two decimals, trailing zeros dropped.
std::string Decimal(double v) {
  const long long hundredths = std::llround(std::fabs(v) * 100.0);
  std::string text = (v < 0 ? "-" : "") + N(hundredths / 100);
  const long long rest = hundredths % 100;
  if (rest != 0) {
    text += ",";
    text += static_cast<char>('0' + rest / 10);
    if (rest % 10 != 0) text += static_cast<char>('0' + rest % 10);
  }
  return text;
}

// For a line that does not meet the ground line: why not.
std::string MissesGroundLine(const Exercise& e) {
  const DihedralPoint& A = e.A;
  const DihedralPoint& B = e.B;
  const bool sameAlejamiento = A.alejamiento == B.alejamiento;
  const bool sameCota = A.cota == B.cota;
  // Parallel to L.T. off it: it keeps that alejamiento and cota, never both 0.
  if (sameAlejamiento && sameCota)
    return "A y B tienen alejamiento " + N(A.alejamiento) + " y cota " + N(A.cota) +
           ": la recta no llega a L.T.";
  // Parallel to V (or H) away from it: it never reaches V (or H), nor the ground line.
  if (sameAlejamiento)
    return "A y B tienen alejamiento " + N(A.alejamiento) + ": la recta no llega a V ni a L.T.";
  if (sameCota) return "A y B tienen cota " + N(A.cota) + ": la recta no llega a H ni a L.T.";
  // Where the line crosses V (alejamiento 0); its cota there is not 0.
  const double dAlejamiento = static_cast<double>(std::int64_t{B.alejamiento} - A.alejamiento);
  const double dCota = static_cast<double>(std::int64_t{B.cota} - A.cota);
  const double cota = A.cota - A.alejamiento * (dCota / dAlejamiento);
  if (std::fabs(cota) < 0.005) return "La recta pasa muy cerca de L.T., pero no la corta.";
  return "La recta corta a V con cota " + Decimal(cota) + ": no pasa por L.T.";
}

std::string NotContained(const Exercise& e) {
  const char* withCota = OffPlane(e, kCota);
  const char* withAlejamiento = OffPlane(e, kAlejamiento);
  const std::string cota = ValueText(e, withCota, kCota);
  const std::string alejamiento = ValueText(e, withAlejamiento, kAlejamiento);
  if (withCota[0] == withAlejamiento[0])
    return std::string(withCota) + " tiene cota " + cota + " y alejamiento " + alejamiento +
           ": la recta no está en H ni en V.";
  return std::string(withCota) + " tiene cota " + cota + " y " + withAlejamiento + " alejamiento " +
         alejamiento + ": la recta no está en H ni en V.";
}

std::string TypeFact(const Exercise& e, std::int32_t type) {
  if (const classify::LineCaseWords* base = classify::BaseCaseOfType(type))
    return ContradictedClaim(e, base->shares);
  if (type == kContainedType) return NotContained(e);
  if (type == kCutsGroundLineType) return MissesGroundLine(e);
  return {};
}

std::string RelationFact(const Exercise& e, std::int32_t relation) {
  if (const classify::LineCaseWords* base = classify::BaseCaseOfRelation(relation))
    return ContradictedClaim(e, base->shares);
  switch (relation) {
    case kMeetsGroundLineRelation:
      return MissesGroundLine(e);
    case kInHRelation: {
      const char* p = OffPlane(e, kCota);
      return std::string(p) + " tiene cota " + ValueText(e, p, kCota) +
             ": la recta no está contenida en H.";
    }
    case kInVRelation: {
      const char* p = OffPlane(e, kAlejamiento);
      return std::string(p) + " tiene alejamiento " + ValueText(e, p, kAlejamiento) +
             ": la recta no está contenida en V.";
    }
    case kInGroundLineRelation: {
      const bool inH = e.A.cota == 0 && e.B.cota == 0;
      const Coordinate c = inH ? kAlejamiento : kCota;
      const char* p = OffPlane(e, c);
      return std::string(p) + " tiene " + (inH ? "alejamiento " : "cota ") + ValueText(e, p, c) +
             ": la recta no está contenida en L.T.";
    }
    default:
      return {};
  }
}

}  // namespace

std::string PointExplanation(const Exercise& e, const Answer& a) {
  const DihedralPoint& p = e.A;
  if (a.chosen < 1 || a.chosen > 9)
    return "Falta la respuesta: A tiene alejamiento " + N(p.alejamiento) + " y cota " + N(p.cota) +
           ".";
  const classify::LocationWords& claimed =
      classify::kLocations[static_cast<std::size_t>(a.chosen - 1)];
  if (claimed.cotaSide != classify::Side(p.cota)) return CotaOfPoint(p.cota);
  if (claimed.alejamientoSide != classify::Side(p.alejamiento))
    return AlejamientoOfPoint(p.alejamiento);
  return {};
}

std::string LineExplanation(const Exercise& e, const Answer& a) {
  const DihedralPoint& A = e.A;
  const DihedralPoint& B = e.B;
  if (a.chosen == 0) return "Falta elegir el tipo de la recta.";
  if (A == B) {
    const bool onGroundLine = A.alejamiento == 0 && A.cota == 0;
    const bool right =
        onGroundLine ? a.chosen == kCutsGroundLineType && a.relation == kMeetsGroundLineRelation
                     : a.chosen == kSinglePointType;
    if (right) return {};
    const std::string at = "(" + N(A.abscissa) + "," + N(A.alejamiento) + "," + N(A.cota) + ")";
    if (onGroundLine) return "A y B coinciden en " + at + ": es un punto de L.T.";
    return "A y B coinciden en " + at + ": la recta es un solo punto.";
  }
  if (a.chosen == kSinglePointType) {
    for (Coordinate c : {kCota, kAlejamiento, kAbscissa})
      if (ValueOf(A, c) != ValueOf(B, c)) return Differ(e, c) + "no son un mismo punto.";
  }
  const bool inGroundLine = A.alejamiento == 0 && B.alejamiento == 0 && A.cota == 0 && B.cota == 0;
  const char* const kNoRelation = "Falta elegir cómo está la recta respecto de H, V y L.T.";
  // In the ground line every base name's claims hold, yet only "CONTENIDA" is true.
  if (inGroundLine) {
    const char* const fact = "A y B tienen alejamiento 0 y cota 0: la recta está contenida en L.T.";
    if (a.chosen != kContainedType) return fact;
    if (a.relation == 0) return kNoRelation;
    return a.relation == kInGroundLineRelation ? std::string() : fact;
  }
  if (!Contains(e.trueTypes, a.chosen)) return TypeFact(e, a.chosen);
  if (a.relation == 0) return kNoRelation;
  if (!Contains(e.trueRelations, a.relation)) return RelationFact(e, a.relation);
  return {};
}

}  // namespace figures
