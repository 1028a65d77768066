// The detailed correction of test mode, switched on by the user: every true name
// of a line is accepted, a wrong answer is explained, the answer lists start empty
// and the coordinates can be left out while an exercise waits.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "drawing/Painter.h"
#include "figures/Exercise.h"
#include "scene/Scene.h"

namespace quiz {

struct Quiz;

// Set the user's choices (Quiz.h) and tell the information display whether to
// leave the coordinate texts out while an answer is hidden.
void SetDetailedMode(Quiz& quiz, scene::Scene& scene, bool on);
void SetHideCoordinates(Quiz& quiz, scene::Scene& scene, bool on);

// The exercise as set, an answer read from the lists: each kind of figure judges
// and names them (figures/Kind.h).
using figures::Answer;
using figures::Contains;
using figures::Exercise;

// The point A or line AB exercise just generated, with the codes of its classification.
Exercise ExerciseOf(scene::Figure figure, const DihedralPoint& A, const DihedralPoint& B);
// The plane exercise ABC just generated, with the code of its type.
Exercise PlaneExerciseOf(const DihedralPoint& A, const DihedralPoint& B, const DihedralPoint& C);

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
