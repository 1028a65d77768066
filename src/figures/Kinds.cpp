#include "figures/Kinds.h"

#include <algorithm>

namespace figures {

const std::vector<const Kind*>& Kinds() {
  // One line per kind, in the order of scene::Figure.
  static const std::vector<const Kind*> kinds{&ThePointKind(),     &TheLineKind(),
                                              &ThePlaneKind(),     &ThePointPlaneKind(),
                                              &TheLinePlaneKind(), &TheTwoPlanesKind()};
  return kinds;
}

const Kind& KindOf(scene::Figure figure) {
  for (const Kind* kind : Kinds())
    if (kind->Figure() == figure) return *kind;
  return *Kinds().front();
}

std::optional<classify::Construction> ConstructionOf(const scene::Scene& scene,
                                                     const classify::FlatBox& box) {
  const auto kind = KindOf(scene.figure).Construction();
  if (!kind) return std::nullopt;
  classify::ConstructionPoints points{};
  for (int i = 0; i < 6; ++i) points[static_cast<std::size_t>(i)] = scene.Point(i);
  return classify::BuildConstruction(*kind, points, box);
}

void InfoUpdate(drawing::Painter& painter, scene::Scene& scene) {
  KindOf(scene.figure).Update(painter, scene);
}

// A point's and a line's texts go around the projections without moving them.
void Kind::DrawExercise(drawing::Painter& painter, scene::Scene& scene) const {
  Draw(painter, scene);
  ShowTexts(painter, scene);
}

void Kind::DrawAnswered(drawing::Painter& painter, scene::Scene& scene) const {
  ShowTexts(painter, scene);
  Draw(painter, scene);
}

void Kind::ShowNames(drawing::Painter& painter, const scene::Scene& scene) const {
  ShowTexts(painter, scene);
}

const Kind* KindWithPoints(std::size_t count) {
  for (const Kind* kind : Kinds())
    if (kind->PointCount() == count) return kind;
  return nullptr;
}

const Kind* KindWithShape(const CliShape& shape) {
  for (const Kind* kind : Kinds())
    if (kind->CommandLineShape() == shape) return kind;
  return nullptr;
}

Exercise SetWith(scene::Figure figure, const FigurePoints& points) {
  Exercise e;
  e.set = true;
  e.figure = figure;
  e.A = points[0];
  e.B = points[1];
  e.C = points[2];
  e.more = {points[3], points[4], points[5]};
  return e;
}

std::int32_t ChosenCode(const ListChoices& choices, AnswerList list) {
  const int index = choices[static_cast<std::size_t>(list)];
  return index < 0 ? 0 : index + 1;
}

bool Contains(const std::vector<std::int32_t>& codes, std::int32_t code) {
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}

}  // namespace figures
