#include "drawing/ConstructionDrawing.h"

#include <algorithm>
#include <cmath>

#include "delgraph/Canvas.h"
#include "drawing/Projections.h"
#include "scene/Scene.h"

namespace drawing {

namespace {

using classify::FlatPoint;
using classify::StrokeRole;

// Step colours on the light background: green, orange, blue, brown, cyan, grey.
constexpr std::int32_t kStepColours[] = {2, 6, 9, 12, 3, 8};
constexpr std::uint16_t kRing = 3;

std::int32_t Px(double v) {
  return static_cast<std::int32_t>(std::nearbyint(std::fmax(-1e6, std::fmin(1e6, v))));
}

SurfacePoint OriginOf(const Painter& painter, const ConstructionLook& look) {
  return look.origin ? *look.origin : painter.FlatOrigin;
}

void Black(Painter& painter) {
  painter.SetDrawColor(delgraph::GetMaxColor());
}

void Pen(Painter& painter, const ConstructionLook& look, StrokeRole role, bool dashed,
         std::int32_t colour) {
  if (look.paper)
    Black(painter);
  else if (colour == 1)
    Black(painter);
  else
    painter.SetDrawColor(colour);
  const bool thick = role == StrokeRole::kData || role == StrokeRole::kAnswer;
  const std::uint16_t width = look.paper ? (thick ? look.thick : look.thin) : (thick ? 2 : 1);
  std::uint16_t style = dashed ? delgraph::psLongDash : delgraph::psSolid;
  if (role == StrokeRole::kReference) style = delgraph::psDashDotDot;
  painter.SetLineStyle(style, 0, width);
}

void DrawLayer(Painter& painter, const ConstructionLook& look, const classify::Layer& layer,
               std::int32_t colour, std::size_t number) {
  for (const classify::Stroke& s : layer.strokes) {
    Pen(painter, look, s.role, s.dashed, colour);
    const SurfacePoint a = SurfaceOf(painter, look, s.from), b = SurfaceOf(painter, look, s.to);
    painter.DrawLine(a.x, a.y, b.x, b.y);
  }
  const std::int32_t size = std::max<std::int32_t>(1, Px(look.unit));
  bool first = true;
  for (const classify::Label& l : layer.labels) {
    Pen(painter, look, l.role == StrokeRole::kAnswer ? StrokeRole::kAnswer : StrokeRole::kAuxiliary,
        false, colour);
    const SurfacePoint at = SurfaceOf(painter, look, l.at);
    if (l.point) painter.DrawCircle(at.x, at.y, static_cast<std::uint16_t>(kRing * size));
    painter.SetLineStyle(delgraph::psSolid, 0, 1);
    std::string text = l.text;
    if (first && look.numbered && number > 0) text = "(" + std::to_string(number) + ") " + text;
    first = false;
    painter.DrawText(at.x + 4 * size, at.y - 16 * size, text);
  }
}

}  // namespace

std::int32_t StepColour(std::size_t n) {
  constexpr std::size_t count = sizeof kStepColours / sizeof kStepColours[0];
  return kStepColours[(n == 0 ? 0 : n - 1) % count];
}

classify::FlatBox FlatViewBox(const Painter& painter) {
  // The frame of the 320 x 200 space, a pixel inside, as the other flat drawings use it.
  const double left = painter.ScaleX(179) + 1, right = painter.ScaleX(308) - 1;
  const double top = painter.ScaleY(19) + 1, bottom = painter.ScaleY(141) - 1;
  const SurfacePoint o = painter.FlatOrigin;
  return {left - o.x, o.y - std::max(top, bottom), right - o.x, o.y - std::min(top, bottom)};
}

SurfacePoint SurfaceOf(const Painter& painter, const ConstructionLook& look, const FlatPoint& p) {
  const SurfacePoint o = OriginOf(painter, look);
  return {Px(o.x + p.x * look.unit), Px(o.y - p.y * look.unit)};
}

FlatPoint NearestUnit(const Painter& painter, const ConstructionLook& look, std::int32_t x,
                      std::int32_t y) {
  const SurfacePoint o = OriginOf(painter, look);
  const double unit = look.unit > 0 ? look.unit : 1.0;
  return {std::round((x - o.x) / unit), std::round((o.y - y) / unit)};
}

void DrawConstruction(Painter& painter, const classify::Construction& construction,
                      const ConstructionLook& look, const std::vector<PlacedMarker>& placed) {
  const delgraph::ColorValue kept = painter.GetPenColor();
  painter.SetTextStyle(0, 0, 1);
  painter.SetBrushStyle(delgraph::bsClear);  // labels without a box, as the rings leave it
  if (look.data) DrawLayer(painter, look, construction.data, 1, 0);
  for (std::size_t i = 0; i < construction.steps.size() && i < look.steps; ++i)
    DrawLayer(painter, look, construction.steps[i], StepColour(i + 1), i + 1);
  const std::int32_t size = std::max<std::int32_t>(1, Px(look.unit));
  if (look.answers) {
    for (const classify::Marker& m : construction.markers) {
      if (!m.exact) continue;
      Pen(painter, look, StrokeRole::kAnswer, false, kAnswerColour);
      const SurfacePoint at = SurfaceOf(painter, look, *m.exact);
      painter.DrawCircle(at.x, at.y, static_cast<std::uint16_t>((kRing + 2) * size));
    }
  }
  for (const PlacedMarker& m : placed) {
    if (!m.at) continue;
    Pen(painter, look, m.current ? StrokeRole::kAnswer : StrokeRole::kAuxiliary, false,
        kMarkerColour);
    const SurfacePoint at = SurfaceOf(painter, look, *m.at);
    painter.DrawCircle(at.x, at.y, static_cast<std::uint16_t>((kRing + 1) * size));
    painter.SetLineStyle(delgraph::psSolid, 0, 1);
    painter.DrawText(at.x - 14 * size, at.y + 4 * size, m.label);
  }
  painter.SetLineStyle(delgraph::psSolid, 0, 1);
  painter.SetPenColorValue(kept);
  RestoreTextStyle(painter);
}

}  // namespace drawing
