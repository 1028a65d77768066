// Test mode: random point and line exercises, the answer check and the score panel.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "drawing/Painter.h"
#include "figures/Exercise.h"
#include "scene/Scene.h"

namespace quiz {

struct Quiz;

// The choice of each answer list (figures/Exercise.h).
using figures::kNoChoices;
using figures::ListChoices;

// What the window must do to its controls after a step of test mode, in this order.
struct WindowChanges {
  // Back at their start text with no item chosen, then shown.
  std::vector<AnswerList> resetLists;
  std::vector<AnswerList> showLists;
  // The A/B button's caption goes back to "A" if it reads "B".
  bool captionToA = false;
  // The debugging label 7.
  std::optional<std::string> label7;
  // The editing buttons and TEST back, the lists and "comprobar" hidden.
  bool showButtons = false;
  bool showTest = false;
};

// Uniform integer in 0..n-1. Tests install a scripted source; null restores the
// clock-seeded generator.
using RandomSource = std::function<std::int32_t(std::int32_t n)>;
void SetRandomSource(RandomSource source);
std::int32_t Random(std::int32_t n);

// One generated exercise: a point (A only) or the line AB. A point exercise still
// draws B, so both kinds take the same draws. A plane exercise names the plane ABC;
// a quadrants exercise asks which quadrants the line AB crosses.
struct GeneratedExercise {
  scene::Figure figure = scene::Figure::kLine;
  DihedralPoint a;
  DihedralPoint b;
  DihedralPoint c{};
  // P, or D and E, or D, E and F of the figures with a plane.
  std::array<DihedralPoint, 3> more{};
  bool quadrants = false;
  figures::FigurePoints Points() const { return {a, b, c, more[0], more[1], more[2]}; }
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

// A point, a line or a second plane with the plane ABC (figure kPointPlane,
// kLinePlane or kTwoPlanes), as their own generators draw them, each answer about
// equally likely.
GeneratedExercise DrawWithPlaneExercise(const RandomSource& random, ExerciseBounds bounds,
                                        scene::Figure figure);

// Draws an exercise as it waits for its answer: the test background, the scene,
// the coordinates without the names, and the title (unless titled is false: a
// sheet has its own). Makes it the scene's figure (AnswerHidden true); records no
// codes.
void DrawWaitingExercise(drawing::Painter& painter, scene::Scene& scene, const GeneratedExercise& e,
                         bool titled = true);

// Generates and draws an exercise (the body of BtestClick after ocultarbotones).
WindowChanges NewExercise(drawing::Painter& painter, scene::Scene& scene, Quiz& quiz);
// The body of comprobarTestClick: judges the lists' choices against the exercise.
WindowChanges CheckAnswer(drawing::Painter& painter, scene::Scene& scene, Quiz& quiz,
                          const ListChoices& choices);
// Parts of a check's picture that every kind of exercise shares: the score panel
// with its bars, and " C O R R E C T O " or " I N C O R R E C T O ".
void DrawScorePanel(drawing::Painter& painter, const Quiz& quiz);
void DrawVerdict(drawing::Painter& painter, bool right);
// "T E S T" at the top left of the space view.
void DrawTestTitle(drawing::Painter& painter);
// One more hit or miss.
void CountAnswer(Quiz& quiz, bool right);
void DrawBevelPanel(drawing::Painter& painter, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                    std::int32_t y2, std::uint8_t raised);

// Program-start state of what the quiz keeps outside a Quiz: the clock-seeded
// source. For tests.
void ResetQuiz();

}  // namespace quiz
