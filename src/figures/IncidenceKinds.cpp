// A point or a line with the plane ABC: whether P belongs to it, and how the line DE
// lies to it. Each is asked in one list of its own.
#include <algorithm>

#include "classify/IncidenceNames.h"
#include "classify/Planes.h"
#include "classify/Vocabulary.h"
#include "drawing/FigureTexts.h"
#include "drawing/IncidenceDrawing.h"
#include "drawing/IncidenceTexts.h"
#include "drawing/Projections.h"
#include "figures/Description.h"
#include "figures/Explanations.h"
#include "figures/Kinds.h"
#include "figures/Names.h"
#include "figures/SpaceFigures.h"
#include "scene/Incidence.h"
#include "scene/PlaneGeometry.h"

namespace figures {

namespace {

drawing::IncidenceView ViewOf(const scene::Scene& scene) {
  drawing::IncidenceView view;
  view.visibility = scene.VisibilityOn;
  view.construction = scene.ConstructionOn;
  view.notable = scene.NotableOn;
  view.answerHidden = scene.AnswerHidden;
  // The plane's own points are drawn in their order; P, D and E come after them.
  view.edited = std::min(scene.EditedIndex(), 2);
  return view;
}

// What the two kinds share: the edit, the texts over the picture and the one list.
class IncidenceKind : public Kind {
 public:
  bool TakesIntercepts() const override { return true; }

  void Update(drawing::Painter& painter, scene::Scene& scene) const override {
    painter.ForWindow.hideSplash = true;
    scene.Point(scene.EditedIndex()) = scene.EditPoint;
    painter.Select320x200();
    Draw(painter, scene);
    ShowTexts(painter, scene);
    drawing::FinishInfoUpdate(painter, scene);
  }

  void ShowTexts(drawing::Painter& painter, const scene::Scene& scene) const override {
    drawing::IncidencePanel panel = Panel(scene);
    if (scene.NotableOn)
      panel.notableLack = classify::NotableLackText(
          scene::NotableLinesOf(scene::PlaneThrough(scene.PointA, scene.PointB, scene.PointC)));
    drawing::DrawIncidencePanel(painter, panel, scene.AnswerHidden, scene.CoordinatesHidden);
  }

  // The plane both kinds share, in space.
  static void PlaneOf(const scene::Scene& scene, drawing::SpaceFigure& space) {
    PlaneInSpace(space, scene.PointA, scene.PointB, scene.PointC, "ABC", classify::kAlpha1Label,
                 classify::kAlpha2Label, drawing::Ink::kFigure);
  }

  // The answer comes with what it hid while it waited (I, i-i'), drawn at once.
  void DrawAnswered(drawing::Painter& painter, scene::Scene& scene) const override {
    scene.AnswerHidden = false;
    Draw(painter, scene);
  }

  Answer ReadAnswer(const ListChoices& choices) const override {
    Answer a;
    a.chosen = ChosenCode(choices, Lists().front());
    return a;
  }

  bool JudgedRight(const Exercise& e, const Answer& a, bool) const override {
    return a.chosen == e.classCode;
  }

  void RightCodes(const Exercise& e, bool, std::vector<std::int32_t>& types,
                  std::vector<std::int32_t>&) const override {
    types = {e.classCode};
  }

  std::string AnswerText(const Answer& a) const override { return Name(a.chosen, "sin respuesta"); }

  std::string RightText(const Exercise&, const std::vector<std::int32_t>& types,
                        const std::vector<std::int32_t>&) const override {
    return types.empty() ? std::string() : Name(types.front(), "");
  }

  KeyNames KeyNamesOf(const FigurePoints& points) const override {
    return {{{Name(ExerciseOf(points).classCode, "NO DEFINEN UN PLANO")}}, ""};
  }

  BankQuestion QuestionOf(const FigurePoints& points) const override {
    BankQuestion q;
    q.cloze = false;
    q.prompt = Question();
    q.lists = {{"", Names(), {ExerciseOf(points).classCode}}};
    return q;
  }

 protected:
  virtual drawing::IncidencePanel Panel(const scene::Scene& scene) const = 0;
  virtual std::string Name(std::int32_t code, const char* none) const = 0;
  virtual std::vector<std::string> Names() const = 0;
  virtual const char* Question() const = 0;

  // The relation as the panel names it, or without a plane the plane's own naming.
  static Description Named(const classify::Naming& relation, const FigurePoints& points) {
    const classify::Naming n =
        relation.text.empty() ? classify::PlaneType(points[0], points[1], points[2]) : relation;
    return {{n.text}, {n.code}, {}};
  }

  Exercise Set(const FigurePoints& points, std::int32_t code) const {
    Exercise e = SetWith(Figure(), points);
    e.classCode = code;
    e.trueTypes = {code};
    return e;
  }
};

class PointPlaneKind final : public IncidenceKind {
 public:
  scene::Figure Figure() const override { return scene::Figure::kPointPlane; }
  std::optional<classify::ConstructionKind> Construction() const override {
    return classify::ConstructionKind::kMissingProjection;
  }
  const char* Word() const override { return "Punto y plano"; }
  std::size_t PointCount() const override { return 4; }
  const char* PointNames() const override { return "ABCP"; }
  CliShape CommandLineShape() const override { return {1, 0, 1}; }
  void PutInSpace(const scene::Scene& scene, drawing::SpaceFigure& space) const override {
    PlaneOf(scene, space);
    PointInSpace(space, scene.PointD, "p", drawing::Ink::kSecond);
  }

