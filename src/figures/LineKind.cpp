// A line AB, named by its type and by how it lies with respect to H, V and L.T.
#include "figures/Kinds.h"

#include "classify/Classification.h"
#include "classify/TrueNames.h"
#include "drawing/FigureTexts.h"
#include "drawing/Projections.h"
#include "figures/Explanations.h"
#include "figures/Names.h"
#include "figures/SpaceFigures.h"

namespace figures {

namespace {

class LineKind final : public Kind {
 public:
  scene::Figure Figure() const override { return scene::Figure::kLine; }
  std::optional<classify::ConstructionKind> Construction() const override {
    return classify::ConstructionKind::kLineTraces;
  }
  const char* Word() const override { return "Recta"; }
  std::size_t PointCount() const override { return 2; }
  CliShape CommandLineShape() const override { return {0, 1, 0}; }
  void PutInSpace(const scene::Scene& scene, drawing::SpaceFigure& space) const override {
    SegmentLineInSpace(space, scene.PointA, scene.PointB, "ab");
  }

  Description Describe(const FigurePoints& points) const override {
    const classify::Naming type = classify::LineType(points[0], points[1]);
    const classify::Naming relation = classify::LineRelation(points[0], points[1]);
    return {{type.text, relation.text}, {type.code, relation.code}, {}};
  }
  const char* PointNames() const override { return "AB"; }

  void Update(drawing::Painter& painter, scene::Scene& scene) const override {
    drawing::LineInfoUpdate(painter, scene);
  }
  void Draw(drawing::Painter& painter, const scene::Scene& scene) const override {
    drawing::DrawLineScene(painter, scene, 1);
  }
  void ShowTexts(drawing::Painter& painter, const scene::Scene& scene) const override {
    drawing::ShowLineInfo(painter, scene);
  }

  std::vector<AnswerList> Lists() const override {
    return {AnswerList::SelREcta, AnswerList::DefREcta};
  }

  Answer ReadAnswer(const ListChoices& choices) const override {
    Answer a;
    a.chosen = ChosenCode(choices, AnswerList::SelREcta);
    // A single point has no relation to give.
    a.relation = a.chosen == classify::kSinglePointType ? classify::kNoRelation
                                                        : ChosenCode(choices, AnswerList::DefREcta);
    return a;
  }

  Exercise ExerciseOf(const FigurePoints& points) const override {
    const DihedralPoint &A = points[0], &B = points[1];
    Exercise e;
    e.set = true;
    e.figure = Figure();
    e.A = A;
    e.B = B;
    e.classCode = classify::LineType(A, B).code;
    e.relationCode = classify::LineRelation(A, B).code;
    e.trueTypes = classify::TrueTypes(A, B);
    e.trueRelations = classify::TrueRelations(A, B);
    return e;
  }

  bool JudgedRight(const Exercise& e, const Answer& a, bool detailed) const override {
    if (!detailed) return a.chosen == e.classCode && a.relation == e.relationCode;
    return Contains(e.trueTypes, a.chosen) && Contains(e.trueRelations, a.relation);
  }

  std::string Explanation(const Exercise& e, const Answer& a) const override {
    return LineExplanation(e, a);
  }

  void RightCodes(const Exercise& e, bool detailed, std::vector<std::int32_t>& types,
                  std::vector<std::int32_t>& relations) const override {
    types = detailed ? e.trueTypes : std::vector<std::int32_t>{e.classCode};
    relations = detailed ? e.trueRelations : std::vector<std::int32_t>{e.relationCode};
  }

  std::string AnswerText(const Answer& a) const override {
    const std::string type = NameOf(classify::kLineTypes, a.chosen, "sin tipo");
    if (a.chosen == classify::kSinglePointType) return type;
    return type + "; " + NameOf(classify::kLineRelations, a.relation, "sin relación");
  }

  std::string RightText(const Exercise&, const std::vector<std::int32_t>& types,
                        const std::vector<std::int32_t>& relations) const override {
    const std::string relationNames = Alternatives(classify::kLineRelations, relations);
    const std::string typeNames = Alternatives(classify::kLineTypes, types);
    return relationNames.empty() ? typeNames : typeNames + "; " + relationNames;
  }

  KeyNames KeyNamesOf(const FigurePoints& points) const override {
    const DihedralPoint &A = points[0], &B = points[1];
    KeyNames key;
    key.groups.push_back(
        NamesFrom(classify::kLineTypes, classify::LineType(A, B).code, classify::TrueTypes(A, B)));
    const std::vector<std::string> relations = NamesFrom(
        classify::kLineRelations, classify::LineRelation(A, B).code, classify::TrueRelations(A, B));
    // A single point has no relation to name.
    if (!relations[0].empty()) key.groups.push_back(relations);
    return key;
  }

  std::vector<std::string> AnswerPrompts() const override {
    return {"Tipo: ", "Posición respecto de H, V y L.T.: "};
  }

  BankQuestion QuestionOf(const FigurePoints& points) const override {
    const DihedralPoint &A = points[0], &B = points[1];
    BankQuestion q;
    q.lists.push_back(
        {"Tipo de recta: ", ListNames(classify::kLineTypes), classify::TrueTypes(A, B)});
    const std::vector<std::int32_t> relations = classify::TrueRelations(A, B);
    // A single point has no relation to give.
    if (!(relations.size() == 1 && relations[0] < 1))
      q.lists.push_back(
          {"Posición respecto de H, V y L.T.: ", ListNames(classify::kLineRelations), relations});
    return q;
  }
};

}  // namespace

const Kind& TheLineKind() {
  static const LineKind kind;
  return kind;
}

}  // namespace figures
