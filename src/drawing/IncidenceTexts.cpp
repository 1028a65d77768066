#include "drawing/IncidenceTexts.h"

#include <cstddef>

#include "classify/Classification.h"
#include "classify/IncidenceNames.h"
#include "classify/Planes.h"
#include "delgraph/delgraph.h"
#include "drawing/FigureTexts.h"
#include "drawing/Projections.h"
#include "scene/Incidence.h"
#include "scene/PlaneGeometry.h"

namespace drawing {

namespace {

constexpr std::uint16_t kCoordinatesSize = 14;  // as plane mode's three points
constexpr std::uint16_t kLackSize = 12;
constexpr std::uint16_t kSmallestSize = 8;
constexpr std::int32_t kRightEdge = 1016;  // inside the panel's frame

std::vector<std::string> PlanePoints(const DihedralPoint& A, const DihedralPoint& B,
                                     const DihedralPoint& C) {
  return {classify::LineCoordinateText("A", A), classify::LineCoordinateText("B", B),
          classify::LineCoordinateText("C", C)};
}

std::string OrPlaneNaming(const classify::Naming& relation, const DihedralPoint& A,
                          const DihedralPoint& B, const DihedralPoint& C) {
  return relation.text.empty() ? classify::PlaneType(A, B, C).text : relation.text;
}

// Text at (x, y) no wider than the room up to the panel's right edge.
void Fitted(Painter& painter, std::int32_t x, std::int32_t y, const std::string& text,
            std::uint16_t size) {
  painter.SetTextStyle(0, 0, size);
  while (size > kSmallestSize && painter.TextWidth(text) > kRightEdge - x)
    painter.SetTextStyle(0, 0, --size);
  painter.DrawText(x, y, text);
}

}  // namespace

IncidencePanel PointPlaneTexts(const DihedralPoint& A, const DihedralPoint& B,
                               const DihedralPoint& C, const DihedralPoint& P) {
  IncidencePanel panel;
  panel.relation = OrPlaneNaming(classify::PointPlaneRelation(A, B, C, P), A, B, C);
  panel.points = PlanePoints(A, B, C);
  panel.points.push_back(classify::LineCoordinateText("P", P));
  return panel;
}

IncidencePanel LinePlaneTexts(const DihedralPoint& A, const DihedralPoint& B,
                              const DihedralPoint& C, const DihedralPoint& D,
                              const DihedralPoint& E) {
  IncidencePanel panel;
  const scene::LinePlaneMeeting meeting = scene::LineAndPlane(scene::PlaneThrough(A, B, C), D, E);
  panel.relation = OrPlaneNaming(classify::LinePlaneRelation(meeting), A, B, C);
  if (meeting.relation == scene::LinePlane::kSecant)
    panel.intersection = classify::IntersectionText(meeting.I);
  panel.points = PlanePoints(A, B, C);
  panel.points.push_back(classify::LineCoordinateText("D", D));
  panel.points.push_back(classify::LineCoordinateText("E", E));
  return panel;
}

void DrawIncidencePanel(Painter& painter, const IncidencePanel& panel, bool answerHidden,
                        bool coordinatesHidden) {
  const delgraph::ColorValue kept = BeginInfoText(painter);
  if (!answerHidden) Fitted(painter, kTextX, kTypeY, panel.relation, kTextSize);
  // Left column A, B, C; right column the figure's own points, then I.
  std::vector<std::string> right;
  if (!(answerHidden && coordinatesHidden)) {
    for (std::size_t k = 0; k < panel.points.size(); ++k) {
      if (k < 3)
        Fitted(painter, kTextX, kIncidenceRowsY[k], panel.points[k], kCoordinatesSize);
      else
        right.push_back(panel.points[k]);
    }
  }
  if (!answerHidden && !panel.intersection.empty()) right.push_back(panel.intersection);
  for (std::size_t k = 0; k < right.size() && k < 3; ++k)
    Fitted(painter, kIncidenceColumnX, kIncidenceRowsY[k], right[k], kCoordinatesSize);
  if (!answerHidden && !panel.notableLack.empty())
    Fitted(painter, kTextX, kNotableLackY, panel.notableLack, kLackSize);
  RestoreTextStyle(painter);
  painter.SetBrushStyle(delgraph::bsClear);  // as the rings of the projections leave it
  painter.SetPenColorValue(kept);
}

}  // namespace drawing
