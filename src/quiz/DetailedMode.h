// The detailed correction of test mode, switched on by the user: every true name
// of a line is accepted, a wrong answer is explained, the answer lists start empty
// and the coordinates can be left out while an exercise waits.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "drawing/Painter.h"
#include "scene/Scene.h"

namespace quiz {

struct Quiz;

// Set the user's choices (Quiz.h) and tell the information display whether to
// leave the coordinate texts out while an answer is hidden.
void SetDetailedMode(Quiz& quiz, scene::Scene& scene, bool on);
void SetHideCoordinates(Quiz& quiz, scene::Scene& scene, bool on);

// An exercise as it was set: what its answer is judged against and recorded with,
// whatever the scroll bars do to the points while it waits.
struct Exercise {
  bool set = false;  // false until the first exercise of the run
  scene::Figure figure = scene::Figure::kPoint;
  DihedralPoint A;
  DihedralPoint B;
  // The single codes of the default judgement (the relation only for a line).
  std::int32_t classCode = 0;
  std::int32_t relationCode = 0;
  // Every true type and relation of the line; of a plane, every true type.
  std::vector<std::int32_t> trueTypes;
  std::vector<std::int32_t> trueRelations;
  // A plane exercise: the plane ABC, answered by its type alone.
  DihedralPoint C{};
};

// Whether codes holds code.
bool Contains(const std::vector<std::int32_t>& codes, std::int32_t code);

// The point A or line AB exercise just generated, with the codes of its classification.
Exercise ExerciseOf(scene::Figure figure, const DihedralPoint& A, const DihedralPoint& B);
// The plane exercise ABC just generated, with the code of its type.
Exercise PlaneExerciseOf(const DihedralPoint& A, const DihedralPoint& B, const DihedralPoint& C);

// An answer as read from the lists: the chosen location or type code (0 when
// nothing is chosen) and, for a line, the chosen relation code (0 when nothing is
// chosen, -1 when the type is "ES UN PUNTO", whose relation is not read).
struct Answer {
  std::int32_t chosen = 0;
  std::int32_t relation = 0;
};

// The default judgement: the single codes. The detailed one: a point as before, a
// line by its true types and relations, a plane by its true types.
bool JudgedRight(const Exercise& e, const Answer& a, bool detailed);

// One Spanish sentence on the fact that a wrong answer contradicts, from the
// exercise's coordinates; empty when the detailed judgement finds it right.
std::string Explanation(const Exercise& e, const Answer& a);

// Draws the explanation in the top strip of the space-view panel, beside the
// title: no projection of any exercise reaches it.
void DrawExplanation(drawing::Painter& painter, const std::string& sentence);
constexpr std::int32_t kExplanationX = 104;
constexpr std::int32_t kExplanationY = 26;

}  // namespace quiz
