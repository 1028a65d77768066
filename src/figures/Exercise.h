// What test mode asks of a figure and what the student answers: the exercise as it
// was set, the lists the answers are chosen from, and an answer read from them.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "scene/Scene.h"

// The answer lists of test mode; SelPlano only for plane exercises, the last four for
// a point or a line with a plane and for two planes (how they lie, and the type of
// the line where they meet).
enum class AnswerList {
  SelPunto,
  SelREcta,
  DefREcta,
  SelPlano,
  SelPertenece,
  SelRectaPlano,
  SelPlanos,
  SelInterseccion
};

namespace figures {

// The choice of each answer list, by AnswerList: the index of the selected item, or
// -1 when none is selected, the edit text no longer equals it, or the list was never
// shown.
using ListChoices = std::array<int, 8>;
constexpr ListChoices kNoChoices{{-1, -1, -1, -1, -1, -1, -1, -1}};

// A figure's points, A to F; those past its count are not read. P is in D's place.
using FigurePoints = std::array<DihedralPoint, 6>;

// The n-th item (from 1) of a list answers code n; no selection answers nothing (0).
std::int32_t ChosenCode(const ListChoices& choices, AnswerList list);

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
  // P, or D and E, or D, E and F of the figures with a plane.
  std::array<DihedralPoint, 3> more{};
  FigurePoints Points() const { return {A, B, C, more[0], more[1], more[2]}; }
};

// An exercise of this figure set with these points (all six kept), nothing classified.
Exercise SetWith(scene::Figure figure, const FigurePoints& points);

// An answer as read from the lists: the chosen location or type code (0 when
// nothing is chosen) and, for a line, the chosen relation code (0 when nothing is
// chosen, -1 when the type is "ES UN PUNTO", whose relation is not read).
struct Answer {
  std::int32_t chosen = 0;
  std::int32_t relation = 0;
};

// Whether codes holds code.
bool Contains(const std::vector<std::int32_t>& codes, std::int32_t code);

}  // namespace figures
