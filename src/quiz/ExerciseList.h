// A teacher's own exercises, read from a plain UTF-8 list: one exercise a line,
// "A(10,20,30)" a point, "A(-10,40,40) B(50,60,80)" a line, the line followed by
// "cuadrantes" for the quadrants it crosses, "A(...) B(...) C(...)" a plane; blank
// lines and lines starting with # are skipped.
#pragma once

#include <string>
#include <vector>

#include "quiz/TestMode.h"

namespace quiz {

constexpr int kListMaxExercises = 200;
// Coordinates a list may give: far enough for any picture the sheet can show.
constexpr int kListCoordinateLimit = 999;

struct ExerciseListResult {
  std::vector<GeneratedExercise> exercises;
  // Spanish, naming the line's number and text; empty when the list is read.
  std::string fault;
};

// name is only used in the messages.
ExerciseListResult ParseExerciseList(const std::string& text, const std::string& name);

}  // namespace quiz
