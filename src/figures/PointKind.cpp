// A point A, named by where it lies: a quadrant, a half of H or V, or L.T.
#include "figures/Kinds.h"

#include "classify/Classification.h"
#include "figures/Names.h"

namespace figures {

scene::Figure PointKind::Figure() const {
  return scene::Figure::kPoint;
}
const char* PointKind::Word() const {
  return "Punto";
}
std::size_t PointKind::PointCount() const {
  return 1;
}

std::vector<AnswerList> PointKind::Lists() const {
  return {AnswerList::SelPunto};
}

Answer PointKind::ReadAnswer(const ListChoices& choices) const {
  Answer a;
  a.chosen = ChosenCode(choices, AnswerList::SelPunto);
  return a;
}

Exercise PointKind::ExerciseOf(const DihedralPoint& A, const DihedralPoint& B,
                               const DihedralPoint&) const {
  Exercise e;
  e.set = true;
  e.figure = Figure();
  e.A = A;
  e.B = B;
  e.classCode = classify::PointLocation(A.alejamiento, A.cota).code;
  return e;
}

// A point's location is unique: both judgements agree.
bool PointKind::JudgedRight(const Exercise& e, const Answer& a, bool) const {
  return a.chosen == e.classCode;
}

void PointKind::RightCodes(const Exercise& e, bool, std::vector<std::int32_t>& types,
                           std::vector<std::int32_t>&) const {
  types = {e.classCode};
}

std::string PointKind::AnswerText(const Answer& a) const {
  return NameOf(classify::kLocations, a.chosen, "sin respuesta");
}

std::string PointKind::RightText(const Exercise&, const std::vector<std::int32_t>& types,
                                 const std::vector<std::int32_t>&) const {
  return Alternatives(classify::kLocations, types);
}

}  // namespace figures
