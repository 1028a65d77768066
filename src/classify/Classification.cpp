#include "classify/Classification.h"

#include <cstddef>

#include "classify/TrueNames.h"
#include "classify/Vocabulary.h"
#include "scene/Utf8Text.h"

namespace classify {

namespace {

// Every text shown beside the drawing fits a 40-character field.
constexpr std::size_t kMaxTextChars = 40;

std::string CutText(const std::string& text) {
  return scene::CutText(text, kMaxTextChars);
}

// Decimal, right-aligned in three characters; a longer number is kept whole.
std::string Field3(std::int32_t v) {
  std::string digits = std::to_string(v);
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), ' ');
  return digits;
}

LineCase ClassifyLine(const DihedralPoint& A, const DihedralPoint& B) {
  const bool sameAbscissa = A.abscissa == B.abscissa;
  const bool sameAlejamiento = A.alejamiento == B.alejamiento;
  const bool sameCota = A.cota == B.cota;

  const LineCase base = BaseCase({sameAbscissa, sameAlejamiento, sameCota}).lineCase;

  // The overrides run in this order and each one that applies replaces the last; a
  // single point is never "contained" in a plane, but may still touch the ground line.
  LineCase result = base;
  const bool bothInV = A.alejamiento == 0 && B.alejamiento == 0;
  const bool bothInH = A.cota == 0 && B.cota == 0;
  bool inGroundLine = false;
  if (base != LineCase::kSinglePoint) {
    if (bothInV) result = LineCase::kInV;
    if (bothInH) result = LineCase::kInH;
    if (bothInV && bothInH) {
      result = LineCase::kInGroundLine;
      inGroundLine = true;
    }
  }
  if (!inGroundLine && (OnGroundLine(A) || OnGroundLine(B))) result = LineCase::kCutsGroundLine;
  return result;
}

const LineCaseWords& NamesOf(LineCase c) {
  return kLineCases[static_cast<std::size_t>(c)];
}

}  // namespace

Naming PointLocation(std::int32_t alejamiento, std::int32_t cota) {
  // Compared wide: the absolute value of the most negative int32 does not fit 32 bits.
  const std::int64_t a = alejamiento;
  const std::int64_t c = cota;
  const bool onBisector = a == c || a == -c;
  for (const LocationWords& row : kLocations) {
    if (row.alejamientoSide != Side(alejamiento) || row.cotaSide != Side(cota)) continue;
    const bool quadrant = row.alejamientoSide != 0 && row.cotaSide != 0;
    return {row.code,
            CutText(std::string(row.windowText) + (quadrant && onBisector ? " BISECTOR " : ""))};
  }
  return {};  // not reached: the nine rows cover every pair of signs
}

Naming LineType(const DihedralPoint& A, const DihedralPoint& B) {
  const LineCaseWords& names = NamesOf(ClassifyLine(A, B));
  return {names.typeCode, CutText(names.typeText)};
}

std::string LineCoordinateText(const std::string& letter, const DihedralPoint& P) {
  std::string text = " " + letter + "=(" + Field3(P.abscissa) + "," + Field3(P.alejamiento) + "," +
                     Field3(P.cota) + ")";
  // Cota 0 wins: a point on the ground line is labelled as the horizontal trace.
  const char* label = "";
  if (P.alejamiento == 0) label = " traza V ";
  if (P.cota == 0) label = " traza H ";
  return CutText(text + label);
}

Naming LineRelation(const DihedralPoint& A, const DihedralPoint& B) {
  const LineCaseWords& names = NamesOf(ClassifyLine(A, B));
  return {names.relationCode, CutText(names.relationText)};
}

}  // namespace classify
