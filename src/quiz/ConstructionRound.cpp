#include "quiz/ConstructionRound.h"

#include <algorithm>
#include <cmath>

#include "drawing/Frame.h"
#include "drawing/Projections.h"
#include "quiz/DetailedMode.h"
#include "quiz/Quiz.h"
#include "quiz/Results.h"
#include "quiz/TestMode.h"

namespace quiz {

namespace {

constexpr std::int32_t kClearBrush = 1;
constexpr std::int32_t kTextColour = 9;  // the verdict's and the explanation's light blue
constexpr std::uint16_t kTextFont = 1;
constexpr std::uint16_t kTextSize = 10;
constexpr std::int32_t kLineHeight = 16;

// The next marker still free after `from`, round the list; `from` when all are set.
std::size_t NextFree(const ConstructionRound& round, std::size_t from) {
  const std::size_t n = round.placed.size();
  for (std::size_t k = 1; k <= n; ++k)
    if (!round.Set((from + k) % n)) return (from + k) % n;
  return from;
}

void Forget(ConstructionRound& round, std::size_t marker) {
  round.order.erase(std::remove(round.order.begin(), round.order.end(), marker), round.order.end());
}

std::string Whole(double v) {
  return std::to_string(static_cast<long>(std::lround(v)));
}

// Lines of text under the title, where the detailed correction explains.
void DrawLines(drawing::Painter& painter, const std::vector<std::string>& lines) {
  const delgraph::ColorValue pen = painter.GetPenColor();
  painter.SetBrushStyle(kClearBrush);
  painter.SetTextStyle(kTextFont, 0, kTextSize);
  painter.SetDrawColor(kTextColour);
  for (std::size_t i = 0; i < lines.size(); ++i)
    painter.DrawText(kExplanationX, kExplanationY + static_cast<std::int32_t>(i) * kLineHeight,
                     lines[i]);
  drawing::RestoreTextStyle(painter);
  painter.SetPenColorValue(pen);
}

}  // namespace

ConstructionRound RoundOf(const ConstructionExercise& exercise) {
  ConstructionRound round;
  round.exercise = exercise;
  round.construction = ConstructionOf(exercise);
  round.placed.assign(round.construction.markers.size(), std::nullopt);
  round.absent.assign(round.construction.markers.size(), false);
  return round;
}

void PlaceMarker(ConstructionRound& round, std::size_t marker, const classify::FlatPoint& at) {
  if (marker >= round.placed.size()) return;
  round.placed[marker] = at;
  round.absent[marker] = false;
  Forget(round, marker);
  round.order.push_back(marker);
  round.current = NextFree(round, marker);
}

void MarkAbsent(ConstructionRound& round) {
  const std::size_t marker = round.current;
  if (marker >= round.placed.size()) return;
  round.placed[marker].reset();
  round.absent[marker] = true;
  Forget(round, marker);
  round.order.push_back(marker);
  round.current = NextFree(round, marker);
}

bool TakeBack(ConstructionRound& round) {
  if (round.order.empty()) return false;
  const std::size_t marker = round.order.back();
  round.order.pop_back();
  round.placed[marker].reset();
  round.absent[marker] = false;
  round.current = marker;
  return true;
}

void NextMarker(ConstructionRound& round) {
  if (!round.placed.empty()) round.current = (round.current + 1) % round.placed.size();
}

std::optional<std::size_t> MarkerNear(const ConstructionRound& round, const classify::FlatPoint& at,
                                      double reach) {
  std::optional<std::size_t> nearest;
  double best = reach;
  for (std::size_t i = 0; i < round.placed.size(); ++i) {
    if (!round.placed[i]) continue;
    const double d = std::hypot(round.placed[i]->x - at.x, round.placed[i]->y - at.y);
    if (d <= best) {
      best = d;
      nearest = i;
    }
  }
  return nearest;
}

std::string RoundPrompt(const ConstructionRound& round) {
  const auto& markers = round.construction.markers;
  if (markers.empty() || round.Checked()) return "";
  bool all = true;
  for (std::size_t i = 0; i < markers.size(); ++i) all = all && round.Set(i);
  std::string text = all ? "Pulsa «comprobar»." : "Sitúa " + markers[round.current].label + ".";
  for (std::size_t i = 0; i < markers.size(); ++i) {
    text += (i == 0 ? "   " : "    ") + markers[i].label + ": ";
    if (round.placed[i])
      text += "(" + Whole(round.placed[i]->x) + ", " + Whole(round.placed[i]->y) + ")";
    else
      text += round.absent[i] ? "no existe" : "sin situar";
  }
  return text;
}

drawing::ConstructionLook RoundLook(drawing::Painter& painter, const ConstructionRound& round) {
  drawing::ComputeSceneOrigins(painter);
  drawing::ConstructionLook look;
  look.unit = kConstructionUnit;
  look.origin = painter.FlatOrigin;
  look.steps = round.steps;
  look.answers = round.Checked();
  return look;
}

void DrawRound(drawing::Painter& painter, const Quiz& quiz, const ConstructionRound& round) {
  // Always the dihedral frame: the exercise is drawn in the flat view alone.
  drawing::FullRedraw(painter, false);
  painter.Select320x200();
  const drawing::ConstructionLook look = RoundLook(painter, round);
  std::vector<drawing::PlacedMarker> placed;
  for (std::size_t i = 0; i < round.placed.size(); ++i)
    placed.push_back({round.construction.markers[i].label, round.placed[i],
                      !round.Checked() && i == round.current});
  drawing::DrawConstruction(painter, round.construction, look, placed);
  DrawTestTitle(painter);
  std::vector<std::string> lines = {std::string(classify::ConstructionTitle(round.exercise.kind)) +
                                    ". " + classify::ConstructionQuestion(round.exercise.kind)};
  if (round.Checked()) {
    DrawScorePanel(painter, quiz);
    DrawVerdict(painter, classify::AllRight(round.verdicts));
    for (const classify::MarkerVerdict& v : round.verdicts) lines.push_back(v.text);
  }
  DrawLines(painter, lines);
}

WindowChanges NewConstructionExercise(drawing::Painter& painter, Quiz& quiz) {
  quiz.Construction = RoundOf(DrawConstructionExercise(Random));
  quiz.CurrentExercise = Exercise{};
  quiz.ExerciseAnswered = false;
  DrawRound(painter, quiz, *quiz.Construction);
  return WindowChanges{};
}

WindowChanges CheckConstruction(drawing::Painter& painter, Quiz& quiz) {
  ConstructionRound& round = *quiz.Construction;
  round.verdicts = classify::CheckMarkers(round.construction, round.placed, quiz.Tolerance);
  // A marker never put nor marked "No existe" is wrong, even where none exists.
  for (std::size_t i = 0; i < round.verdicts.size(); ++i)
    if (!round.Set(i))
      round.verdicts[i] = {round.verdicts[i].label, false, 0.0,
                           "Falta " + round.verdicts[i].label + ": ni situada ni «No existe»."};
  const bool right = classify::AllRight(round.verdicts);
  CountAnswer(quiz, right);
  quiz.ExerciseAnswered = true;
  round.steps = std::min<std::size_t>(1, round.construction.steps.size());
  RecordConstructionResult(quiz,
                           {round.exercise.kind, round.exercise.points, round.construction.markers,
                            round.placed, round.verdicts},
                           right);
  DrawRound(painter, quiz, round);
  WindowChanges changes;
  changes.showButtons = true;
  return changes;
}

}  // namespace quiz
