// A construction exercise in test mode: the markers the student places on the flat
// view, the check of all of them at once, and the steps of the solution shown over
// them afterwards.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "classify/Construction.h"
#include "drawing/ConstructionDrawing.h"
#include "drawing/Painter.h"
#include "quiz/ConstructionExercise.h"

namespace quiz {

struct Quiz;
struct WindowChanges;

// Surface pixels per unit: the exercise's 170 x 116 units fill the flat view.
constexpr double kConstructionUnit = 2.0;

struct ConstructionRound {
  ConstructionExercise exercise;
  classify::Construction construction;
  // One entry per marker: where it was put, or whether it was marked "No existe".
  std::vector<std::optional<classify::FlatPoint>> placed;
  std::vector<bool> absent;
  // The markers put or marked, latest last: what Backspace takes back.
  std::vector<std::size_t> order;
  std::size_t current = 0;  // the marker the next click places
  // After the check: one verdict per marker, and how many steps are shown.
  std::vector<classify::MarkerVerdict> verdicts;
  std::size_t steps = 0;

  bool Checked() const { return !verdicts.empty(); }
  bool Set(std::size_t marker) const { return placed[marker].has_value() || absent[marker]; }
};

ConstructionRound RoundOf(const ConstructionExercise& exercise);

// Placing. Each puts or clears one marker and moves `current` to the next marker
// still free (after the one changed, round the list).
void PlaceMarker(ConstructionRound& round, std::size_t marker, const classify::FlatPoint& at);
void MarkAbsent(ConstructionRound& round);
// Takes back the latest marker put or marked; false when none is.
bool TakeBack(ConstructionRound& round);
void NextMarker(ConstructionRound& round);
// The placed marker within `reach` units of the place, the nearest; none if none is.
std::optional<std::size_t> MarkerNear(const ConstructionRound& round, const classify::FlatPoint& at,
                                      double reach);

// What the panel says while the round waits: "Sitúa h." and what is done so far.
std::string RoundPrompt(const ConstructionRound& round);

// The look of the round in the window's flat view (the painter's FlatOrigin).
drawing::ConstructionLook RoundLook(drawing::Painter& painter, const ConstructionRound& round);

// Draws the round afresh: the frame, the title and the question, the data, the
// markers; once checked, the steps shown, the exact answers, the score and the
// verdicts too.
void DrawRound(drawing::Painter& painter, const Quiz& quiz, const ConstructionRound& round);

// Sets a new construction exercise drawn from Random (TEST with construction
// exercises on).
WindowChanges NewConstructionExercise(drawing::Painter& painter, Quiz& quiz);
// Checks every marker within the quiz's tolerance, scores the round (right only when
// every marker is), records it, and shows the first step.
WindowChanges CheckConstruction(drawing::Painter& painter, Quiz& quiz);

}  // namespace quiz
