// Two planes, ABC and DEF: how they lie, and for secant planes the type of the line
// i where they meet, asked in two lists side by side.
#include "classify/TwoPlanes.h"
#include "classify/Vocabulary.h"
#include "drawing/FigureTexts.h"
#include "drawing/Projections.h"
#include "drawing/TwoPlanesDrawing.h"
#include "drawing/TwoPlanesTexts.h"
#include "figures/Description.h"
#include "figures/Explanations.h"
#include "figures/Kinds.h"
#include "figures/Names.h"
#include "figures/SpaceFigures.h"

namespace figures {

namespace {

classify::SixPoints SixOf(const scene::Scene& scene) {
  return {scene.PointA, scene.PointB, scene.PointC, scene.PointD, scene.PointE, scene.PointF};
}

classify::SixPoints SixOf(const Exercise& e) {
  return e.Points();
}

class TwoPlanesKind final : public Kind {
 public:
  scene::Figure Figure() const override { return scene::Figure::kTwoPlanes; }
  std::optional<classify::ConstructionKind> Construction() const override {
    return classify::ConstructionKind::kTwoPlanes;
  }
  const char* Word() const override { return "Dos planos"; }
  std::size_t PointCount() const override { return 6; }
  const char* PointNames() const override { return "ABCDEF"; }
  bool TakesIntercepts() const override { return true; }
  CliShape CommandLineShape() const override { return {0, 0, 2}; }
  void PutInSpace(const scene::Scene& scene, drawing::SpaceFigure& space) const override {
    PlaneInSpace(space, scene.PointA, scene.PointB, scene.PointC, "ABC", classify::kAlpha1Label,
                 classify::kAlpha2Label, drawing::Ink::kFigure);
    PlaneInSpace(space, scene.PointD, scene.PointE, scene.PointF, "DEF", classify::kBeta1Label,
                 classify::kBeta2Label, drawing::Ink::kSecond);
    MeetingLineInSpace(space, scene);
  }

  Description Describe(const FigurePoints& points) const override {
    const scene::PlanesMeeting meeting = classify::MeetingOf(points);
    const classify::Naming relation = classify::TwoPlanesRelation(meeting);
    Description d{{relation.text}, {relation.code}, {}};
    const classify::Naming line = classify::IntersectionType(meeting);
    if (!line.text.empty()) {
      d.names.push_back(line.text);
      d.codes.push_back(line.code);
    }
    d.fields.push_back({"relación", JsonString(classify::RelationWord(meeting.relation))});
    const std::string i = classify::IntersectionJson(meeting);
    if (!i.empty()) d.fields.push_back({"intersección", i});
    return d;
  }

  void Update(drawing::Painter& painter, scene::Scene& scene) const override {
    painter.ForWindow.hideSplash = true;
    scene.Point(scene.EditedIndex()) = scene.EditPoint;
    painter.Select320x200();
    // The relation and the points left alone first; the edited one after the scene.
    drawing::ShowTwoPlanesRelation(painter, SixOf(scene), TextFlags(scene));
    Draw(painter, scene);
    drawing::ShowTwoPlanesLine(painter, SixOf(scene), TextFlags(scene));
    drawing::FinishInfoUpdate(painter, scene);
  }

  void Draw(drawing::Painter& painter, const scene::Scene& scene) const override {
    drawing::BeginScene(painter, scene);
    drawing::TwoPlanesFlags flags;
    // Hidden edges and the construction would tell a waiting exercise's answer.
    flags.visibility = scene.VisibilityOn && !scene.AnswerHidden;
    flags.construction = scene.ConstructionOn && !scene.AnswerHidden;
    flags.meeting = !scene.AnswerHidden;
    flags.edited = scene.EditedIndex();
    drawing::DrawTwoPlanes(painter, SixOf(scene), flags);
  }

  // The answer comes with i-i' and its traces, drawn at once.
  void DrawAnswered(drawing::Painter& painter, scene::Scene& scene) const override {
    scene.AnswerHidden = false;
    Draw(painter, scene);
  }

  void ShowTexts(drawing::Painter& painter, const scene::Scene& scene) const override {
    drawing::ShowTwoPlanesRelation(painter, SixOf(scene), TextFlags(scene));
    drawing::ShowTwoPlanesLine(painter, SixOf(scene), TextFlags(scene));
  }

