// Worksheets: the exercises of a printed sheet, drawn from a seed exactly as test
// mode draws them after an edit, and the lines of its answer key.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "quiz/TestMode.h"

namespace quiz {

// kConstructions: construction exercises at 1:1 (quiz/ConstructionSheet.h), none here.
enum class SheetKind { kPoints, kLines, kMixed, kPlanes, kQuadrants, kConstructions };

// One row per kind a sheet can be asked for: the names typed after --kind (Spanish
// and English) and the name the window's dialog shows. A new kind is one more row.
struct SheetKindRow {
  SheetKind kind;
  const char* spanish;
  const char* english;
  const char* label;
};
const std::vector<SheetKindRow>& SheetKinds();

constexpr int kSheetMinExercises = 1;
constexpr int kSheetMaxExercises = 60;

// The bounds test mode draws with after an edit: the 320 x 200 space on the layer's
// surface (97 and 144). The mapping state is given back as it was.
ExerciseBounds BoundsAfterEdit();

// count exercises from std::mt19937 generators seeded with seed, each drawn as
// NewExercise draws it after an edit and kept only if it reads on paper; points or
// lines keep only the exercises of that kind, quadrants asks about the lines. A
// mixed sheet deals point, line and plane in turn, each round in its own shuffled
// order; plane exercises deal their eight types the same way (the plane H or V and
// three points that make no plane still come up now and then). With planeFigures,
// the plane's turns of a planes or mixed sheet deal in turn its type, a point with
// it, a line with it and a second plane; without, the sheet is what it always was.
std::vector<GeneratedExercise> SheetExercises(int count, std::uint32_t seed, SheetKind kind,
                                              bool planeFigures = false);

// Whether an exercise reads on paper: the projections of its points lie on L.T.
// or at least kSheetSpacing units from it, and any two of them (a, a', b, ...)
// coincide or lie at least kSheetSpacing units apart.
constexpr int kSheetSpacing = 10;
bool ReadsOnPaper(const GeneratedExercise& e);

// The key line of exercise number n, "n. A=(x,y,z): location",
// "n. A=(x,y,z) B=(x,y,z): type; relation", "n. A=(..) B=(..) C=(..): plane type" or
// "n. A=(..) B=(..): cuadrantes 3º, 4º, 1º": each name as the answer list writes it,
// the classification's first, then in " (también name, name)" its finer name (a
// bisector, "ES EL PLANO H") and every other that is just as true; no name twice.
// H and V add where their traces are. The classification codes are given back.
std::string KeyLine(int n, const GeneratedExercise& exercise);

// "cuadrantes 3º, 4º, 1º" for QuadrantsCrossed's codes; the halves of H and V and
// L.T. by their location names.
std::string QuadrantsText(const std::vector<std::int32_t>& codes);

// A seed for a sheet asked for without one.
std::uint32_t RandomSeed();

}  // namespace quiz
