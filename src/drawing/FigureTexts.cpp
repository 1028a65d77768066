#include "drawing/FigureTexts.h"

#include <cstdint>
#include <string>

#include "classify/Classification.h"
#include "delgraph/delgraph.h"
#include "drawing/LogicalWindow.h"
#include "drawing/PlaneTexts.h"
#include "drawing/Projections.h"
#include "scene/PlaneScene.h"
#include "scene/Scene.h"

namespace drawing {

namespace {

constexpr std::int32_t kTextColour = 13;  // light magenta
constexpr std::int32_t kTextBackground = 0;
constexpr std::int32_t kClosingPen = 12;  // light red, the pen the next profile frame uses
constexpr std::uint16_t kTextSize = 18;

// Surface positions of the texts.
constexpr std::int32_t kTextX = 570;
constexpr std::int32_t kRelationY = 10;  // also the point's location
constexpr std::int32_t kTypeY = 355;
constexpr std::int32_t kCoordinatesAY = 390;
constexpr std::int32_t kCoordinatesBY = 426;
constexpr std::int32_t kPointCoordinatesX = 540;
constexpr std::int32_t kPointCoordinatesY = 399;

void SetLabel(int n, const std::string& text) {
  if (scene::Quorvel != nullptr) scene::Quorvel->SetLabelCaption(n, text);
}

}  // namespace

void InfoUpdate() {
  if (scene::PlaneMode) {
    PlaneInfoUpdate();
    return;
  }
  if (scene::Quorvel != nullptr) scene::Quorvel->HideMemo2();
  if (scene::PointMode) scene::SelectedA = true;
  if (scene::SelectedA) {
    scene::PointA = scene::EditPoint;
  } else {
    scene::PointB = scene::EditPoint;
  }
  drawing::Select320x200();
  if (scene::PointMode) {
    ShowPointInfo(scene::PointA.abscissa, scene::PointA.alejamiento, scene::PointA.cota);
  } else {
    ShowLineInfo();
  }
  const DihedralPoint& A = scene::PointA;
  const DihedralPoint& B = scene::PointB;
  drawing::DrawScene(scene::PointMode, A.abscissa, A.alejamiento, A.cota, B.abscissa, B.alejamiento,
                     B.cota, 1);
  FinishInfoUpdate();
}

void FinishInfoUpdate() {
  SetLabel(1, "la: " + std::to_string(scene::EditPoint.abscissa));
  SetLabel(2, "lx: " + std::to_string(scene::EditPoint.alejamiento));
  SetLabel(3, "ly: " + std::to_string(scene::EditPoint.cota));
  SetLabel(4, "incrx: " + std::to_string(scene::IncrX));
  SetLabel(5, "incry: " + std::to_string(scene::IncrY));
  delgraph::SetDrawColor(kClosingPen);
}

delgraph::ColorValue BeginInfoText() {
  delgraph::SetTextStyle(0, 0, kTextSize);
  const delgraph::ColorValue kept = delgraph::GetPenColor();
  delgraph::SetDrawColor(kTextColour);
  delgraph::SetBackColor(kTextBackground);
  return kept;
}

void ShowPointInfo(std::int32_t abscissa, std::int32_t alejamiento, std::int32_t cota) {
  const delgraph::ColorValue kept = BeginInfoText();
  // While a test waits for its answer the location is not shown.
  if (!scene::AnswerHidden) {
    delgraph::DrawText(kTextX, kRelationY, classify::PointLocation(alejamiento, cota).text);
  }
  if (!(scene::AnswerHidden && scene::CoordinatesHidden)) {
    const std::string coordinates = "A=(" + std::to_string(abscissa) + "," +
                                    std::to_string(alejamiento) + "," + std::to_string(cota) + ")";
    delgraph::SetDrawColor(kTextColour);
    delgraph::DrawText(kPointCoordinatesX, kPointCoordinatesY, coordinates);
  }
  delgraph::SetPenColorValue(kept);
}

void ShowLineInfo() {
  const delgraph::ColorValue kept = BeginInfoText();
  if (!scene::AnswerHidden) {
    delgraph::DrawText(kTextX, kTypeY, classify::LineType(scene::PointA, scene::PointB).text);
    delgraph::DrawText(kTextX, kRelationY,
                       classify::LineRelation(scene::PointA, scene::PointB).text);
  }
  // The coordinates carry the trace labels; they are data, not the answer, unless
  // the exercise is to be read from the drawing alone.
  if (!(scene::AnswerHidden && scene::CoordinatesHidden)) {
    delgraph::DrawText(kTextX, kCoordinatesAY, classify::LineCoordinateText("A", scene::PointA));
    delgraph::DrawText(kTextX, kCoordinatesBY, classify::LineCoordinateText("B", scene::PointB));
  }
  drawing::RestoreTextStyle();
  delgraph::SetPenColorValue(kept);
}

}  // namespace drawing
