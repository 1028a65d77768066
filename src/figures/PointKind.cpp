// A point A, named by where it lies: a quadrant, a half of H or V, or L.T.
#include "figures/Kinds.h"

#include "classify/Classification.h"
#include "figures/Explanations.h"
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

std::string PointKind::Explanation(const Exercise& e, const Answer& a) const {
  return PointExplanation(e, a);
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

KeyNames PointKind::KeyNamesOf(const DihedralPoint& A, const DihedralPoint&,
                               const DihedralPoint&) const {
  std::vector<std::string> names{
      NameOf(classify::kLocations, classify::PointLocation(A.alejamiento, A.cota).code, "")};
  // A quadrant's point on a bisector: the finer name.
  const std::int64_t alejamiento = A.alejamiento, cota = A.cota;
  if (alejamiento != 0 && cota != 0 && (alejamiento == cota || alejamiento == -cota))
    names.push_back(alejamiento == cota ? "PRIMER BISECTOR" : "SEGUNDO BISECTOR");
  return {{names}, ""};
}

std::vector<std::string> PointKind::AnswerPrompts() const {
  return {"Situación: "};
}

BankQuestion PointKind::QuestionOf(const DihedralPoint& A, const DihedralPoint&,
                                   const DihedralPoint&) const {
  BankQuestion q;
  q.cloze = false;
  q.prompt = "¿Dónde está el punto A?";
  q.lists = {
      {"", ListNames(classify::kLocations), {classify::PointLocation(A.alejamiento, A.cota).code}}};
  return q;
}

}  // namespace figures
