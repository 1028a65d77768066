#include "classify/Classification.h"

#include <array>
#include <cstddef>

namespace classify {

std::int32_t ClassCode = 0;
std::int32_t RelationCode = 0;

namespace {

// Every text shown beside the drawing fits a 40-character field.
constexpr std::size_t kMaxTextChars = 40;

// Cuts to kMaxTextChars code points, never inside a multi-byte UTF-8 sequence.
std::string CutText(const std::string& text) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const bool startsChar = (byte & 0xC0u) != 0x80u;
    if (startsChar) {
      if (chars == kMaxTextChars) return text.substr(0, i);
      ++chars;
    }
  }
  return text;
}

// Decimal, right-aligned in three characters; a longer number is kept whole.
std::string Field3(std::int32_t v) {
  std::string digits = std::to_string(v);
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), ' ');
  return digits;
}

// The cases a line AB can fall into. LineType and LineRelation name the same case,
// so their codes always agree.
enum class LineCase {
  kSinglePoint,
  kVertical,
  kDePunta,
  kDePerfil,
  kParallelToGroundLine,
  kFrontal,
  kHorizontal,
  kOblique,
  kInV,
  kInH,
  kInGroundLine,
  kCutsGroundLine,
};

struct LineNames {
  const char* typeText;
  std::int32_t typeCode;
  const char* relationText;
  std::int32_t relationCode;
};

// One row per LineCase, in its order. "÷" is the perpendicular sign.
constexpr std::array<LineNames, 12> kLineNames = {{
    {"ES UN PUNTO", 9, "-", -1},                           // kSinglePoint
    {"VERTICAL", 3, " ÷ AL H, = AL V", 8},                 // kVertical
    {"DE PUNTA", 4, " = AL H, ÷ AL V ", 5},                // kDePunta
    {"DE PERFIL", 5, "/ AL H Y V,÷ A L.T.", 6},            // kDePerfil
    {"PARALELA A L.T.", 7, "= AL H ,V  Y L.T.", 2},        // kParallelToGroundLine
    {"FRONTAL", 2, " / AL H, = AL V ", 1},                 // kFrontal
    {"HORIZONTAL", 1, " = AL H / AL V ", 3},               // kHorizontal
    {"OBLICUA", 6, " / AL H,V Y L.T. ", 4},                // kOblique
    {"CONTENIDA EN EL V.", 10, "                  ", 10},  // kInV (18 blanks)
    {"CONTENIDA EN EL H.", 10, "                  ", 9},   // kInH (18 blanks)
    {"CONTENIDA EN L.T.", 10, "               ", 11},      // kInGroundLine (15 blanks)
    {"QUE CORTA A L.T.", 8, "UN PUNTO EN L.T.", 7},        // kCutsGroundLine
}};

bool OnGroundLine(const DihedralPoint& P) {
  return P.alejamiento == 0 && P.cota == 0;
}

LineCase ClassifyLine(const DihedralPoint& A, const DihedralPoint& B) {
  const bool sameAbscissa = A.abscissa == B.abscissa;
  const bool sameAlejamiento = A.alejamiento == B.alejamiento;
  const bool sameCota = A.cota == B.cota;

  LineCase base;
  if (sameAbscissa) {
    if (sameAlejamiento) {
      base = sameCota ? LineCase::kSinglePoint : LineCase::kVertical;
    } else {
      base = sameCota ? LineCase::kDePunta : LineCase::kDePerfil;
    }
  } else {
    if (sameAlejamiento) {
      base = sameCota ? LineCase::kParallelToGroundLine : LineCase::kFrontal;
    } else {
      base = sameCota ? LineCase::kHorizontal : LineCase::kOblique;
    }
  }

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

const LineNames& NamesOf(LineCase c) {
  return kLineNames[static_cast<std::size_t>(c)];
}

}  // namespace

std::string PointLocation(std::int32_t alejamiento, std::int32_t cota) {
  // Compared wide: the absolute value of the most negative int32 does not fit 32 bits.
  const std::int64_t a = alejamiento;
  const std::int64_t c = cota;
  const std::string bisector = (a == c || a == -c) ? " BISECTOR " : "";
  std::string text;
  if (alejamiento > 0) {
    if (cota > 0) {
      ClassCode = 1;
      text = "Primer Cuadrante" + bisector;
    } else if (cota == 0) {
      ClassCode = 5;
      text = "Horizontal Anter.";
    } else {
      ClassCode = 4;
      text = "Cuarto Cuadrante" + bisector;
    }
  } else if (alejamiento == 0) {
    if (cota > 0) {
      ClassCode = 7;
      text = "Vertical Superior";
    } else if (cota == 0) {
      ClassCode = 9;
      text = "Linea de Tierra";
    } else {
      ClassCode = 8;
      text = "Vertical Inferior";
    }
  } else {
    if (cota > 0) {
      ClassCode = 2;
      text = "Segundo Cuadrante" + bisector;
    } else if (cota == 0) {
      ClassCode = 6;
      text = "Horizontal Poster.";
    } else {
      ClassCode = 3;
      text = "Tercer Cuadrante" + bisector;
    }
  }
  return CutText(text);
}

std::string LineType(const DihedralPoint& A, const DihedralPoint& B) {
  const LineNames& names = NamesOf(ClassifyLine(A, B));
  ClassCode = names.typeCode;
  return CutText(names.typeText);
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

std::string LineRelation(const DihedralPoint& A, const DihedralPoint& B) {
  const LineNames& names = NamesOf(ClassifyLine(A, B));
  RelationCode = names.relationCode;
  return CutText(names.relationText);
}

void ResetClassify() {
  ClassCode = 0;
  RelationCode = 0;
}

}  // namespace classify