  std::vector<AnswerList> Lists() const override {
    return {AnswerList::SelPlanos, AnswerList::SelInterseccion};
  }

  Answer ReadAnswer(const ListChoices& choices) const override {
    Answer a;
    a.chosen = ChosenCode(choices, AnswerList::SelPlanos);
    a.relation = ChosenCode(choices, AnswerList::SelInterseccion);
    return a;
  }

  Exercise ExerciseOf(const FigurePoints& points) const override {
    Exercise e = SetWith(Figure(), points);
    const scene::PlanesMeeting meeting = classify::MeetingOf(points);
    e.classCode = classify::TwoPlanesRelation(points).code;
    e.trueTypes = {e.classCode};
    if (e.classCode == classify::kSecantPlanes) {
      e.relationCode = classify::IntersectionType(meeting).code;
      e.trueRelations = classify::IntersectionTrueTypes(meeting);
    }
    return e;
  }

  // Secant planes also need the type of i: its shown name, or any true one.
  bool JudgedRight(const Exercise& e, const Answer& a, bool detailed) const override {
    if (a.chosen != e.classCode) return false;
    if (e.classCode != classify::kSecantPlanes) return true;
    return detailed ? Contains(e.trueRelations, a.relation) : a.relation == e.relationCode;
  }

  std::string Explanation(const Exercise& e, const Answer& a) const override {
    if (JudgedRight(e, a, true)) return {};
    return a.chosen != e.classCode ? TwoPlanesExplanation(SixOf(e))
                                   : IntersectionExplanation(SixOf(e));
  }

  void RightCodes(const Exercise& e, bool detailed, std::vector<std::int32_t>& types,
                  std::vector<std::int32_t>& relations) const override {
    types = {e.classCode};
    relations.clear();
    if (e.classCode == classify::kSecantPlanes)
      relations = detailed ? e.trueRelations : std::vector<std::int32_t>{e.relationCode};
  }

  std::string AnswerText(const Answer& a) const override {
    std::string text = NameOf(classify::kTwoPlanesRelations, a.chosen, "sin respuesta");
    if (a.relation > 0) text += ", i " + NameOf(classify::kLineTypes, a.relation, "");
    return text;
  }

  std::string RightText(const Exercise&, const std::vector<std::int32_t>& types,
                        const std::vector<std::int32_t>& relations) const override {
    std::string text = Alternatives(classify::kTwoPlanesRelations, types);
    if (!relations.empty()) text += ", i " + Alternatives(classify::kLineTypes, relations);
    return text;
  }

  KeyNames KeyNamesOf(const FigurePoints& points) const override {
    const Exercise e = ExerciseOf(points);
    KeyNames key{{{NameOf(classify::kTwoPlanesRelations, e.classCode, "NO DEFINEN UN PLANO")}}, ""};
    if (e.classCode == classify::kSecantPlanes)
      key.groups.push_back(NamesFrom(classify::kLineTypes, e.relationCode, e.trueRelations));
    return key;
  }

  std::vector<std::string> AnswerPrompts() const override {
    return {"¿Cómo son los planos? ", "¿De qué tipo es su intersección? "};
  }

  BankQuestion QuestionOf(const FigurePoints& points) const override {
    const Exercise e = ExerciseOf(points);
    BankQuestion q;
    q.lists = {{"¿Cómo son los planos? ", ListNames(classify::kTwoPlanesRelations), {e.classCode}}};
    if (e.classCode == classify::kSecantPlanes)
      q.lists.push_back(
          {"¿De qué tipo es su intersección? ", ListNames(classify::kLineTypes), e.trueRelations});
    return q;
  }

 private:
  static drawing::TwoPlanesTextFlags TextFlags(const scene::Scene& scene) {
    drawing::TwoPlanesTextFlags flags;
    flags.edited = scene.EditedIndex();
    flags.answerHidden = scene.AnswerHidden;
    flags.coordinatesHidden = scene.CoordinatesHidden;
    return flags;
  }
};

}  // namespace

const Kind& TheTwoPlanesKind() {
  static const TwoPlanesKind kind;
  return kind;
}

}  // namespace figures
