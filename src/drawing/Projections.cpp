#include "drawing/Projections.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "delgraph/delgraph.h"
#include "drawing/PlaneDrawing.h"
#include "drawing/SeenAndHidden.h"
#include "drawing/TraceDrawing.h"
#include "scene/Scene.h"

namespace drawing {

namespace {

constexpr std::int32_t kReferenceColour = 12;   // light red
constexpr std::int32_t kPointLabelColour = 13;  // light magenta
constexpr std::int32_t kLineLabelColour = 3;    // cyan
constexpr std::uint16_t kRingRadius = 3;

// Pixel offsets are computed wide and saturated: coordinates near the 32-bit
// limits must not overflow.
std::int32_t Offset(std::int32_t base, std::int64_t delta) {
  return scene::Saturate32(static_cast<std::int64_t>(base) + delta);
}

// Round half to even of a product that may exceed 64 bits, saturated to 32.
std::int64_t RoundedPixels(double v) {
  const double r = std::nearbyint(v);
  constexpr double kLimit = 4294967296.0;  // beyond any 32-bit sum of two pixels
  if (std::isnan(r)) return 0;
  if (r > kLimit) return static_cast<std::int64_t>(kLimit);
  if (r < -kLimit) return -static_cast<std::int64_t>(kLimit);
  return static_cast<std::int64_t>(r);
}

}  // namespace

void ComputeSceneOrigins(Painter& painter) {
  painter.SpaceOrigin = {painter.ScaleX(80), painter.ScaleY(100)};
  painter.FlatOrigin = {painter.ScaleX(240), painter.ScaleY(80)};
  const double rise = painter.ScaleY(100);
  const double run = painter.ScaleX(100);
  // The direction of the ground line in the space view; 0.2 is taken off both steps.
  const double theta = run != 0.0 ? std::atan(rise / run) : std::atan2(rise, run);
  painter.AbscissaStepX = std::cos(theta) - 0.2;
  painter.AbscissaStepY = std::sin(theta) - 0.2;
}

EndPointPositions EndPointPositionsOf(Painter& painter, const DihedralPoint& p) {
  return PositionsAt(painter, p.abscissa, p.alejamiento, p.cota);
}

// Whole coordinates are exact doubles that round to themselves, so end points land
// where they always have; fractional ones round half to even like the steps.
EndPointPositions PositionsAt(Painter& painter, double abscissa, double alejamiento, double cota) {
  SurfacePoint O = painter.SpaceOrigin;
  // The profile view looks along the ground line: the abscissa moves nothing there.
  if (!painter.Profile) {
    O.x = Offset(O.x, RoundedPixels(abscissa * painter.AbscissaStepX));
    O.y = Offset(O.y, -RoundedPixels(abscissa * painter.AbscissaStepY));
  }
  const std::int64_t across = RoundedPixels(alejamiento);
  const std::int64_t up = RoundedPixels(cota);
  EndPointPositions r;
  r.S = {Offset(O.x, across), Offset(O.y, -up)};
  r.Vp = {O.x, r.S.y};
  r.Hp = {r.S.x, O.y};
  r.G = {Offset(painter.FlatOrigin.x, RoundedPixels(abscissa)), painter.FlatOrigin.y};
  r.h = {r.G.x, Offset(r.G.y, across)};
  r.v = {r.G.x, Offset(r.G.y, -up)};
  return r;
}

EndPointPositions DrawEndPoint(Painter& painter, const DihedralPoint& p) {
  const EndPointPositions r = EndPointPositionsOf(painter, p);
  DrawReferenceSegment(painter, r.S.x, r.S.y, r.Vp.x, r.Vp.y, kReferenceColour);
  DrawReferenceSegment(painter, r.S.x, r.S.y, r.Hp.x, r.Hp.y, kReferenceColour);
  DrawReferenceSegment(painter, r.G.x, r.G.y, r.h.x, r.h.y, kReferenceColour);
  DrawReferenceSegment(painter, r.G.x, r.G.y, r.v.x, r.v.y, kReferenceColour);
  return r;
}

void DrawReferenceSegment(Painter& painter, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                          std::int32_t y2, std::int32_t colour) {
  painter.SetDrawColor(colour);
  painter.SetLineStyle(delgraph::psDashDotDot, 0, 1);
  painter.DrawLine(x1, y1, x2, y2);
  painter.SetLineStyle(delgraph::psSolid, 0, 3);
  // The rings leave the brush clear, so the labels after them get no box.
  painter.DrawCircle(x1, y1, kRingRadius);
  painter.DrawCircle(x2, y2, kRingRadius);
  painter.SetLineStyle(delgraph::psSolid, 0, 1);
}

void DrawPointLabels(Painter& painter, const std::string& letter, SurfacePoint S, SurfacePoint h,
                     SurfacePoint v) {
  const bool isB = letter == "b";
  std::string capital = letter;
  for (char& c : capital) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  painter.DrawLabel(S.x, S.y, Offset(S.x, -10), S.y, capital);
  painter.SetTextStyle(0, 0, 1);
  // B's small labels sit left of and above the place A's would take.
  painter.DrawLabel(h.x, h.y, isB ? Offset(h.x, -10) : h.x, h.y, letter);
  painter.DrawLabel(v.x, v.y, v.x, isB ? Offset(v.y, -20) : v.y, letter + "'");
  RestoreTextStyle(painter);
}

void DrawSceneLine(Painter& painter, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                   std::int32_t y2, std::int32_t colour) {
  const delgraph::ColorValue kept = painter.GetPenColor();
  painter.SetDrawColor(colour);
  // Colour 1 asks for black: the largest colour number maps outside the palette.
  if (colour == 1) painter.SetDrawColor(delgraph::GetMaxColor());
  painter.DrawLine(x1, y1, x2, y2);
  painter.SetPenColorValue(kept);
  painter.ForWindow.labels[6] = std::to_string(colour);
}

void BeginScene(Painter& painter, const scene::Scene& scene) {
  painter.Profile = scene.ProfileOn;
  ComputeSceneOrigins(painter);
}

void DrawPointScene(Painter& painter, const scene::Scene& scene) {
  BeginScene(painter, scene);
  const EndPointPositions a = DrawEndPoint(painter, scene.PointA);
  painter.SetDrawColor(kPointLabelColour);
  DrawPointLabels(painter, "a", a.S, a.h, a.v);
}

void DrawPlaneScene(Painter& painter, const scene::Scene& scene) {
  BeginScene(painter, scene);
  DrawPlane(painter, scene.PointA, scene.PointB, scene.PointC, scene.EditedIndex(),
            scene.AnswerHidden);
}

void DrawLineScene(Painter& painter, const scene::Scene& scene, std::int32_t lineColour) {
  BeginScene(painter, scene);
  const DihedralPoint& A = scene.PointA;
  const DihedralPoint& B = scene.PointB;
  const EndPointPositions a = DrawEndPoint(painter, A);
  painter.SetDrawColor(kLineLabelColour);
  DrawPointLabels(painter, "a", a.S, a.h, a.v);
  const EndPointPositions b = DrawEndPoint(painter, B);
  painter.SetDrawColor(kLineLabelColour);
  DrawPointLabels(painter, "b", b.S, b.h, b.v);

  painter.SetLineStyle(delgraph::psSolid, 0, 3);
  if (scene.VisibilityOn && !scene.AnswerHidden) {
    DrawSeenAndHiddenLine(painter, A, B, lineColour);
  } else {
    DrawSceneLine(painter, a.S.x, a.S.y, b.S.x, b.S.y, lineColour);  // in space
    DrawSceneLine(painter, a.h.x, a.h.y, b.h.x, b.h.y, lineColour);  // horizontal projection
    DrawSceneLine(painter, a.v.x, a.v.y, b.v.x, b.v.y, lineColour);  // vertical projection
    if (!scene.ProfileOn) {
      DrawSceneLine(painter, a.Hp.x, a.Hp.y, b.Hp.x, b.Hp.y, kReferenceColour);  // onto H
      DrawSceneLine(painter, a.Vp.x, a.Vp.y, b.Vp.x, b.Vp.y, kReferenceColour);  // onto V
    }
  }
  painter.SetLineStyle(delgraph::psSolid, 0, 1);
  // Only on request: with the traces off the picture stays exactly as it was.
  if (scene.TracesOn && !scene.AnswerHidden)
    DrawLineTraces(painter, A, B, lineColour, scene.VisibilityOn);
}

void RestoreTextStyle(Painter& painter) {
  painter.SetTextStyle(painter.SavedTextStyle.font, painter.SavedTextStyle.spare,
                       painter.SavedTextStyle.size);
}

}  // namespace drawing
