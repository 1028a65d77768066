// The plane through A, B and C, named by its type alone.
#include "figures/Kinds.h"

#include "classify/Planes.h"
#include "classify/Vocabulary.h"
#include "drawing/PlaneTexts.h"
#include "drawing/Projections.h"
#include "figures/Explanations.h"
#include "figures/Names.h"
#include "figures/SpaceFigures.h"

namespace figures {

namespace {

// H or V: the results name it as the classification does, "ES EL PLANO H".
constexpr std::int32_t kPlaneHOrV = 9;

class PlaneKind final : public Kind {
 public:
  scene::Figure Figure() const override { return scene::Figure::kPlane; }
  const char* Word() const override { return "Plano"; }
  std::size_t PointCount() const override { return 3; }
  const char* PointNames() const override { return "ABC"; }
  bool TakesIntercepts() const override { return true; }
  CliShape CommandLineShape() const override { return {0, 0, 1}; }
  void PutInSpace(const scene::Scene& scene, drawing::SpaceFigure& space) const override {
    PlaneInSpace(space, scene.PointA, scene.PointB, scene.PointC, "ABC", classify::kAlpha1Label,
                 classify::kAlpha2Label, drawing::Ink::kFigure);
  }

  Description Describe(const FigurePoints& points) const override {
    const classify::Naming n = classify::PlaneType(points[0], points[1], points[2]);
    return {{n.text}, {n.code}, {}};
  }

  void Update(drawing::Painter& painter, scene::Scene& scene) const override {
    drawing::PlaneInfoUpdate(painter, scene);
  }
  void Draw(drawing::Painter& painter, const scene::Scene& scene) const override {
    drawing::DrawPlaneScene(painter, scene);
  }
  // The type before the projections, the coordinates and the traces' line after.
  void ShowTexts(drawing::Painter& painter, const scene::Scene& scene) const override {
    drawing::ShowPlaneType(painter, scene);
    drawing::ShowPlaneCoordinates(painter, scene);
  }
  // An exercise is drawn as set, as an edit of A: the edit stores the edited point
  // first, so A is selected and edited.
  void DrawExercise(drawing::Painter& painter, scene::Scene& scene) const override {
    scene.SelectedA = true;
    scene.SelectedC = false;
    scene.EditPoint = scene.PointA;
    drawing::PlaneInfoUpdate(painter, scene);
  }
  // The traces come with the answer, drawn now rather than at the next edit.
  void DrawAnswered(drawing::Painter& painter, scene::Scene& scene) const override {
    scene.AnswerHidden = false;
    drawing::ShowPlaneType(painter, scene);
    Draw(painter, scene);
    drawing::ShowPlaneCoordinates(painter, scene);
  }

  std::vector<AnswerList> Lists() const override { return {AnswerList::SelPlano}; }

  Answer ReadAnswer(const ListChoices& choices) const override {
    Answer a;
    a.chosen = ChosenCode(choices, AnswerList::SelPlano);
    return a;
  }

  Exercise ExerciseOf(const FigurePoints& points) const override {
    const DihedralPoint &A = points[0], &B = points[1], &C = points[2];
    Exercise e;
    e.set = true;
    e.figure = Figure();
    e.A = A;
    e.B = B;
    e.C = C;
    e.classCode = classify::PlaneType(A, B, C).code;
    e.trueTypes = classify::PlaneTrueCodes(A, B, C);
    return e;
  }

  bool JudgedRight(const Exercise& e, const Answer& a, bool detailed) const override {
    return detailed ? Contains(e.trueTypes, a.chosen) : a.chosen == e.classCode;
  }

  std::string Explanation(const Exercise& e, const Answer& a) const override {
    return JudgedRight(e, a, true) ? std::string() : PlaneExplanation(e.A, e.B, e.C, a.chosen);
  }

  void RightCodes(const Exercise& e, bool detailed, std::vector<std::int32_t>& types,
                  std::vector<std::int32_t>& relations) const override {
    types = detailed ? e.trueTypes : std::vector<std::int32_t>{e.classCode};
    if (detailed) relations = e.trueRelations;
  }

  std::string AnswerText(const Answer& a) const override {
    return NameOf(classify::kPlaneTypes, a.chosen, "sin tipo");
  }

  std::string RightText(const Exercise& e, const std::vector<std::int32_t>& types,
                        const std::vector<std::int32_t>&) const override {
    const std::string exact = classify::PlaneType(e.A, e.B, e.C).text;
    std::string text;
    for (std::int32_t code : types) {
      const char* name = classify::ResultNameOf(classify::kPlaneTypes, code);
      if (name == nullptr) continue;
      if (!text.empty()) text += " o ";
      text += code == kPlaneHOrV ? exact : name;
    }
    return text;
  }

  KeyNames KeyNamesOf(const FigurePoints& points) const override {
    const DihedralPoint &A = points[0], &B = points[1], &C = points[2];
    KeyNames key{{classify::PlaneTrueNames(A, B, C)}, ""};
    // H and V are told apart by their traces: each has none on itself.
    if (classify::PlaneType(A, B, C).code == kPlaneHOrV)
      key.note = classify::PlaneTracesText(A, B, C);
    return key;
  }

  std::vector<std::string> AnswerPrompts() const override { return {"Tipo de plano: "}; }

  BankQuestion QuestionOf(const FigurePoints& points) const override {
    const DihedralPoint &A = points[0], &B = points[1], &C = points[2];
    BankQuestion q;
    q.lists = {
        {"Tipo de plano: ", ListNames(classify::kPlaneTypes), classify::PlaneTrueCodes(A, B, C)}};
    return q;
  }
};

}  // namespace

const Kind& ThePlaneKind() {
  static const PlaneKind kind;
  return kind;
}

}  // namespace figures
