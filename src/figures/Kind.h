// A kind of figure: what differs between a point, a line and a plane when a student
// is asked to name one, answered once per kind. Test mode, the results, the sheets
// and the lists of exercises ask the registry instead of switching on the figure; a
// new kind is a new class and one line in the registry (Kinds.cpp).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include <optional>

#include "classify/Construction.h"
#include "drawing/Painter.h"
#include "drawing/SpaceView.h"
#include "figures/Exercise.h"
#include "scene/Scene.h"

namespace figures {

// The names a sheet's key gives a figure: groups, each the lead name as its answer
// list writes it and then every other name that is just as true; then a note after
// them (where the traces of H or V lie), or nothing.
struct KeyNames {
  std::vector<std::vector<std::string>> groups;
  std::string note;
};

// One list of names a question offers: its label, its names (code 1 first) and the
// codes of the true ones.
struct NameList {
  std::string label;
  std::vector<std::string> names;
  std::vector<std::int32_t> right;
};

// A question of a Moodle bank: a drop-down list inside the text for each list
// (cloze), or the question asked and one choice among the names of the first list.
struct BankQuestion {
  bool cloze = true;
  std::string prompt;
  std::vector<NameList> lists;
};

// How many of each scene option the command line takes for a figure: --point,
// --line, and planes (--plane or --plane-intercepts, either way).
struct CliShape {
  int points = 0;
  int lines = 0;
  int planes = 0;
  bool operator==(const CliShape& o) const {
    return points == o.points && lines == o.lines && planes == o.planes;
  }
};

// A figure described for scripts: the names its panel shows with their codes as
// the answer lists number them, then the kind's own keys, each with its JSON value.
struct Description {
  std::vector<std::string> names;
  std::vector<std::int32_t> codes;
  std::vector<std::pair<std::string, std::string>> fields;
};

class Kind {
 public:
  virtual ~Kind() = default;

  virtual scene::Figure Figure() const = 0;
  // The word the results give an exercise of this kind: "Punto", "Recta", "Plano".
  virtual const char* Word() const = 0;
  // Its points, in order from A: one to six.
  virtual std::size_t PointCount() const = 0;
  // Their names, one letter each: "A", "AB", "ABC", "ABCP", "ABCDE", "ABCDEF".
  virtual const char* PointNames() const = 0;
  // Whether its points may also be given by where a plane cuts the axes, α(x, y, z).
  virtual bool TakesIntercepts() const { return false; }
  // What the command line gives for it; its points fill A, B, ... in order: each
  // plane's three, then the point (P) or the line's two ends.
  virtual CliShape CommandLineShape() const = 0;

  // How it is drawn. An edit: the edited point stored into the figure, the texts and
  // the projections. The figure and its projections alone, and its texts alone
  // (the names left out while the scene's answer is hidden).
  virtual void Update(drawing::Painter& painter, scene::Scene& scene) const = 0;
  virtual void Draw(drawing::Painter& painter, const scene::Scene& scene) const = 0;
  virtual void ShowTexts(drawing::Painter& painter, const scene::Scene& scene) const = 0;
  // Test mode's pictures: an exercise as it waits, as it is answered (the answer
  // shown from here on), and its names over the picture.
  virtual void DrawExercise(drawing::Painter& painter, scene::Scene& scene) const;
  virtual void DrawAnswered(drawing::Painter& painter, scene::Scene& scene) const;
  virtual void ShowNames(drawing::Painter& painter, const scene::Scene& scene) const;
  // What it puts in the view in space (figures/SpaceFigures.h has the parts): by
  // default each of its points with its projections.
  virtual void PutInSpace(const scene::Scene& scene, drawing::SpaceFigure& space) const;

  // The lists test mode shows for an exercise of this kind, in order.
  virtual std::vector<AnswerList> Lists() const = 0;
  // The answer the lists' choices give.
  virtual Answer ReadAnswer(const ListChoices& choices) const = 0;
  // The exercise set with these points (those past PointCount are not read), with
  // the codes of its classification and its true names.
  virtual Exercise ExerciseOf(const FigurePoints& points) const = 0;
  // The default judgement (the single codes) or the detailed one (every true name).
  virtual bool JudgedRight(const Exercise& e, const Answer& a, bool detailed) const = 0;
  // One Spanish sentence on the fact that a wrong answer contradicts, from the
  // exercise's coordinates; empty when the detailed judgement finds it right.
  virtual std::string Explanation(const Exercise& e, const Answer& a) const = 0;
  // The codes the judgement accepted, as the results record them: the single codes
  // by default, every true name in the detailed mode.
  virtual void RightCodes(const Exercise& e, bool detailed, std::vector<std::int32_t>& types,
                          std::vector<std::int32_t>& relations) const = 0;
  // The answer given and the names that counted as right, as the results write them.
  virtual std::string AnswerText(const Answer& a) const = 0;
  virtual std::string RightText(const Exercise& e, const std::vector<std::int32_t>& types,
                                const std::vector<std::int32_t>& relations) const = 0;

  // What a sheet prints for an exercise of this kind: the names of its key, and the
  // labels of the lines left for the answer.
  virtual KeyNames KeyNamesOf(const FigurePoints& points) const = 0;
  virtual std::vector<std::string> AnswerPrompts() const = 0;
  // The question a Moodle bank asks about the figure.
  virtual BankQuestion QuestionOf(const FigurePoints& points) const = 0;
  // The figure with these points described (DescriptionJson writes it).
  virtual Description Describe(const FigurePoints& points) const = 0;
  // The construction that solves the figure step by step, with the points in the
  // kind's order; none for a figure with nothing to construct (a point, a plane).
  virtual std::optional<classify::ConstructionKind> Construction() const { return std::nullopt; }
};

// The kind of a figure; every value of scene::Figure has one.
const Kind& KindOf(scene::Figure figure);
// The construction of the scene's figure, cut at the box given; none when its kind has
// nothing to construct.
std::optional<classify::Construction> ConstructionOf(const scene::Scene& scene,
                                                     const classify::FlatBox& box);
// The edit of the scene's figure drawn, by its kind.
void InfoUpdate(drawing::Painter& painter, scene::Scene& scene);
// The kind whose figure has this many points, or null.
const Kind* KindWithPoints(std::size_t count);
// The kind the command line reads from these options, or null.
const Kind* KindWithShape(const CliShape& shape);
// Every kind, in the order of scene::Figure.
const std::vector<const Kind*>& Kinds();

}  // namespace figures
