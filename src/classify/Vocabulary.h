// Every name of a point's location and of a line, written once: the window's texts,
// the answer-list items, the names in the results and the key, with the codes that
// test mode compares and the facts that define each case. Every reader (the
// classification, the true names, the explanations, the results, the answer lists)
// takes its words from here. Another kind of figure is one more table like these.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace classify {

// Which coordinates A and B share: the fact that defines a base case of a line.
struct Shares {
  bool abscissa;
  bool alejamiento;
  bool cota;
};

// The side of a plane a coordinate puts a point on: 1, 0 (in it) or -1.
constexpr int Side(std::int32_t v) {
  return (v > 0) - (v < 0);
}

// A point's locations, one row per code 1..9, in code order. The sides are the
// signs of alejamiento and cota the location claims.
struct LocationWords {
  std::int32_t code;
  const char* windowText;  // a quadrant adds " BISECTOR " on a bisector plane
  const char* listItem;
  const char* resultName;
  int alejamientoSide;
  int cotaSide;
};

inline constexpr std::array<LocationWords, 9> kLocations = {{
    {1, "Primer Cuadrante", "1.PRIMER CUADRANTE", "PRIMER CUADRANTE", 1, 1},
    {2, "Segundo Cuadrante", "2.SEGUNDO CUADRANTE", "SEGUNDO CUADRANTE", -1, 1},
    {3, "Tercer Cuadrante", "3.TERCER CUADRANTE ", "TERCER CUADRANTE", -1, -1},
    {4, "Cuarto Cuadrante", "4.CUARTO CUADRANTE ", "CUARTO CUADRANTE", 1, -1},
    {5, "Horizontal Anter.", "5.PLANO H. ANTERIOR ", "PLANO H. ANTERIOR", 1, 0},
    {6, "Horizontal Poster.", "6.PLANO H. POSTERIOR", "PLANO H. POSTERIOR", -1, 0},
    {7, "Vertical Superior", "7.PLANO V. SUPERIOR ", "PLANO V. SUPERIOR", 0, 1},
    {8, "Vertical Inferior", "8.PLANO V. INFERIOR", "PLANO V. INFERIOR", 0, -1},
    {9, "Línea de Tierra", "9.LÍNEA DE TIERRA  ", "LÍNEA DE TIERRA", 0, 0},
}};

// The answer-list items and result names of a line's types (codes 1..10) and of
// its relations to H, V and the ground line (codes 1..11), in code order.
struct ListWords {
  std::int32_t code;
  const char* listItem;
  const char* resultName;
};

inline constexpr std::array<ListWords, 10> kLineTypes = {{
    {1, "1.  HORIZONTAL     ", "HORIZONTAL"},
    {2, "2.  FRONTAL        ", "FRONTAL"},
    {3, "3.  VERTICAL        ", "VERTICAL"},
    {4, "4.  DE PUNTA       ", "DE PUNTA"},
    {5, "5.  DE PERFIL      ", "DE PERFIL"},
    {6, "6.  OBLICUA        ", "OBLICUA"},
    {7, "7.  PARALELA A L.T.", "PARALELA A L.T."},
    {8, "8.  QUE CORTA A L.T.", "QUE CORTA A L.T."},
    {9, "9.  ES UN PUNTO   ", "ES UN PUNTO"},
    {10, "0.  CONTENIDA    ", "CONTENIDA"},
}};

inline constexpr std::array<ListWords, 11> kLineRelations = {{
    {1, "1. / AL H = AL V.   ", "/ AL H = AL V."},
    {2, "2. = AL H, V  Y L.T.  ", "= AL H, V Y L.T."},
    {3, "3. = AL H / AL V.   ", "= AL H / AL V."},
    {4, "4. / AL H Y AL V.   ", "/ AL H Y AL V."},
    {5, "5. = AL H Y T AL V  ", "= AL H Y T AL V"},
    {6, "6. / AL H, V  T A L.T.", "/ AL H, V T A L.T."},
    {7, "7. UN PUNTO EN L.T. ", "UN PUNTO EN L.T."},
    {8, "8. T AL H. = AL V.  ", "T AL H. = AL V."},
    {9, "9. CONTENIDA EN EL H", "CONTENIDA EN EL H"},
    {10, "10.CONTENIDA EN EL V", "CONTENIDA EN EL V"},
    {11, "11.CONTENIDA EN L.T.", "CONTENIDA EN L.T."},
}};

