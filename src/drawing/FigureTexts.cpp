#include "drawing/FigureTexts.h"

#include <cstdint>
#include <string>

#include "classify/Classification.h"
#include "delgraph/delgraph.h"
#include "drawing/Painter.h"
#include "drawing/PlaneTexts.h"
#include "drawing/Projections.h"
#include "scene/Scene.h"

namespace drawing {

namespace {

constexpr std::int32_t kClosingPen = 12;  // light red, the pen the next profile frame uses

// Surface positions of the texts.
constexpr std::int32_t kRelationY = 10;  // also the point's location
constexpr std::int32_t kCoordinatesAY = 390;
constexpr std::int32_t kCoordinatesBY = 426;
constexpr std::int32_t kPointCoordinatesX = 540;
constexpr std::int32_t kPointCoordinatesY = 399;

}  // namespace

void PointInfoUpdate(drawing::Painter& painter, scene::Scene& scene) {
  painter.ForWindow.hideSplash = true;
  scene.SelectedA = true;
  scene.PointA = scene.EditPoint;
  painter.Select320x200();
  ShowPointInfo(painter, scene);
  drawing::DrawPointScene(painter, scene);
  FinishInfoUpdate(painter, scene);
}

void LineInfoUpdate(drawing::Painter& painter, scene::Scene& scene) {
  painter.ForWindow.hideSplash = true;
  if (scene.SelectedA) {
    scene.PointA = scene.EditPoint;
  } else {
    scene.PointB = scene.EditPoint;
  }
  painter.Select320x200();
  ShowLineInfo(painter, scene);
  drawing::DrawLineScene(painter, scene, 1);
  FinishInfoUpdate(painter, scene);
}

void FinishInfoUpdate(drawing::Painter& painter, const scene::Scene& scene) {
  painter.ForWindow.labels[1] = "la: " + std::to_string(scene.EditPoint.abscissa);
  painter.ForWindow.labels[2] = "lx: " + std::to_string(scene.EditPoint.alejamiento);
  painter.ForWindow.labels[3] = "ly: " + std::to_string(scene.EditPoint.cota);
  painter.ForWindow.labels[4] = "incrx: " + std::to_string(scene.IncrX);
  painter.ForWindow.labels[5] = "incry: " + std::to_string(scene.IncrY);
  painter.SetDrawColor(kClosingPen);
}

delgraph::ColorValue BeginInfoText(drawing::Painter& painter) {
  painter.SetTextStyle(0, 0, kTextSize);
  const delgraph::ColorValue kept = painter.GetPenColor();
  painter.SetDrawColor(kTextColour);
  painter.SetBackColor(kTextBackground);
  return kept;
}

void ShowPointInfo(drawing::Painter& painter, const scene::Scene& scene) {
  const std::int32_t abscissa = scene.PointA.abscissa;
  const std::int32_t alejamiento = scene.PointA.alejamiento;
  const std::int32_t cota = scene.PointA.cota;
  const delgraph::ColorValue kept = BeginInfoText(painter);
  // While a test waits for its answer the location is not shown.
  if (!scene.AnswerHidden) {
    painter.DrawText(kTextX, kRelationY, classify::PointLocation(alejamiento, cota).text);
  }
  if (!(scene.AnswerHidden && scene.CoordinatesHidden)) {
    const std::string coordinates = "A=(" + std::to_string(abscissa) + "," +
                                    std::to_string(alejamiento) + "," + std::to_string(cota) + ")";
    painter.SetDrawColor(kTextColour);
    painter.DrawText(kPointCoordinatesX, kPointCoordinatesY, coordinates);
  }
  painter.SetPenColorValue(kept);
}

void ShowLineInfo(drawing::Painter& painter, const scene::Scene& scene) {
  const delgraph::ColorValue kept = BeginInfoText(painter);
  if (!scene.AnswerHidden) {
    painter.DrawText(kTextX, kTypeY, classify::LineType(scene.PointA, scene.PointB).text);
    painter.DrawText(kTextX, kRelationY, classify::LineRelation(scene.PointA, scene.PointB).text);
  }
  // The coordinates carry the trace labels; they are data, not the answer, unless
  // the exercise is to be read from the drawing alone.
  if (!(scene.AnswerHidden && scene.CoordinatesHidden)) {
    painter.DrawText(kTextX, kCoordinatesAY, classify::LineCoordinateText("A", scene.PointA));
    painter.DrawText(kTextX, kCoordinatesBY, classify::LineCoordinateText("B", scene.PointB));
  }
  drawing::RestoreTextStyle(painter);
  painter.SetPenColorValue(kept);
}

}  // namespace drawing
