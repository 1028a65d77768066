// A kind of figure: what differs between a point, a line and a plane when a student
// is asked to name one, answered once per kind. Test mode, the results, the sheets
// and the lists of exercises ask the registry instead of switching on the figure; a
// new kind is a new class and one line in the registry (Kinds.cpp).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "figures/Exercise.h"
#include "scene/Scene.h"

namespace figures {

class Kind {
 public:
  virtual ~Kind() = default;

  virtual scene::Figure Figure() const = 0;
  // The word the results give an exercise of this kind: "Punto", "Recta", "Plano".
  virtual const char* Word() const = 0;
  // Its points, in order from A: one, two or three.
  virtual std::size_t PointCount() const = 0;

  // The lists test mode shows for an exercise of this kind, in order.
  virtual std::vector<AnswerList> Lists() const = 0;
  // The answer the lists' choices give.
  virtual Answer ReadAnswer(const ListChoices& choices) const = 0;
  // The exercise set with these points (those past PointCount are not read), with
  // the codes of its classification and its true names.
  virtual Exercise ExerciseOf(const DihedralPoint& A, const DihedralPoint& B,
                              const DihedralPoint& C) const = 0;
  // The default judgement (the single codes) or the detailed one (every true name).
  virtual bool JudgedRight(const Exercise& e, const Answer& a, bool detailed) const = 0;
  // The codes the judgement accepted, as the results record them: the single codes
  // by default, every true name in the detailed mode.
  virtual void RightCodes(const Exercise& e, bool detailed, std::vector<std::int32_t>& types,
                          std::vector<std::int32_t>& relations) const = 0;
  // The answer given and the names that counted as right, as the results write them.
  virtual std::string AnswerText(const Answer& a) const = 0;
  virtual std::string RightText(const Exercise& e, const std::vector<std::int32_t>& types,
                                const std::vector<std::int32_t>& relations) const = 0;
};

// The kind of a figure; every value of scene::Figure has one.
const Kind& KindOf(scene::Figure figure);
// The kind whose figure has this many points, or null.
const Kind* KindWithPoints(std::size_t count);
// Every kind, in the order of scene::Figure.
const std::vector<const Kind*>& Kinds();

}  // namespace figures