// The answer-list items and result names of a plane's types (codes 1..10, those
// PlaneType gives), in code order.
inline constexpr std::array<ListWords, 10> kPlaneTypes = {{
    {1, "1. HORIZONTAL", "HORIZONTAL"},
    {2, "2. FRONTAL", "FRONTAL"},
    {3, "3. DE PERFIL", "DE PERFIL"},
    {4, "4. PROYECTANTE HORIZONTAL", "PROYECTANTE HORIZONTAL"},
    {5, "5. PROYECTANTE VERTICAL", "PROYECTANTE VERTICAL"},
    {6, "6. PARALELO A L.T.", "PARALELO A L.T."},
    {7, "7. QUE PASA POR L.T.", "QUE PASA POR L.T."},
    {8, "8. OBLICUO", "OBLICUO"},
    {9, "9. ES EL PLANO H O V", "ES EL PLANO H O V"},
    {10, "10. NO DEFINEN UN PLANO", "NO DEFINEN UN PLANO"},
}};

// The names of a plane's traces, UTF-8 (alpha has no code in the old 8-bit code
// pages): on H, on V and on the profile plane.
inline const std::string kAlpha1Label = "\xCE\xB1" + std::string("1");
inline const std::string kAlpha2Label = "\xCE\xB1" + std::string("2");
inline const std::string kAlpha3Label = "\xCE\xB1" + std::string("3");

// The codes the explanations and the answer reading name.
inline constexpr std::int32_t kCutsGroundLineType = 8;
inline constexpr std::int32_t kSinglePointType = 9;
inline constexpr std::int32_t kContainedType = 10;
inline constexpr std::int32_t kNoRelation = -1;  // a single point's relation
inline constexpr std::int32_t kMeetsGroundLineRelation = 7;
inline constexpr std::int32_t kInHRelation = 9;
inline constexpr std::int32_t kInVRelation = 10;
inline constexpr std::int32_t kInGroundLineRelation = 11;

// The cases a line AB can fall into, with the window's two texts and their codes.
// The eight base cases are defined by the coordinates A and B share; the last
// four are the overrides, defined by zeros: both alejamientos (in V), both cotas
// (in H), all four (in the ground line), one end point on the ground line.
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

struct LineCaseWords {
  LineCase lineCase;
  const char* typeText;
  std::int32_t typeCode;
  const char* relationText;
  std::int32_t relationCode;
  Shares shares;  // base cases only
};

inline constexpr std::size_t kBaseLineCases = 8;

// One row per LineCase, in its order. "÷" is the perpendicular sign.
inline constexpr std::array<LineCaseWords, 12> kLineCases = {{
    {LineCase::kSinglePoint, "ES UN PUNTO", 9, "-", -1, {true, true, true}},
    {LineCase::kVertical, "VERTICAL", 3, " ÷ AL H, = AL V", 8, {true, true, false}},
    {LineCase::kDePunta, "DE PUNTA", 4, " = AL H, ÷ AL V ", 5, {true, false, true}},
    {LineCase::kDePerfil, "DE PERFIL", 5, "/ AL H Y V,÷ A L.T.", 6, {true, false, false}},
    {LineCase::kParallelToGroundLine,
     "PARALELA A L.T.",
     7,
     "= AL H ,V  Y L.T.",
     2,
     {false, true, true}},
    {LineCase::kFrontal, "FRONTAL", 2, " / AL H, = AL V ", 1, {false, true, false}},
    {LineCase::kHorizontal, "HORIZONTAL", 1, " = AL H / AL V ", 3, {false, false, true}},
    {LineCase::kOblique, "OBLICUA", 6, " / AL H,V Y L.T. ", 4, {false, false, false}},
    {LineCase::kInV, "CONTENIDA EN EL V.", 10, "                  ", 10, {}},       // 18 blanks
    {LineCase::kInH, "CONTENIDA EN EL H.", 10, "                  ", 9, {}},        // 18 blanks
    {LineCase::kInGroundLine, "CONTENIDA EN L.T.", 10, "               ", 11, {}},  // 15 blanks
    {LineCase::kCutsGroundLine, "QUE CORTA A L.T.", 8, "UN PUNTO EN L.T.", 7, {}},
}};

// The base case whose shared coordinates these are.
const LineCaseWords& BaseCase(Shares shares);
// The base case of this type or relation code, or null (an override's code).
const LineCaseWords* BaseCaseOfType(std::int32_t typeCode);
const LineCaseWords* BaseCaseOfRelation(std::int32_t relationCode);

// The result name of a code in a table, or null when the table has no such code.
template <std::size_t N, typename Row>
const char* ResultNameOf(const std::array<Row, N>& table, std::int32_t code) {
  if (code < 1 || static_cast<std::size_t>(code) > N) return nullptr;
  return table[static_cast<std::size_t>(code - 1)].resultName;
}

}  // namespace classify
