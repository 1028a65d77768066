#include "classify/PlaneInfo.h"

#include <cstdint>
#include <string>

#include "classify/Classification.h"
#include "classify/InfoUpdate.h"
#include "classify/Planes.h"
#include "delgraph/delgraph.h"
#include "drawing/LogicalWindow.h"
#include "drawing/PlaneDrawing.h"
#include "drawing/Projections.h"
#include "scene/PlaneGeometry.h"
#include "scene/PlaneScene.h"

namespace classify {

namespace {

constexpr std::int32_t kTextColour = 13;  // as the line's texts
constexpr std::int32_t kTextBackground = 0;
constexpr std::int32_t kClosingPen = 12;
constexpr std::uint16_t kTextSize = 18;
// Three points share the panel that holds a line's two: a smaller size.
constexpr std::uint16_t kCoordinatesSize = 14;

constexpr std::int32_t kTextX = 570;
constexpr std::int32_t kTracesY = 10;  // where a line's relation to H and V goes
constexpr std::int32_t kTypeY = 355;
constexpr std::int32_t kCoordinatesY[3] = {382, 403, 424};

void SetLabel(int n, const std::string& text) {
  if (scene::Quorvel != nullptr) scene::Quorvel->SetLabelCaption(n, text);
}

}  // namespace

std::string PlaneTracesText(const DihedralPoint& A, const DihedralPoint& B,
                            const DihedralPoint& C) {
  const scene::PlaneEquation plane = scene::PlaneThrough(A, B, C);
  if (!plane.Defined()) return "";
  const scene::PlaneTraces t = scene::TracesOf(plane);
  const std::string both = drawing::kAlpha1Label + " y " + drawing::kAlpha2Label;
  if (t.meetGroundLine)
    return both + " cortan a L.T. en x = " + scene::DecimalText(t.groundLineAbscissa);
  if (t.throughGroundLine) return both + " en L.T.";
  if (!t.horizontal.exists)
    return "sin " + drawing::kAlpha1Label + ", " + drawing::kAlpha2Label + " paralela a L.T.";
  if (!t.vertical.exists)
    return "sin " + drawing::kAlpha2Label + ", " + drawing::kAlpha1Label + " paralela a L.T.";
  return both + " paralelas a L.T.";
}

void PlaneInfoUpdate() {
  if (scene::Quorvel != nullptr) scene::Quorvel->HideMemo2();
  if (scene::SelectedC) {
    scene::PointC = scene::EditPoint;
  } else if (scene::SelectedA) {
    scene::PointA = scene::EditPoint;
  } else {
    scene::PointB = scene::EditPoint;
  }
  drawing::Select320x200();
  ShowPlaneInfo();
  const DihedralPoint& A = scene::PointA;
  const DihedralPoint& B = scene::PointB;
  drawing::DrawScene(false, A.abscissa, A.alejamiento, A.cota, B.abscissa, B.alejamiento, B.cota,
                     1);
  SetLabel(1, "la: " + std::to_string(scene::EditPoint.abscissa));
  SetLabel(2, "lx: " + std::to_string(scene::EditPoint.alejamiento));
  SetLabel(3, "ly: " + std::to_string(scene::EditPoint.cota));
  SetLabel(4, "incrx: " + std::to_string(scene::IncrX));
  SetLabel(5, "incry: " + std::to_string(scene::IncrY));
  delgraph::SetDrawColor(kClosingPen);
}

void ShowPlaneInfo() {
  // As a line's texts, and restored as they are after them.
  delgraph::SetTextStyle(0, 0, kTextSize);
  const delgraph::ColorValue kept = delgraph::GetPenColor();
  drawing::SaveTextStyle();
  delgraph::SetDrawColor(kTextColour);
  delgraph::SetBackColor(kTextBackground);
  const DihedralPoint points[3] = {scene::PointA, scene::PointB, scene::PointC};
  // What an edit leaves alone comes first: the window's canvas keeps the picture of
  // the calls that repeat the previous redraw, and draws only from the first change.
  if (!scene::AnswerHidden) {
    delgraph::DrawText(kTextX, kTypeY, PlaneType(points[0], points[1], points[2]));
  }
  if (!(scene::AnswerHidden && CoordinatesHidden)) {
    delgraph::SetTextStyle(0, 0, kCoordinatesSize);
    const char* letters[3] = {"A", "B", "C"};
    for (int k = 0; k < 3; ++k)
      delgraph::DrawText(kTextX, kCoordinatesY[k], LineCoordinateText(letters[k], points[k]));
    delgraph::SetTextStyle(0, 0, kTextSize);
  }
  if (!scene::AnswerHidden) {
    delgraph::DrawText(kTextX, kTracesY, PlaneTracesText(points[0], points[1], points[2]));
  }
  drawing::RestoreTextStyle();
  delgraph::SetPenColorValue(kept);
}

}  // namespace classify
