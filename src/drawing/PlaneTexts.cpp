#include "drawing/PlaneTexts.h"

#include <cstdint>
#include <string>

#include "classify/Classification.h"
#include "classify/Planes.h"
#include "delgraph/delgraph.h"
#include "drawing/FigureTexts.h"
#include "drawing/Painter.h"
#include "drawing/PlaneDrawing.h"
#include "drawing/Projections.h"
#include "scene/Scene.h"

namespace drawing {

namespace {

// Three points share the panel that holds a line's two: a smaller size.
constexpr std::uint16_t kCoordinatesSize = 14;

// A traces text too long for its size (a meeting point far along L.T.) is set
// smaller, down to this size, rather than cut at the picture's edge.
constexpr std::uint16_t kSmallestTracesSize = 8;
constexpr std::int32_t kTracesY = 10;  // where a line's relation to H and V goes
constexpr std::int32_t kCoordinatesY[3] = {382, 403, 424};

// The coordinates of the points the controls do not edit, or of the one they edit.
void ShowCoordinates(drawing::Painter& painter, const scene::Scene& scene, bool edited) {
  if (scene.AnswerHidden && scene.CoordinatesHidden) return;
  const DihedralPoint points[3] = {scene.PointA, scene.PointB, scene.PointC};
  const int selected = scene.EditedIndex();
  const char* letters[3] = {"A", "B", "C"};
  painter.SetTextStyle(0, 0, kCoordinatesSize);
  for (int k = 0; k < 3; ++k) {
    if ((k == selected) == edited)
      painter.DrawText(kTextX, kCoordinatesY[k],
                       classify::LineCoordinateText(letters[k], points[k]));
  }
}

}  // namespace

void PlaneInfoUpdate(drawing::Painter& painter, scene::Scene& scene) {
  painter.ForWindow.hideSplash = true;
  if (scene.SelectedC) {
    scene.PointC = scene.EditPoint;
  } else if (scene.SelectedA) {
    scene.PointA = scene.EditPoint;
  } else {
    scene.PointB = scene.EditPoint;
  }
  painter.Select320x200();
  // What follows the edited point comes last, after the scene: the window's canvas
  // keeps the picture of the calls that repeat the previous redraw and draws only
  // from the first change on. No text overlaps the projections.
  ShowPlaneType(painter, scene);
  drawing::DrawPlaneScene(painter, scene);
  ShowPlaneCoordinates(painter, scene);
  FinishInfoUpdate(painter, scene);
}

void ShowPlaneType(drawing::Painter& painter, const scene::Scene& scene) {
  // As a line's texts, and restored as they are after them.
  const delgraph::ColorValue kept = BeginInfoText(painter);
  if (!scene.AnswerHidden) {
    painter.DrawText(kTextX, kTypeY,
                     classify::PlaneType(scene.PointA, scene.PointB, scene.PointC).text);
  }
  ShowCoordinates(painter, scene, false);
  drawing::RestoreTextStyle(painter);
  painter.SetPenColorValue(kept);
}

void ShowPlaneCoordinates(drawing::Painter& painter, const scene::Scene& scene) {
  const delgraph::ColorValue kept = painter.GetPenColor();
  painter.SetDrawColor(kTextColour);
  painter.SetBackColor(kTextBackground);
  ShowCoordinates(painter, scene, true);
  if (!scene.AnswerHidden) {
    const std::string traces = classify::PlaneTracesText(scene.PointA, scene.PointB, scene.PointC);
    const std::int32_t room = delgraph::GetMaxX() + 1 - kTextX;
    std::uint16_t size = kTextSize;
    painter.SetTextStyle(0, 0, size);
    while (size > kSmallestTracesSize && painter.TextWidth(traces) > room)
      painter.SetTextStyle(0, 0, --size);
    painter.DrawText(kTextX, kTracesY, traces);
  }
  drawing::RestoreTextStyle(painter);
  // As the rings of the projections leave it.
  painter.SetBrushStyle(delgraph::bsClear);
  painter.SetPenColorValue(kept);
}

}  // namespace drawing
