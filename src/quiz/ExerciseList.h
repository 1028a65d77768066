// A teacher's own exercises, read from a plain UTF-8 list: one exercise a line,
// "A(10,20,30)" a point, "A(-10,40,40) B(50,60,80)" a line, the line followed by
// "cuadrantes" for the quadrants it crosses, "A(...) B(...) C(...)" a plane, with
// "P(...)" a point and a plane, with "D(...) E(...)" a line and a plane, with
// "D(...) E(...) F(...)" two planes; blank lines and everything after a # are skipped. A minus may
// be "-" or "−" (U+2212). A line that starts with "construir:" sets a construction
// exercise, its kind named by its points: "A(..) B(..)" the traces of the line,
// "A B C P" the projection p' that is missing (P's cota is not read), "A B C D E"
// where the line meets the plane, "A B C D E F" where two planes meet.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "quiz/ConstructionExercise.h"
#include "quiz/TestMode.h"

namespace quiz {

constexpr int kListMaxExercises = 200;
// The coordinates a list may give: with these, every projection and its ring stays
// inside the sheet's flat view and inside its space view, so nothing is cut and
// nothing of one view lands in the other. They are worked out from the drawing
// (the flat view shows 145 units each side of its centre across and 150 up and
// down; the space view moves a point 0.6 of its abscissa plus its alejamiento
// across and 0.4 of its abscissa plus its cota up).
constexpr int kListAbscissaLimit = 120;
constexpr int kListDistanceLimit = 140;  // alejamiento and cota

// How a list is read: for a sheet, within the limits above; for a description, any
// number of lines, any 32-bit coordinates, and the figures with a plane too:
// "A(..) B(..) C(..) P(..)", "... D(..) E(..)" and "... D(..) E(..) F(..)".
enum class ListReading { kSheet, kDescribe };

struct ExerciseListResult {
  std::vector<GeneratedExercise> exercises;
  // The "construir:" lines, in their order; each fits kExerciseBox with its
  // construction (a line that does not is a fault).
  std::vector<ConstructionExercise> constructions;
  // Spanish, naming the line's number and text and what is wrong with it; empty
  // when the list is read.
  std::string fault;
};

// name is only used in the messages.
ExerciseListResult ParseExerciseList(const std::string& text, const std::string& name,
                                     ListReading reading = ListReading::kSheet);

// A line as a message shows it: control characters, bidirectional marks and bytes
// that are not UTF-8 as escapes ("\x1B", "\u202E", "\xFF"), cut to maxChars
// characters with "…" when longer.
std::string VisibleText(const std::string& text, std::size_t maxChars = 80);

}  // namespace quiz
