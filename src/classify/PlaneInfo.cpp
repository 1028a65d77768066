#include "classify/PlaneInfo.h"

#include <cstdint>
#include <string>

#include "classify/Classification.h"
#include "classify/InfoUpdate.h"
#include "classify/Planes.h"
#include "delgraph/delgraph.h"
#include "drawing/Painter.h"
#include "drawing/PlaneDrawing.h"
#include "drawing/Projections.h"
#include "scene/PlaneGeometry.h"
#include "scene/PlaneScene.h"

namespace classify {

namespace {

constexpr std::int32_t kTextColour = 13;  // as the line's texts
constexpr std::int32_t kTextBackground = 0;
constexpr std::uint16_t kTextSize = 18;
// Three points share the panel that holds a line's two: a smaller size.
constexpr std::uint16_t kCoordinatesSize = 14;

constexpr std::int32_t kTextX = 570;
// A traces text too long for its size (a meeting point far along L.T.) is set
// smaller, down to this size, rather than cut at the picture's edge.
constexpr std::uint16_t kSmallestTracesSize = 8;
constexpr std::int32_t kTracesY = 10;  // where a line's relation to H and V goes
constexpr std::int32_t kTypeY = 355;
constexpr std::int32_t kCoordinatesY[3] = {382, 403, 424};

// The coordinates of the points the controls do not edit, or of the one they edit.
void ShowCoordinates(drawing::Painter& painter, bool edited) {
  if (scene::AnswerHidden && CoordinatesHidden) return;
  const DihedralPoint points[3] = {scene::PointA, scene::PointB, scene::PointC};
  const int selected = scene::SelectedC ? 2 : scene::SelectedA ? 0 : 1;
  const char* letters[3] = {"A", "B", "C"};
  painter.SetTextStyle(0, 0, kCoordinatesSize);
  for (int k = 0; k < 3; ++k) {
    if ((k == selected) == edited)
      painter.DrawText(kTextX, kCoordinatesY[k], LineCoordinateText(letters[k], points[k]));
  }
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
  // H has no trace on H (it is H) and meets V in L.T.; V the other way round.
  if (t.throughGroundLine && !t.horizontal.exists)
    return "sin " + drawing::kAlpha1Label + " (es H), " + drawing::kAlpha2Label + " es L.T.";
  if (t.throughGroundLine && !t.vertical.exists)
    return "sin " + drawing::kAlpha2Label + " (es V), " + drawing::kAlpha1Label + " es L.T.";
  if (t.throughGroundLine) return both + " en L.T.";
  if (!t.horizontal.exists)
    return "sin " + drawing::kAlpha1Label + ", " + drawing::kAlpha2Label + " paralela a L.T.";
  if (!t.vertical.exists)
    return "sin " + drawing::kAlpha2Label + ", " + drawing::kAlpha1Label + " paralela a L.T.";
  return both + " paralelas a L.T.";
}

void PlaneInfoUpdate(drawing::Painter& painter) {
  if (scene::Quorvel != nullptr) scene::Quorvel->HideMemo2();
  if (scene::SelectedC) {
    scene::PointC = scene::EditPoint;
  } else if (scene::SelectedA) {
    scene::PointA = scene::EditPoint;
  } else {
    scene::PointB = scene::EditPoint;
  }
  painter.Select320x200();
  // What follows the edited point comes last, after the scene: the window's canvas
  // keeps the picture of the calls that repeat the previous redraw and draws only
  // from the first change on. No text overlaps the projections.
  ShowPlaneType(painter);
  const DihedralPoint& A = scene::PointA;
  const DihedralPoint& B = scene::PointB;
  drawing::DrawScene(painter, false, A.abscissa, A.alejamiento, A.cota, B.abscissa, B.alejamiento,
                     B.cota, 1);
  ShowPlaneCoordinates(painter);
  FinishInfoUpdate(painter);
}

void ShowPlaneType(drawing::Painter& painter) {
  // As a line's texts, and restored as they are after them.
  const delgraph::ColorValue kept = BeginInfoText(painter);
  if (!scene::AnswerHidden) {
    painter.DrawText(kTextX, kTypeY, PlaneType(scene::PointA, scene::PointB, scene::PointC));
  }
  ShowCoordinates(painter, false);
  drawing::RestoreTextStyle(painter);
  painter.SetPenColorValue(kept);
}

void ShowPlaneCoordinates(drawing::Painter& painter) {
  const delgraph::ColorValue kept = painter.GetPenColor();
  painter.SetDrawColor(kTextColour);
  painter.SetBackColor(kTextBackground);
  ShowCoordinates(painter, true);
  if (!scene::AnswerHidden) {
    const std::string traces = PlaneTracesText(scene::PointA, scene::PointB, scene::PointC);
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

}  // namespace classify
