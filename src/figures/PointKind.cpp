// A point A, named by where it lies: a quadrant, a half of H or V, or L.T.
#include "figures/Kinds.h"

#include "classify/Classification.h"
#include "drawing/FigureTexts.h"
#include "drawing/Projections.h"
#include "figures/Explanations.h"
#include "figures/Names.h"

namespace figures {

namespace {

class PointKind final : public Kind {
 public:
  scene::Figure Figure() const override { return scene::Figure::kPoint; }
  const char* Word() const override { return "Punto"; }
  std::size_t PointCount() const override { return 1; }
  const char* PointNames() const override { return "A"; }
  CliShape CommandLineShape() const override { return {1, 0, 0}; }

  Description Describe(const FigurePoints& points) const override {
    const classify::Naming n = classify::PointLocation(points[0].alejamiento, points[0].cota);
    return {{n.text}, {n.code}, {}};
  }

  void Update(drawing::Painter& painter, scene::Scene& scene) const override {
    drawing::PointInfoUpdate(painter, scene);
  }
  void Draw(drawing::Painter& painter, const scene::Scene& scene) const override {
    drawing::DrawPointScene(painter, scene);
  }
  void ShowTexts(drawing::Painter& painter, const scene::Scene& scene) const override {
    drawing::ShowPointInfo(painter, scene);
  }

  std::vector<AnswerList> Lists() const override { return {AnswerList::SelPunto}; }

  Answer ReadAnswer(const ListChoices& choices) const override {
    Answer a;
    a.chosen = ChosenCode(choices, AnswerList::SelPunto);
    return a;
  }

  Exercise ExerciseOf(const FigurePoints& points) const override {
    const DihedralPoint& A = points[0];
    Exercise e;
    e.set = true;
    e.figure = Figure();
    e.A = A;
    e.B = points[1];
    e.classCode = classify::PointLocation(A.alejamiento, A.cota).code;
    return e;
  }

  // A point's location is unique: both judgements agree.
  bool JudgedRight(const Exercise& e, const Answer& a, bool) const override {
    return a.chosen == e.classCode;
  }

  std::string Explanation(const Exercise& e, const Answer& a) const override {
    return PointExplanation(e, a);
  }

  void RightCodes(const Exercise& e, bool, std::vector<std::int32_t>& types,
                  std::vector<std::int32_t>&) const override {
    types = {e.classCode};
  }

  std::string AnswerText(const Answer& a) const override {
    return NameOf(classify::kLocations, a.chosen, "sin respuesta");
  }

  std::string RightText(const Exercise&, const std::vector<std::int32_t>& types,
                        const std::vector<std::int32_t>&) const override {
    return Alternatives(classify::kLocations, types);
  }

  KeyNames KeyNamesOf(const FigurePoints& points) const override {
    const DihedralPoint& A = points[0];
    std::vector<std::string> names{
        NameOf(classify::kLocations, classify::PointLocation(A.alejamiento, A.cota).code, "")};
    // A quadrant's point on a bisector: the finer name.
    const std::int64_t alejamiento = A.alejamiento, cota = A.cota;
    if (alejamiento != 0 && cota != 0 && (alejamiento == cota || alejamiento == -cota))
      names.push_back(alejamiento == cota ? "PRIMER BISECTOR" : "SEGUNDO BISECTOR");
    return {{names}, ""};
  }

  std::vector<std::string> AnswerPrompts() const override { return {"Situación: "}; }

  BankQuestion QuestionOf(const FigurePoints& points) const override {
    const DihedralPoint& A = points[0];
    BankQuestion q;
    q.cloze = false;
    q.prompt = "¿Dónde está el punto A?";
    q.lists = {{"",
                ListNames(classify::kLocations),
                {classify::PointLocation(A.alejamiento, A.cota).code}}};
    return q;
  }
};

}  // namespace

const Kind& ThePointKind() {
  static const PointKind kind;
  return kind;
}

}  // namespace figures