  Description Describe(const FigurePoints& points) const override {
    const classify::Naming n =
        classify::PointPlaneRelation(points[0], points[1], points[2], points[3]);
    Description d = Named(n, points);
    // No plane, no belonging either way.
    d.fields.push_back({"pertenece", n.text.empty()                     ? "null"
                                     : n.code == classify::kBelongsCode ? "true"
                                                                        : "false"});
    return d;
  }

  void Draw(drawing::Painter& painter, const scene::Scene& scene) const override {
    drawing::BeginScene(painter, scene);
    drawing::DrawPointAndPlane(painter, scene.PointA, scene.PointB, scene.PointC, scene.PointD,
                               ViewOf(scene));
  }

  std::vector<AnswerList> Lists() const override { return {AnswerList::SelPertenece}; }

  Exercise ExerciseOf(const FigurePoints& points) const override {
    return Set(points,
               classify::PointPlaneRelation(points[0], points[1], points[2], points[3]).code);
  }

  std::string Explanation(const Exercise& e, const Answer& a) const override {
    return JudgedRight(e, a, true) ? std::string()
                                   : PointPlaneExplanation(e.A, e.B, e.C, e.more[0], a.chosen);
  }

  std::vector<std::string> AnswerPrompts() const override { return {"¿Pertenece P al plano? "}; }

 protected:
  drawing::IncidencePanel Panel(const scene::Scene& scene) const override {
    return drawing::PointPlaneTexts(scene.PointA, scene.PointB, scene.PointC, scene.PointD);
  }
  std::string Name(std::int32_t code, const char* none) const override {
    return NameOf(classify::kBelongingAnswers, code, none);
  }
  std::vector<std::string> Names() const override { return ListNames(classify::kBelongingAnswers); }
  const char* Question() const override { return "¿Pertenece P al plano?"; }
};

class LinePlaneKind final : public IncidenceKind {
 public:
  scene::Figure Figure() const override { return scene::Figure::kLinePlane; }
  std::optional<classify::ConstructionKind> Construction() const override {
    return classify::ConstructionKind::kLinePlane;
  }
  const char* Word() const override { return "Recta y plano"; }
  std::size_t PointCount() const override { return 5; }
  const char* PointNames() const override { return "ABCDE"; }
  CliShape CommandLineShape() const override { return {0, 1, 1}; }
  void PutInSpace(const scene::Scene& scene, drawing::SpaceFigure& space) const override {
    PlaneOf(scene, space);
    SegmentLineInSpace(space, scene.PointD, scene.PointE, "de", drawing::Ink::kSecond);
    MeetingPointInSpace(space, scene);
  }

  Description Describe(const FigurePoints& points) const override {
    const scene::LinePlaneMeeting meeting = scene::LineAndPlane(
        scene::PlaneThrough(points[0], points[1], points[2]), points[3], points[4]);
    Description d = Named(classify::LinePlaneRelation(meeting), points);
    d.fields.push_back({"relación", JsonString(classify::LinePlaneWord(meeting.relation))});
    if (meeting.relation == scene::LinePlane::kSecant) {
      const std::array<std::string, 3> I = classify::ExactCoordinateTexts(meeting.I);
      d.fields.push_back(
          {"I", "[" + JsonString(I[0]) + ", " + JsonString(I[1]) + ", " + JsonString(I[2]) + "]"});
    }
    return d;
  }

  void Draw(drawing::Painter& painter, const scene::Scene& scene) const override {
    drawing::BeginScene(painter, scene);
    drawing::DrawLineAndPlane(painter, scene.PointA, scene.PointB, scene.PointC, scene.PointD,
                              scene.PointE, ViewOf(scene));
  }

  std::vector<AnswerList> Lists() const override { return {AnswerList::SelRectaPlano}; }

  Exercise ExerciseOf(const FigurePoints& points) const override {
    return Set(
        points,
        classify::LinePlaneRelation(points[0], points[1], points[2], points[3], points[4]).code);
  }

  std::string Explanation(const Exercise& e, const Answer& a) const override {
    return JudgedRight(e, a, true)
               ? std::string()
               : LinePlaneExplanation(e.A, e.B, e.C, e.more[0], e.more[1], a.chosen);
  }

  std::vector<std::string> AnswerPrompts() const override {
    return {"¿Cómo es la recta respecto del plano? "};
  }

 protected:
  drawing::IncidencePanel Panel(const scene::Scene& scene) const override {
    return drawing::LinePlaneTexts(scene.PointA, scene.PointB, scene.PointC, scene.PointD,
                                   scene.PointE);
  }
  std::string Name(std::int32_t code, const char* none) const override {
    return NameOf(classify::kLinePlaneAnswers, code, none);
  }
  std::vector<std::string> Names() const override { return ListNames(classify::kLinePlaneAnswers); }
  const char* Question() const override { return "¿Cómo es la recta respecto del plano?"; }
};

}  // namespace

const Kind& ThePointPlaneKind() {
  static const PointPlaneKind kind;
  return kind;
}

const Kind& TheLinePlaneKind() {
  static const LinePlaneKind kind;
  return kind;
}

}  // namespace figures
