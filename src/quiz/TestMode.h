// Test mode: random point and line exercises, the answer check and the score panel.
#pragma once

#include <cstdint>
#include <functional>

#include "drawing/Painter.h"
#include "scene/Scene.h"

namespace quiz {

// True once the current exercise has been judged.
extern bool& ExerciseAnswered;

// Uniform integer in 0..n-1. Tests install a scripted source; null restores the
// clock-seeded generator.
using RandomSource = std::function<std::int32_t(std::int32_t n)>;
void SetRandomSource(RandomSource source);
std::int32_t Random(std::int32_t n);

// One generated exercise: a point (A only) or the line AB. A point exercise still
// draws B, so both kinds take the same draws. A plane exercise names the plane ABC;
// a quadrants exercise asks which quadrants the line AB crosses.
struct GeneratedExercise {
  bool pointMode = false;
  DihedralPoint a;
  DihedralPoint b;
  bool planeMode = false;
  DihedralPoint c{};
  bool quadrants = false;
};

// The exclusive upper bounds of A's abscissa and of its alejamiento and cota.
struct ExerciseBounds {
  std::int32_t abscissa = 0;
  std::int32_t distance = 0;
};

// The bounds that the logical space current now gives.
ExerciseBounds CurrentBounds(drawing::Painter& painter);

// The draws of one exercise, in their order, from random; draws nothing on screen.
GeneratedExercise DrawExercise(const RandomSource& random, ExerciseBounds bounds);

// Draws an exercise as it waits for its answer: the test background, the scene,
// the coordinates without the names, and the title (unless titled is false: a
// sheet has its own). Makes it the scene (PointMode, PointA, PointB, AnswerHidden
// true); records no codes and touches no control but those the drawing routines
// reach.
void DrawWaitingExercise(drawing::Painter& painter, const GeneratedExercise& e, bool titled = true);

// Generates and draws an exercise (the body of BtestClick after ocultarbotones).
void NewExercise(drawing::Painter& painter);
// The body of comprobarTestClick.
void CheckAnswer(drawing::Painter& painter);
void DrawBevelPanel(drawing::Painter& painter, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                    std::int32_t y2, std::uint8_t raised);

// Program-start state. For tests.
void ResetQuiz();

}  // namespace quiz
